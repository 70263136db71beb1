#include <gtest/gtest.h>

#include "gradient.h"

namespace velkaro {
namespace {

TEST(Gradient, PercentOf) {
  struct Case { std::int32_t value; float total; float pct; std::int32_t after; };
  for (const Case c : {Case{5, 10, 50, 5}, {29, 100, 28, 29}, {12, 10, 100, 10}, {3, 0, 0, 0},
                       {0, 10, 0, 0}}) {
    std::int32_t v = c.value;
    EXPECT_EQ(PercentOf(v, c.total), c.pct) << c.value << "/" << c.total;
    EXPECT_EQ(v, c.after);
  }
}

TEST(Gradient, SplitAndBlend) {
  const RgbParts p = SplitColor(ComposeColor(1, 2, 3));
  EXPECT_EQ((std::array{p.R, p.G, p.B}), (std::array{1, 2, 3}));
  EXPECT_EQ(BlendColor(kBlack, kWhite, 50), ComposeColor(128, 128, 128));
  EXPECT_EQ(BlendColor(kWhite, kBlack, 50), ComposeColor(128, 128, 128));
  EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 0), 0x123456);
  EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 100), 0xABCDEF);
}

// Line i covers columns i - 1 and i, so column x shows line x + 1 and the strip ends in c2.
TEST(Gradient, LinearStripWhiteToRed) {
  Surface s(100, 4, 0x123456);
  const ColorValue red = ComposeColor(255, 0, 0);
  DrawLinearGradient(s, kWhite, red);
  EXPECT_EQ(s.Get(0, 0), ComposeColor(255, 252, 252));   // line 1: pct 1, 252.45
  EXPECT_EQ(s.Get(28, 3), BlendColor(kWhite, red, 28));  // line 29 uses pct 28
  EXPECT_EQ(s.Get(49, 2), ComposeColor(255, 128, 128));  // line 50
  EXPECT_EQ(s.Get(99, 1), red);                          // line 100
}

// The row-at-once strip equals its lines drawn one by one, over whatever was there.
TEST(Gradient, LinearEqualsItsLines) {
  for (const auto& [w, h] : {std::pair{126, 33}, {120, 55}, {57, 28}, {249, 6}, {1, 3}, {2, 1}}) {
    Surface fast(w, h, 0x0A0B0C), lines(w, h, 0x0A0B0C);
    DrawLinearGradient(fast, 0xE03B6F, 0x1FC490);
    DrawLinearGradientByLines(lines, 0xE03B6F, 0x1FC490);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(fast.Get(x, y), lines.Get(x, y)) << w << "x" << h << " at " << x;
  }
}

TEST(Gradient, ZeroWidthBoxes) {
  Surface s(0, 10);
  DrawLinearGradient(s, kWhite, kBlack);
  DrawRadialGradient(s, kWhite, kBlack);
  EXPECT_EQ(s.Width(), 0);
}

// The pixel-by-pixel radial picture equals the circles drawn one over another.
TEST(Gradient, RadialEqualsItsCircles) {
  struct Size { int w, h; };
  for (const Size sz : {Size{265, 244}, Size{10, 7}, Size{1, 1}, Size{2, 30}, Size{31, 2}}) {
    Surface fast(sz.w, sz.h, 0x0A0B0C), circles(sz.w, sz.h, 0x0A0B0C);
    DrawRadialGradient(fast, 0x1FC490, 0xE03B6F);
    DrawRadialGradientByCircles(circles, 0x1FC490, 0xE03B6F);
    for (int y = 0; y < sz.h; ++y)
      for (int x = 0; x < sz.w; ++x)
        ASSERT_EQ(fast.Get(x, y), circles.Get(x, y)) << sz.w << "x" << sz.h << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace velkaro
