#include <gtest/gtest.h>

#include <vector>

#include "colour.h"

namespace velkaro {
namespace {

struct InkCase {
  int r, g, b;
  CmykColor cmyk;
  LabColor lab;
};

const InkCase kInkCases[] = {
    {0, 0, 0, {0, 0, 0, 100}, {0, 0, 0}},
    {255, 255, 255, {0, 0, 0, 0}, {100, 0, 0}},
    {128, 128, 128, {0, 0, 0, 50}, {54, 0, 0}},
    {255, 0, 0, {0, 100, 100, 0}, {53, 80, 67}},
    {0, 255, 0, {100, 0, 100, 0}, {88, -86, 83}},
    {0, 0, 255, {100, 100, 0, 0}, {32, 79, -108}},
    {255, 255, 0, {0, 0, 100, 0}, {97, -22, 94}},
    {144, 196, 31, {20, 0, 65, 23}, {73, -39, 69}},
    {200, 100, 50, {0, 39, 59, 22}, {54, 36, 45}},
    {1, 2, 3, {1, 0, 0, 99}, {1, 0, 0}},
};

TEST(CmykLab, ReadoutTable) {
  for (const InkCase& c : kInkCases) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
    EXPECT_EQ(RgbToCmyk(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)),
              c.cmyk);
    EXPECT_EQ(RgbToLab(c.r, c.g, c.b), c.lab);
    EXPECT_EQ(RgbToLabFast(static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                           static_cast<std::uint8_t>(c.b)),
              c.lab);
  }
}

TEST(CmykLab, GreysHaveNoColouredInk) {
  for (int v = 0; v < 256; ++v) {
    const CmykColor k = RgbToCmyk(static_cast<float>(v), static_cast<float>(v), static_cast<float>(v));
    ASSERT_EQ(k.c + k.m + k.y, 0) << v;
  }
}

std::vector<ColorValue> AllColours() {
  std::vector<ColorValue> all(kWhite + 1);
  for (ColorValue c = 0; c <= kWhite; ++c) all[c] = c;
  return all;
}

// The fast Lab is only worth having if it is the literal conversion, bit for bit.
TEST(CmykLab, FastLabEqualsTheLiteralFormOnEveryColour) {
  const std::vector<ColorValue> all = AllColours();
  std::vector<LabColor> batch(all.size());
  RgbToLabFastBatch(all.data(), batch.data(), all.size());
  int mismatches = 0;
  for (ColorValue c = 0; c <= kWhite && mismatches < 5; ++c) {
    const Rgb ch = SplitChannels(c);
    const LabColor literal = RgbToLab(ch.r, ch.g, ch.b);
    const LabColor fast = RgbToLabFast(static_cast<std::uint8_t>(ch.r),
                                       static_cast<std::uint8_t>(ch.g),
                                       static_cast<std::uint8_t>(ch.b));
    if (fast != literal || batch[c] != literal) {
      ++mismatches;
      ADD_FAILURE() << "colour " << c << ": literal " << literal.l << "/" << literal.a << "/"
                    << literal.b << ", fast " << fast.l << "/" << fast.a << "/" << fast.b
                    << ", batch " << batch[c].l << "/" << batch[c].a << "/" << batch[c].b;
    }
  }
}

TEST(CmykLab, BatchHandlesLengthsThatAreNotAMultipleOfFour) {
  const ColorValue colours[] = {0x1FC490, 0xFFFFFF, 0, 0x326496, 0xFF, 0x30201, 0xFF0000};
  LabColor out[7];
  RgbToLabFastBatch(colours, out, 7);
  for (int i = 0; i < 7; ++i) {
    const Rgb c = SplitChannels(colours[i]);
    EXPECT_EQ(out[i], RgbToLab(c.r, c.g, c.b)) << i;
  }
}

// A digest of every literal Lab result, fixed here from a native build: the Windows build
// must reproduce it, which proves that its pow and rounding match the native ones.
TEST(CmykLab, LiteralLabDigestIsTheSameOnEveryBuild) {
  std::uint64_t digest = 1469598103934665603ull;
  for (ColorValue c = 0; c <= kWhite; ++c) {
    const Rgb ch = SplitChannels(c);
    const LabColor lab = RgbToLab(ch.r, ch.g, ch.b);
    for (std::int16_t v : {lab.l, lab.a, lab.b}) {
      digest ^= static_cast<std::uint16_t>(v);
      digest *= 1099511628211ull;
    }
  }
  EXPECT_EQ(digest, 9456445654049708401ull);
}

}  // namespace
}  // namespace velkaro
