// The swatch palette picture: two rows of thirteen colour cells. Its fifth cell of the
// first row is the colour the window starts with.
#pragma once

#include "surface.h"

namespace velkaro {

inline constexpr int kSwatchWidth = 270, kSwatchHeight = 42;
void DrawSwatchPalette(Surface& surface);  // at the surface's top-left corner

}  // namespace velkaro
