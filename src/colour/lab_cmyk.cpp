// CMYK and CIE L*a*b* readouts in their literal form: the reference the fast Lab is
// checked against on every 8-bit colour.
#include <algorithm>
#include <cmath>

#include "colour.h"

namespace velkaro {

namespace {
std::int16_t Round16(double x) { return RoundHalfEven<std::int16_t>(x).value_or(0); }
}  // namespace

/* Inks from the complements; black is the smallest of the three and is taken out of
 * the others. Each percentage is formed in double, dividing by 255 first. */
CmykColor RgbToCmyk(float R, float G, float B) {
  auto whole = [](float x) { return RoundHalfEven<std::int32_t>(x).value_or(0); };
  std::int32_t cyan = whole(255 - R), magenta = whole(255 - G), yellow = whole(255 - B);
  std::int32_t black = cyan < magenta ? cyan : magenta;
  if (yellow < black) black = yellow;
  if (black > 0) {
    cyan -= black;
    magenta -= black;
    yellow -= black;
  }
  auto pct = [](std::int32_t ink) { return Round16(ink / 255.0 * 100); };
  return {pct(cyan), pct(magenta), pct(yellow), pct(black)};
}

double SrgbToLinear(double channel) {
  const double v = channel / 255;
  return v > 0.04045 ? std::pow((v + 0.055) / 1.055, 2.4) : v / 12.92;
}

std::int32_t LinearToSrgbChannel(double linear) {
  const double v = std::clamp(linear, 0.0, 1.0);
  const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
  return static_cast<std::int32_t>(RoundTiesToEven(std::clamp(encoded * 255, 0.0, 255.0)));
}

double LabF(double t) { return t > 0.008856 ? std::pow(t, 1.0 / 3) : 7.787 * t + 16.0 / 116; }

/* sRGB -> linear -> XYZ (seven-digit matrix, sums left to right) -> / D65 white
 * (0.950456, 1, 1.088754) -> L = 116 f(Y) - 16, a = 500 (f(X) - f(Y)), b = 200 (f(Y) - f(Z)). */
LabValues RgbToLabValues(double R, double G, double B) {
  const double r = SrgbToLinear(R), g = SrgbToLinear(G), b = SrgbToLinear(B);
  double x = r * 0.4124564 + g * 0.3575761 + b * 0.1804375;
  double y = r * 0.2126729 + g * 0.7151522 + b * 0.072175;
  double z = r * 0.0193339 + g * 0.119192 + b * 0.9503041;
  x = x / 0.950456;
  y = y / 1;
  z = z / 1.088754;
  const double fx = LabF(x), fy = LabF(y), fz = LabF(z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

LabColor RgbToLab(double R, double G, double B) {
  const LabValues v = RgbToLabValues(R, G, B);
  return {Round16(v.l), Round16(v.a), Round16(v.b)};
}

double RelativeLuminance(ColorValue c) {
  const Rgb rgb = SplitChannels(c);
  return 0.2126 * SrgbToLinear(rgb.r) + 0.7152 * SrgbToLinear(rgb.g) + 0.0722 * SrgbToLinear(rgb.b);
}

double ContrastRatio(ColorValue a, ColorValue b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColorValue ReadableOn(ColorValue back) {
  constexpr double kLegible = 2;
  const ColorValue inverse = InvertColor(back);
  if (ContrastRatio(inverse, back) >= kLegible) return inverse;
  return ContrastRatio(kBlack, back) >= ContrastRatio(kWhite, back) ? kBlack : kWhite;
}

}  // namespace velkaro
