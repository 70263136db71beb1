// Icons and pointers made from the program's drawn pictures.
#pragma once

#include <windows.h>

#include "pictures.h"

namespace velkaro {

// An icon, or a pointer with the picture's hot spot. The caller destroys it (DestroyIcon).
HICON CreateIconFromPicture(const ArgbPicture& picture, bool pointer);

}  // namespace velkaro
