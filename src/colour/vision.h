// How a colour looks to people with a colour-vision deficiency.
#pragma once

#include <optional>
#include <string_view>

#include "colour.h"

namespace velkaro {

enum class Deficiency { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::string_view kDeficiencyNames[] = {"protanopia", "deuteranopia", "tritanopia", "achromatopsia"};
std::optional<Deficiency> DeficiencyNamed(std::string_view name);

// The three dichromacies by the physiological model of Machado, Oliveira and Fernandes
// (2009) at full severity; achromatopsia as the grey of the same relative luminance. Both
// in linear sRGB (the window's transfer function), clamped to 0..1, encoded back and
// rounded half to even.
ColorValue SimulateDeficiency(Deficiency kind, ColorValue c);

}  // namespace velkaro
