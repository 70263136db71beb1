#include "palette.h"

#include "swatch.h"

namespace velkaro {

void Palette::DrawSwatches() { DrawSwatchPalette(调色板1.surface); }

void Palette::色板三原色(std::int32_t, std::int32_t, std::int32_t) {}

ColorValue Palette::ColourUnderMarker() const {
  return 调色板1.surface.Get(units_.PixelsX(Shape1.place.left), units_.PixelsY(Shape1.place.top));
}

}  // namespace velkaro
