// Recolouring of a picture by hue, saturation and lightness shifts. Binding copies the
// picture's pixels once; every recolouring starts again from that copy, so shifts are
// absolute: 60 degrees and then 120 gives the picture turned by 120, not 180.
#pragma once

#include <cstdint>
#include <vector>

#include "surface.h"

namespace velkaro {

// One pixel (blue, green, red, reserved) recoloured: through RgbToHls, the shifts added
// with the hue wrapped once into -1..5 and the rest kept in 0..1, and back through
// HlsToRgb. False when HlsToRgb cannot give bytes (shifts beyond -6..6 or -1..1).
bool RecolourPixel(const std::uint8_t* bgra, std::uint8_t* out, float h, float s, float l);

// The plain form over a whole array of w x h pixels, x outer and y inner: the yardstick
// that the cached form below must match pixel for pixel.
bool ChangeHslLiteral(const std::vector<std::uint8_t>& source, std::vector<std::uint8_t>& result, int w, int h,
                      float hue, float saturation, float lightness);

// The header that describes both pixel arrays: 32 bits per pixel, rows bottom-up.
struct DibHeader {
  std::int32_t biSize = 0, biWidth = 0, biHeight = 0;
  std::int16_t biPlanes = 0, biBitCount = 0;
  std::int32_t biCompression = 0, biSizeImage = 0;
};

class Recolourer {
 public:
  // Binds to a picture: its pixels become the source of every later recolouring. A
  // binding that fails (no picture, no pixels) is swallowed and leaves nothing to
  // recolour.
  void HdcSrc(Surface* hdc) {
    source_ = hdc;
    LoadDib(hdc);
  }
  Surface* HdcSrc() const { return source_; }
  // Recomputes the result from the source; h in sextants (1 = 60 degrees), s and l as
  // fractions. False when a pixel could not be converted.
  bool ChangeHSL(float h, float s, float l);
  // Writes the result into the bound picture (not into hdcDest, which only names the
  // context). A null hdcDest becomes the bound one.
  void DibPaint(Surface*& hdcDest);

  int PixelWidth() const { return pixelWidth_; }
  int PixelHeight() const { return pixelHeight_; }
  const DibHeader& BitmapHeader() const { return bitmapHeader_; }
  // The pixels read at binding and the last result, as arrays: the byte of (channel, x, y)
  // at 4 x (x + PixelWidth x y) + channel; channel 0 blue, 1 green, 2 red, 3 reserved
  // (0 in the result); y = 0 the bottom row.
  std::vector<std::uint8_t> SourcePixels() const { return Expand(colours_); }
  std::vector<std::uint8_t> ResultPixels() const { return Expand(recoloured_); }
  std::size_t DistinctColours() const { return colours_.size(); }

 private:
  int LoadDib(Surface* hdc);
  // The picture as an array, each pixel's colour taken from `palette` by its index.
  std::vector<std::uint8_t> Expand(const std::vector<std::uint32_t>& palette) const;

  Surface* source_ = nullptr;
  Surface* bitmap_ = nullptr;
  std::int32_t pixelWidth_ = 0, pixelHeight_ = 0;
  DibHeader bitmapHeader_;
  bool bound_ = false;

  // A recolouring treats each pixel by itself, so it is computed once per distinct colour
  // (the strips hold a few hundred among tens of thousands of pixels) and spread by
  // index. The pixels are kept that way too: the distinct colours, each distinct row as
  // indices, and for each row which distinct row it is (the strips repeat one row), so
  // that binding a large strip costs kilobytes, not a copy of it twice over.
  std::vector<std::uint32_t> colours_;     // distinct source colours, as pixels
  std::vector<std::uint32_t> recoloured_;  // the same, recoloured by the last shifts
  std::vector<std::uint32_t> rowIndices_;  // distinct rows, PixelWidth indices each
  std::vector<std::uint32_t> rowOf_;       // per row y (bottom-up), its distinct row
};

}  // namespace velkaro
