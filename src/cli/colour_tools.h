// The toolkit's answers beyond the window's readouts: contrast, named colours, colour
// difference and gradient steps. Each is built on the window's own arithmetic; the named
// colours live with the colour models, for the window's palette export too.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "colour.h"
#include "named_colours.h"

namespace velkaro::cli {

using velkaro::ContrastRatio;
using velkaro::RelativeLuminance;
// The thresholds are compared with the ratio as computed, not as printed: 4.499 fails AA.
inline constexpr double kLargeTextAA = 3, kNormalTextAA = 4.5, kLargeTextAAA = 4.5, kNormalTextAAA = 7;

using velkaro::Ciede2000;
using velkaro::CssColourNamed;
using velkaro::CssColours;
using velkaro::LabOf;
using velkaro::NamedColour;
using velkaro::Nearest;
using velkaro::NearestCssColour;

// n colours from a to b as the window's gradient strips blend them: the columns of a
// strip n pixels wide.
std::vector<ColorValue> GradientSteps(ColorValue a, ColorValue b, int n);

}  // namespace velkaro::cli
