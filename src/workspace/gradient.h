// Gradient strips: linear strips in the readout swatches and the radial gradient of the
// magnifier's resting picture.
#pragma once

#include <cstdint>

#include "colour.h"
#include "surface.h"

namespace velkaro {

struct RgbParts {
  std::int32_t R = 0, G = 0, B = 0;
};

// floor(value / total x 100), at most 100; 0 when total is 0. A value above total is
// pulled down to total, and the caller's variable sees it.
float PercentOf(std::int32_t& value, float total);
RgbParts SplitColor(ColorValue col);
ColorValue BlendColor(ColorValue c1, ColorValue c2, float pct);

// c1 at the left edge to c2 at the right: vertical lines of pen width 2 for i = 1..width.
void DrawLinearGradient(Surface& box, ColorValue c1, ColorValue c2);
// The same strip drawn line by line, as the definition reads: the reference for tests.
void DrawLinearGradientByLines(Surface& box, ColorValue c1, ColorValue c2);
// c1 at the centre outward: circles of pen width 2 with radius 0..width, each over the last.
void DrawRadialGradient(Surface& box, ColorValue c1, ColorValue c2);
// The same picture drawn circle by circle, as the definition reads: the reference for tests.
void DrawRadialGradientByCircles(Surface& box, ColorValue c1, ColorValue c2);

}  // namespace velkaro
