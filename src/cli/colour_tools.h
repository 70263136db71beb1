// The toolkit's answers beyond the window's readouts: contrast, named colours, colour
// difference and gradient steps. Each is built on the window's own arithmetic.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "colour.h"

namespace velkaro::cli {

using velkaro::ContrastRatio;
using velkaro::RelativeLuminance;
// The thresholds are compared with the ratio as computed, not as printed: 4.499 fails AA.
inline constexpr double kLargeTextAA = 3, kNormalTextAA = 4.5, kLargeTextAAA = 4.5, kNormalTextAAA = 7;

// CIEDE2000 colour difference of two Lab colours (kL = kC = kH = 1).
double Ciede2000(const LabValues& x, const LabValues& y);
// The window's Lab conversion before rounding.
LabValues LabOf(ColorValue c);

struct NamedColour {
  std::string_view name;
  ColorValue colour;
};
std::span<const NamedColour> CssColours();
// A CSS colour name, in any case.
std::optional<ColorValue> CssColourNamed(std::string_view name);
struct Nearest {
  const NamedColour* named;
  double difference;  // CIEDE2000
};
// The named colour nearest by CIEDE2000; an exact match is preferred, and among equal
// differences the first in alphabetical order.
Nearest NearestCssColour(ColorValue c);

// n colours from a to b as the window's gradient strips blend them: the columns of a
// strip n pixels wide.
std::vector<ColorValue> GradientSteps(ColorValue a, ColorValue b, int n);

}  // namespace velkaro::cli
