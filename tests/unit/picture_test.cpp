#include <gtest/gtest.h>

#include "icon_file.h"
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

// The icon file as a reader sees it: a directory of the eight sizes, each entry where its
// offset says; 32-bit images with a mask below 256 px, PNG at 256 with sound checksums.
TEST(Pictures, TheIconFileHoldsEverySize) {
  std::vector<ArgbPicture> pictures;
  for (int size : kAppIconSizes) pictures.push_back(DrawAppIcon(size));
  const std::vector<std::uint8_t> ico = IconFile(pictures);
  auto u16 = [&](std::size_t at) { return static_cast<std::uint32_t>(ico[at] | ico[at + 1] << 8); };
  auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
  auto big32 = [](const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 | p[2] << 8 | p[3];
  };
  ASSERT_EQ(u16(2), 1u);
  ASSERT_EQ(u16(4), std::size(kAppIconSizes));
  std::size_t next = 6 + 16 * std::size(kAppIconSizes);
  for (std::size_t i = 0; i < std::size(kAppIconSizes); ++i) {
    const int size = kAppIconSizes[i];
    const std::size_t entry = 6 + 16 * i, bytes = u32(entry + 8), offset = u32(entry + 12);
    EXPECT_EQ(ico[entry], size == 256 ? 0 : size);
    EXPECT_EQ(u16(entry + 6), 32u);
    EXPECT_EQ(offset, next) << size;
    next = offset + bytes;
    const std::uint8_t* image = ico.data() + offset;
    if (size < 256) {
      EXPECT_EQ(u32(offset + 8), static_cast<std::uint32_t>(2 * size)) << size;  // the image and its mask
      EXPECT_EQ(bytes, 40u + size * size * 4 + (size + 31) / 32 * 4 * size) << size;
      // The top-left corner is transparent: its mask bit (last mask row, first bit) is set.
      EXPECT_NE(image[bytes - (size + 31) / 32 * 4] & 0x80, 0) << size;
      continue;
    }
    ASSERT_EQ(std::vector<std::uint8_t>(image, image + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    // Each chunk's CRC covers its type and data.
    for (std::size_t at = 8; at < bytes;) {
      const std::uint32_t length = big32(image + at);
      std::uint32_t crc = 0xFFFFFFFFu;
      for (std::size_t k = at + 4; k < at + 8 + length; ++k) {
        crc ^= image[k];
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
      }
      EXPECT_EQ(~crc, big32(image + at + 8 + length)) << "chunk at " << at;
      at += 12 + length;
    }
  }
  EXPECT_EQ(next, ico.size());
  EXPECT_EQ(IconFile(pictures), ico);  // the same bytes every build
}

}  // namespace
}  // namespace velkaro
