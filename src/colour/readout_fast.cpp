// Fast forms of the HSV, HSL and CMYK readouts for 8-bit channels. They run several
// times per pointer move, so the divisions by 255 come from tables of the very values
// the literal forms compute; everything after that is the literal arithmetic.
#include <array>

#include "colour.h"

namespace velkaro {

namespace {

template <class T, class Fn>
std::array<T, 256> Table(Fn fn) {
  std::array<T, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = fn(i);
  return t;
}

const std::array<float, 256> kUnitFloat = Table<float>([](int i) { return static_cast<float>(i / 255.0); });
const std::array<double, 256> kUnitDouble = Table<double>([](int i) { return i / 255.0; });
// An ink of i/255 as a whole percentage, rounded as the literal form rounds it.
const std::array<std::int16_t, 256> kInkPercent = Table<std::int16_t>(
    [](int i) { return RoundHalfEven<std::int16_t>(i / 255.0 * 100).value_or(0); });

// Hues, percentages and Lab values all fit 16 bits, so no overflow check is needed here.
std::int16_t Round16(double x) { return static_cast<std::int16_t>(RoundTiesToEven(x)); }

}  // namespace

HsvColor RgbToHsvFast(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  const float r = kUnitFloat[R], g = kUnitFloat[G], b = kUnitFloat[B];
  const float max = MaxOf(MaxOf(r, g), b);
  const float min = MinOf(MinOf(r, g), b);
  const float d = max - min;
  float h = 0, s = 0;
  if (d != 0) {
    s = d / max;
    // Only the two distances that the hue of this sextant uses are computed.
    const auto dist = [&](float x) { return ((max - x) / 6 + d / 2) / d; };
    if (r == max)
      h = dist(b) - dist(g);
    else if (g == max)
      h = static_cast<float>(1.0 / 3 + dist(r) - dist(b));
    else
      h = static_cast<float>(2.0 / 3 + dist(g) - dist(r));
    if (h < 0) h += 1;
    if (h > 1) h -= 1;
  }
  return {Round16(h * 360.0f), Round16(s * 100.0f), Round16(max * 100.0f)};
}

HslColor RgbToHslFast(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  const double r = kUnitDouble[R], g = kUnitDouble[G], b = kUnitDouble[B];
  const double max = r >= g ? (b > r ? b : r) : (b > g ? b : g);
  const double min = r >= g ? (b < g ? b : g) : (b < r ? b : r);
  if (max == min) return {0, 0, Round16((max + min) / 2 * 100)};
  const double d = max - min, sum = max + min, l = sum / 2;
  // The last rule that holds wins: blue, then green, then red.
  double h;
  if (b == max)
    h = 240 + (r - g) * 60 / d;
  else if (g == max)
    h = 120 + (b - r) * 60 / d;
  else
    h = g >= b ? (g - b) * 60 / d : 360 + (g - b) * 60 / d;
  const double s = l > 0.5 ? d / (2 - sum) : d / sum;
  return {Round16(h), Round16(s * 100), Round16(l * 100)};
}

CmykColor RgbToCmykFast(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  const int cyan = 255 - R, magenta = 255 - G, yellow = 255 - B;
  int black = cyan < magenta ? cyan : magenta;
  if (yellow < black) black = yellow;
  return {kInkPercent[cyan - black], kInkPercent[magenta - black], kInkPercent[yellow - black],
          kInkPercent[black]};
}

Readouts ComputeReadouts(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const ColorValue col = ComposeColor(r, g, b);
  return {RgbToHsvFast(r, g, b), RgbToHslFast(r, g, b),         RgbToCmykFast(r, g, b),
          RgbToLabFast(r, g, b), NotationTexts(col), InverseText(col)};
}

}  // namespace velkaro
