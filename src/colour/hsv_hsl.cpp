// RGB to HSV and HSL for the readouts. Each keeps the arithmetic width the readouts
// were defined with: HSV in 32-bit floats, HSL in doubles with an integer hue.
#include "colour.h"

namespace velkaro {

float MaxOf(float a, float b) { return a > b ? a : b; }
float MinOf(float a, float b) { return a < b ? a : b; }

namespace {
// Every value here is a channel, a percentage or a hue, so it always fits 16 bits.
std::int16_t Round16(double x) { return RoundHalfEven<std::int16_t>(x).value_or(0); }
}  // namespace

/* HSV, every named step stored as a float:
 *   d = max - min;  S = d / max
 *   dX = ((max - x) / 6 + d / 2) / d
 *   H = dB - dG (red max) | 1/3 + dR - dB (green max) | 2/3 + dG - dR (blue max), wrapped into 0..1
 * Results rounded from H x 360, S x 100, max x 100; a hue of 359.5 or more reads 360. */
HsvColor RgbToHsv(std::int16_t R, std::int16_t G, std::int16_t B) {
  const float r = static_cast<float>(R / 255.0);
  const float g = static_cast<float>(G / 255.0);
  const float b = static_cast<float>(B / 255.0);
  const float max = MaxOf(MaxOf(r, g), b);
  const float min = MinOf(MinOf(r, g), b);
  const float d = max - min;
  float h = 0, s = 0;
  if (d != 0) {
    s = d / max;
    const float dR = ((max - r) / 6 + d / 2) / d;
    const float dG = ((max - g) / 6 + d / 2) / d;
    const float dB = ((max - b) / 6 + d / 2) / d;
    // The thirds are double constants, so those sums are formed in double.
    if (r == max)
      h = dB - dG;
    else if (g == max)
      h = static_cast<float>(1.0 / 3 + dR - dB);
    else
      h = static_cast<float>(2.0 / 3 + dG - dR);
    if (h < 0) h += 1;
    if (h > 1) h -= 1;
  }
  return {Round16(h * 360.0f), Round16(s * 100.0f), Round16(max * 100.0f)};
}

/* HSL in doubles. The hue is rounded to a whole degree at each assignment; when two
 * channels share the maximum the later rule wins (with the same value). */
HslColor RgbToHsl(std::int32_t R, std::int32_t G, std::int32_t B) {
  const double r = R / 255.0, g = G / 255.0, b = B / 255.0;
  double max = r >= g ? r : g;
  double min = r >= g ? g : r;
  if (b > max) max = b;
  if (b < min) min = b;
  const double d = max - min, sum = max + min;
  std::int32_t h = 0;
  double s = 0;
  const double l = sum / 2;
  if (max != min) {
    auto deg = [](double x) { return RoundHalfEven<std::int32_t>(x).value_or(0); };
    if (r == max && g >= b) h = deg((g - b) * 60 / d);
    if (r == max && g < b) h = deg(360 + (g - b) * 60 / d);
    if (g == max) h = deg(120 + (b - r) * 60 / d);
    if (b == max) h = deg(240 + (r - g) * 60 / d);
    s = l > 0.5 ? d / (2 - sum) : d / sum;
  }
  return {static_cast<std::int16_t>(h), Round16(s * 100), Round16(l * 100)};
}

}  // namespace velkaro
