// OKLab and its polar form OKLCh, the perceptual spaces of CSS Color 4: the colour from
// and back to 8-bit sRGB, their CSS texts, and the reading of oklab() and oklch().
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "colour.h"

namespace velkaro {

struct OkLab {
  double l = 0, a = 0, b = 0;  // L 0..1
};
struct OkLch {
  double l = 0, c = 0, h = 0;  // h in degrees, 0 <= h < 360
};

// Linear sRGB (the window's transfer function) -> LMS by the published matrix -> cube
// root -> Lab.
OkLab OkLabOf(ColorValue c);
OkLch OkLchOf(ColorValue c);
// Back to 8-bit sRGB, each channel rounded as the window rounds (half to even) and a
// colour outside sRGB clamped channel by channel.
ColorValue FromOkLab(const OkLab& lab);
ColorValue FromOkLch(const OkLch& lch);

// "oklab(62.80% 0.2249 0.1258)" and "oklch(62.80% 0.2577 29.23)": L in percent to two
// decimals, a, b and C to four, the hue in degrees to two (0 for a grey, whose hue is
// powerless).
std::string OkLabText(ColorValue c);
std::string OkLchText(ColorValue c);

// Whether the text is an oklab() or oklch() function, in any case; only such texts go to
// ReadOkColour.
bool IsOkColourText(std::string_view text);
// oklab(L a b [/ alpha]) and oklch(L C H [/ alpha]) as CSS writes them: numbers or
// percentages (L: 100% = 1; a, b, C: 100% = 0.4), the hue a number of degrees or an angle
// (deg, grad, rad, turn), "none" for any component (0). L is clamped to 0..1 and C to 0
// or more, as CSS does; the alpha is read and set aside. Nothing, and why, when malformed.
std::optional<ColorValue> ReadOkColour(std::string_view text, std::string& why);

}  // namespace velkaro
