#include <gtest/gtest.h>

#include "pictures.h"

namespace velkaro {
namespace {

std::uint32_t Alpha(std::uint32_t argb) { return argb >> 24; }
std::uint32_t Grey(std::uint32_t argb) { return argb & 0xFF; }

// The hot spot is the crossing of the cross hair: the arms meet on its row and column,
// and the pixel itself is left clear so the picked pixel shows through.
TEST(Pictures, PointerHotSpotIsTheCentreOfTheCrossHair) {
  for (int size : {32, 48}) {
    for (bool light : {true, false}) {
      const ArgbPicture p = DrawCrossHairPointer(size, light);
      ASSERT_EQ(p.width, size);
      EXPECT_EQ(p.hotX, size / 2);
      EXPECT_EQ(p.hotY, size / 2);
      EXPECT_EQ(Alpha(p.At(p.hotX, p.hotY)), 0u) << size;
      const std::uint32_t ink = light ? 255 : 0;
      for (auto [x, y] : {std::pair{2, p.hotY}, {size - 3, p.hotY}, {p.hotX, 2}, {p.hotX, size - 3}}) {
        EXPECT_EQ(Alpha(p.At(x, y)), 255u) << size << " at " << x << "," << y;
        EXPECT_EQ(Grey(p.At(x, y)), ink) << size << " at " << x << "," << y;
      }
      EXPECT_EQ(Alpha(p.At(0, 0)), 0u);  // transparent corners
    }
  }
}

TEST(Pictures, TargetIsAWhiteDiscOnATransparentSquare) {
  const ArgbPicture t = DrawTargetIcon(32);
  EXPECT_EQ(Alpha(t.At(0, 0)), 0u);
  EXPECT_EQ(t.At(16 + 5, 16 + 2) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Alpha(t.At(16, 2)), 255u);
}

}  // namespace
}  // namespace velkaro
