#include <gtest/gtest.h>

#include "colour.h"

namespace velkaro {
namespace {

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  struct Case { double x; int expected; };
  for (const Case c : {Case{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                       {0.49999999, 0}, {0.50000001, 1}, {359.76, 360}, {127.5, 128},
                       {-38.6, -39}, {7.0, 7}}) {
    EXPECT_EQ(RoundHalfEven<std::int32_t>(c.x), c.expected) << c.x;
  }
}

TEST(RoundHalfEven, TheFastConversionEqualsThePortableRule) {
  for (int k = -2000000; k <= 2000000; ++k) {
    for (double x : {k / 2.0, k / 2.0 + 1e-9, k / 2.0 - 1e-9, k * 0.37, k / 255.0 * 100}) {
      if (RoundTiesToEven(x) != RoundTiesToEvenPortable(x)) FAIL() << x;
    }
  }
}

TEST(RoundHalfEven, OutsideTheTargetTypeIsAnOverflowResult) {
  EXPECT_FALSE(RoundHalfEven<std::int16_t>(32767.5).has_value());  // ties up to 32768
  EXPECT_EQ(RoundHalfEven<std::int16_t>(32766.5), 32766);
  EXPECT_EQ(RoundHalfEven<std::int16_t>(-32768.4), -32768);
  EXPECT_FALSE(RoundHalfEven<std::int16_t>(-32769.0).has_value());
  EXPECT_FALSE(RoundHalfEvenByte(255.5).has_value());
  EXPECT_EQ(RoundHalfEvenByte(255.4), 255);
  EXPECT_EQ(RoundHalfEvenByte(-0.5), 0);
  EXPECT_FALSE(RoundHalfEvenByte(-0.6).has_value());
  EXPECT_FALSE(RoundHalfEven<std::int32_t>(1e300).has_value());
  EXPECT_FALSE(RoundHalfEven<std::int32_t>(std::nan("")).has_value());
}

TEST(ColorValue, ComposeCapsChannelsAndSplitRecoversThem) {
  EXPECT_EQ(ComposeColor(144, 196, 31), 2081936);
  EXPECT_EQ(ComposeColor(300, 256, 1000), 0xFFFFFF);
  EXPECT_EQ(SplitChannels(2081936), (Rgb{144, 196, 31}));
}

TEST(ColorValue, InvertEqualsXorForEveryColour) {
  for (ColorValue c = 0; c <= kWhite; ++c)
    if (InvertColor(c) != (c ^ 0xFFFFFF)) FAIL() << c;
  EXPECT_EQ(InvertColor(0x7F000000 | 0x1FC490), InvertColor(0x1FC490));  // high bits ignored
}

struct HueCase {
  int r, g, b;
  HsvColor hsv;
  HslColor hsl;  // h, s, l
};

TEST(HueModels, ReadoutTable) {
  const HueCase cases[] = {
      {0, 0, 0, {0, 0, 0}, {0, 0, 0}},
      {255, 255, 255, {0, 0, 100}, {0, 0, 100}},
      {128, 128, 128, {0, 0, 50}, {0, 0, 50}},
      {255, 0, 0, {0, 100, 100}, {0, 100, 50}},
      {0, 255, 0, {120, 100, 100}, {120, 100, 50}},
      {0, 0, 255, {240, 100, 100}, {240, 100, 50}},
      {255, 0, 255, {300, 100, 100}, {300, 100, 50}},
      {255, 0, 1, {360, 100, 100}, {360, 100, 50}},
      {255, 128, 0, {30, 100, 100}, {30, 100, 50}},
      {144, 196, 31, {79, 84, 77}, {79, 73, 45}},
      {1, 2, 3, {210, 67, 1}, {210, 50, 1}},
  };
  for (const HueCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
    const HsvColor hsv = RgbToHsv(static_cast<std::int16_t>(c.r), static_cast<std::int16_t>(c.g),
                                  static_cast<std::int16_t>(c.b));
    EXPECT_EQ(hsv.h, c.hsv.h);
    EXPECT_EQ(hsv.s, c.hsv.s);
    EXPECT_EQ(hsv.v, c.hsv.v);
    const HslColor hsl = RgbToHsl(c.r, c.g, c.b);
    EXPECT_EQ(hsl.h, c.hsl.h);
    EXPECT_EQ(hsl.s, c.hsl.s);
    EXPECT_EQ(hsl.l, c.hsl.l);
  }
  EXPECT_EQ(SplitChannels(InvertColor(ComposeColor(144, 196, 31))), (Rgb{111, 59, 224}));
}

TEST(HueModels, ExtremesAndTiesOfTheMaxMinHelpers) {
  EXPECT_EQ(MaxOf(1, 2), 2);
  EXPECT_EQ(MinOf(1, 2), 1);
  EXPECT_EQ(Max3(0.2f, 0.9f, 0.5f), 0.9f);
  EXPECT_EQ(Max3(0.9f, 0.2f, 0.95f), 0.95f);
  EXPECT_EQ(Min3(0.2f, 0.9f, 0.1f), 0.1f);
  EXPECT_EQ(Min3(0.9f, 0.2f, 0.5f), 0.2f);
}

TEST(Hls, SextantHues) {
  struct Case { std::uint8_t r, g, b; float h, s, l; };
  for (const Case c : {Case{128, 128, 128, 0, 0, 128 / 255.0f}, {255, 0, 0, 0, 1, 0.5f},
                       {0, 255, 0, 2, 1, 0.5f}, {0, 0, 255, 4, 1, 0.5f},
                       {255, 0, 255, -1, 1, 0.5f}}) {
    float h = 9, s = 9, l = 9;
    RgbToHls(c.r, c.g, c.b, h, s, l);
    EXPECT_EQ(h, c.h);
    EXPECT_EQ(s, c.s);
    EXPECT_EQ(l, c.l);
  }
}

TEST(Hls, RoundTripGivesEveryColourBack) {
  for (int c = 0; c <= kWhite; ++c) {
    const auto r = static_cast<std::uint8_t>(c & 0xFF), g = static_cast<std::uint8_t>(c >> 8 & 0xFF),
               b = static_cast<std::uint8_t>(c >> 16);
    float h, s, l;
    RgbToHls(r, g, b, h, s, l);
    std::uint8_t r2 = 0, g2 = 0, b2 = 0;
    if (!HlsToRgb(h, s, l, r2, g2, b2) || r2 != r || g2 != g || b2 != b)
      FAIL() << "colour " << c << " came back as " << int(r2) << "," << int(g2) << "," << int(b2);
  }
}

TEST(Hls, OutOfRangeInputIsReportedAndLeavesTheOutputs) {
  std::uint8_t r = 1, g = 2, b = 3;
  EXPECT_FALSE(HlsToRgb(6.0f, 1.0f, 0.5f, r, g, b));  // red would be 2 x 255
  EXPECT_FALSE(HlsToRgb(0.0f, 0.0f, 1.5f, r, g, b));
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::uint8_t, 3>{1, 2, 3}));
  EXPECT_TRUE(HlsToRgb(5.0f, 1.0f, 0.5f, r, g, b));  // magenta by its other name
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::uint8_t, 3>{255, 0, 255}));
}

}  // namespace
}  // namespace velkaro

namespace velkaro {
namespace {

// The fast readouts must be the literal ones on every colour.
TEST(FastReadouts, EqualTheLiteralFormsOnEveryColour) {
  int mismatches = 0;
  for (int c = 0; c <= kWhite && mismatches < 5; ++c) {
    const auto r = static_cast<std::uint8_t>(c & 0xFF), g = static_cast<std::uint8_t>(c >> 8 & 0xFF),
               b = static_cast<std::uint8_t>(c >> 16);
    if (RgbToHsvFast(r, g, b) != RgbToHsv(r, g, b) || RgbToHslFast(r, g, b) != RgbToHsl(r, g, b) ||
        RgbToCmykFast(r, g, b) != RgbToCmyk(r, g, b)) {
      ++mismatches;
      ADD_FAILURE() << "colour " << c;
    }
  }
}

}  // namespace
}  // namespace velkaro
