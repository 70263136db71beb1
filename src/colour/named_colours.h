// The named colours of CSS and the colour difference that finds the nearest of them: the
// console tool's names, and the names of an exported palette.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "colour.h"

namespace velkaro {

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

}  // namespace velkaro
