#include <gtest/gtest.h>

#include "colour.h"

namespace velkaro {
namespace {

struct NotationCase {
  int r, g, b;
  std::array<const char*, kNotationRows> rows;
};

TEST(Notations, RowTextsByIndex) {
  const NotationCase cases[] = {
      {144, 196, 31,
       {"&H1FC490&", "#90C41F", "#90C41F", "2081936", "#c90C41F", "144,196,31", "1FC490"}},
      {255, 128, 0, {"&H80FF&", "#FF8000", "#FF8000", "33023", "#cFF8000", "255,128,0", "80FF"}},
      {0, 0, 0, {"&H0&", "#000000", "#000000", "0", "#c000000", "0,0,0", "0"}},
      {1, 2, 3, {"&H30201&", "#010203", "#010203", "197121", "#c010203", "1,2,3", "30201"}},
      {0, 0, 255,
       {"&HFF0000&", "#0000FF", "#0000FF", "16711680", "#c0000FF", "0,0,255", "FF0000"}},
  };
  for (const NotationCase& c : cases) {
    const auto rows = NotationTexts(ComposeColor(c.r, c.g, c.b));
    for (int i = 0; i < kNotationRows; ++i) EXPECT_EQ(rows[i], c.rows[i]) << "row " << i;
  }
}

TEST(Notations, HelpersAtTheEnds) {
  EXPECT_EQ(ColorToHtmlHex(0), "000000");
  EXPECT_EQ(ColorToHtmlHex(kWhite), "FFFFFF");
  EXPECT_EQ(ColorToRgbText(InvertColor(ComposeColor(144, 196, 31))), "111,59,224");
  EXPECT_EQ(HexText(kWhite), "FFFFFF");
  EXPECT_EQ(DecimalText(-39), "-39");
  EXPECT_EQ(RgbFromBytes({144, 196, 31}), 2081936);
}

TEST(Notations, ReadoutsOfTheStartUpColour) {
  const Readouts o = ComputeReadouts(144, 196, 31);
  EXPECT_EQ(o.hsv, (HsvColor{79, 84, 77}));
  EXPECT_EQ(o.hsl, (HslColor{79, 73, 45}));
  EXPECT_EQ(o.cmyk, (CmykColor{20, 0, 65, 23}));
  EXPECT_EQ(o.lab, (LabColor{73, -39, 69}));
  EXPECT_EQ(o.notations[1], "#90C41F");
  EXPECT_EQ(o.inverse, "111,59,224");
  EXPECT_EQ(InverseText(ComposeColor(1, 2, 3)), "254,253,252");
}

}  // namespace
}  // namespace velkaro
