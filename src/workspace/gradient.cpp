#include "gradient.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velkaro {

namespace {
constexpr std::uint64_t kLinearKey = 2ull << 56;
}

float PercentOf(std::int32_t& value, float total) {
  if (static_cast<float>(value) > total) value = static_cast<std::int32_t>(total);
  if (total == 0) return 0;
  const double pct = std::floor(static_cast<double>(value) / total * 100);
  return static_cast<float>(pct > 100 ? 100 : pct);
}

// The hexadecimal text padded with zeros and cut to its last six digits, BBGGRR, read
// pair by pair: that is the low 24 bits of the value, whatever its high byte.
RgbParts SplitColor(ColorValue col) {
  const auto v = static_cast<std::uint32_t>(col);
  return {static_cast<std::int32_t>(v & 0xFF), static_cast<std::int32_t>(v >> 8 & 0xFF),
          static_cast<std::int32_t>(v >> 16 & 0xFF)};
}

/* X = pct x (X2 - X1) / 100 + X1 per channel, in doubles, rounded half to even.
 * pct 0 gives c1 and pct 100 gives c2 exactly. */
ColorValue BlendColor(ColorValue c1, ColorValue c2, float pct) {
  const RgbParts a = SplitColor(c1), b = SplitColor(c2);
  auto mix = [pct](std::int32_t x1, std::int32_t x2) {
    return static_cast<std::int32_t>(RoundTiesToEven(pct * static_cast<double>(x2 - x1) / 100 + x1));
  };
  const std::int32_t B = mix(a.B, b.B), G = mix(a.G, b.G), R = mix(a.R, b.R);
  return ComposeColor(R, G, B);
}

void DrawLinearGradientByLines(Surface& box, ColorValue c1, ColorValue c2) {
  const auto scaleWidth = static_cast<float>(box.Width());
  const std::int32_t n = static_cast<std::int32_t>(RoundTiesToEven(scaleWidth));
  for (std::int32_t i = 1; i <= n; ++i) {
    std::int32_t at = i;
    const ColorValue colour = BlendColor(c1, c2, PercentOf(at, scaleWidth));
    box.VerticalLine(i, 0, box.Height(), colour);
  }
}

/* Every line spans the full height and covers columns i - 1 and i, so each row ends the
 * same: column x shows line x + 1 (the last column, past line n, shows line n). One row is
 * computed and copied down; this runs several times per pointer move. */
void DrawLinearGradient(Surface& box, ColorValue c1, ColorValue c2) {
  const std::uint64_t key = kLinearKey | static_cast<std::uint64_t>(c1 & 0xFFFFFF) << 24 | (c2 & 0xFFFFFF);
  if (box.Shows(key)) return;
  const int w = box.Width(), h = box.Height();
  const auto scaleWidth = static_cast<float>(w);
  const std::int32_t n = static_cast<std::int32_t>(RoundTiesToEven(scaleWidth));
  if (n < 1 || h < 1) return;
  std::vector<std::uint32_t> row(box.Row(0), box.Row(0) + w);
  for (int x = 0; x < w; ++x) {
    std::int32_t line = x + 1 <= n ? x + 1 : x;
    if (line < 1) continue;
    row[x] = Surface::ToPixel(BlendColor(c1, c2, PercentOf(line, scaleWidth)));
  }
  for (int y = 0; y < h; ++y) std::copy(row.begin(), row.end(), box.Row(y));
  box.Touch();
  box.Mark(key);
}

namespace {
// The colour of every radius 0..n, as the circles would be drawn.
std::vector<ColorValue> RingColours(int n, float scaleWidth, ColorValue c1, ColorValue c2) {
  std::vector<ColorValue> colours(static_cast<std::size_t>(n) + 1);
  for (std::int32_t k = 0; k <= n; ++k) {
    std::int32_t at = k;
    colours[k] = BlendColor(c1, c2, PercentOf(at, scaleWidth));
  }
  return colours;
}
}  // namespace

void DrawRadialGradientByCircles(Surface& box, ColorValue c1, ColorValue c2) {
  const auto scaleWidth = static_cast<float>(box.Width());
  const auto n = static_cast<std::int16_t>(RoundTiesToEven(scaleWidth));
  if (n < 0) return;
  const std::vector<ColorValue> colours = RingColours(n, scaleWidth, c1, c2);
  for (int k = 0; k <= n; ++k)
    box.CircleOutline(box.Width() / 2.0, box.Height() / 2.0, k, colours[k]);
}

/* Drawn pixel by pixel: a pixel at distance d from the centre ends with the colour of the
 * last circle that covers it, radius min(n, floor(d + 1)), and stays untouched beyond
 * d = n + 1. Distances are compared squared, in half pixels, so it is all integers. */
void DrawRadialGradient(Surface& box, ColorValue c1, ColorValue c2) {
  const int w = box.Width(), h = box.Height();
  const auto n = static_cast<std::int16_t>(RoundTiesToEven(static_cast<float>(w)));
  if (n < 0) return;
  const std::vector<ColorValue> colours = RingColours(n, static_cast<float>(w), c1, c2);
  std::vector<std::uint32_t> pixels(colours.size());
  for (std::size_t k = 0; k < colours.size(); ++k) pixels[k] = Surface::ToPixel(colours[k]);
  const std::int64_t outer = 4LL * (n + 1) * (n + 1);
  for (int y = 0; y < h; ++y) {
    const std::int64_t dy = 2LL * y - h;
    std::uint32_t* row = box.Row(y);
    std::int64_t m = 1;  // floor(d) + 1, kept between neighbouring pixels
    for (int x = 0; x < w; ++x) {
      const std::int64_t dx = 2LL * x - w;
      const std::int64_t d4 = dx * dx + dy * dy;  // (2d)^2
      if (d4 > outer) continue;
      while (4 * m * m <= d4) ++m;                    // d >= m
      while (m > 1 && 4 * (m - 1) * (m - 1) > d4) --m;  // d < m - 1
      row[x] = pixels[m < n ? m : n];
    }
  }
  box.Touch();
}

}  // namespace velkaro
