// Icons and pointers made from the program's drawn pictures.
#pragma once

#include <windows.h>

#include "gdi.h"
#include "pictures.h"

namespace velkaro {

// An icon, or a pointer with the picture's hot spot; empty when the system refuses.
IconHandle CreateIconFromPicture(const ArgbPicture& picture, bool pointer);

}  // namespace velkaro
