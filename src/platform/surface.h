// A picture box's persistent drawing: 32-bit pixels in the DIB order 0x00RRGGBB, top row
// first, so that the Windows view can show it without converting.
#pragma once

#include <cstdint>
#include <vector>

#include "colour.h"

namespace velkaro {

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, ColorValue fill = kBlack) { Resize(width, height, fill); }

  void Resize(int width, int height, ColorValue fill = kBlack);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  void Fill(ColorValue colour);  // skipped when the surface is known to be that colour
  // The colour at (x, y), or kNoColor outside the surface.
  ColorValue Get(int x, int y) const;
  void Set(int x, int y, ColorValue colour);
  // A vertical line of pen width 2 at x covers columns x - 1 and x, rows y0..y1, clipped.
  void VerticalLine(int x, int y0, int y1, ColorValue colour);
  // A circle outline of pen width 2: every pixel whose distance from the centre lies
  // within 1 of the radius.
  void CircleOutline(double cx, double cy, int radius, ColorValue colour);

  // Nearest-neighbour stretch of src's block (sx, sy, sw, sh) onto (dx, dy, dw, dh), clipped
  // to this surface: the mapping of a plain StretchBlt.
  void StretchFrom(const Surface& src, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);

  const std::uint32_t* Pixels() const { return pixels_.data(); }
  const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  // Counts changes, so a view repaints only what was drawn on.
  std::uint64_t Revision() const { return revision_; }
  void Touch() { ++revision_; }
  // A drawing that depends only on its inputs can name them with a key: while nothing
  // else has drawn since, drawing it again would change no pixel and can be skipped.
  // The refreshes draw the same strips several times per pointer move.
  bool Shows(std::uint64_t key) const { return key == key_ && revision_ == keyRevision_; }
  void Mark(std::uint64_t key) {
    key_ = key;
    keyRevision_ = revision_;
  }

  static std::uint32_t ToPixel(ColorValue c) {
    return static_cast<std::uint32_t>((c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF));
  }
  static ColorValue FromPixel(std::uint32_t p) {
    return static_cast<ColorValue>((p >> 16 & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16);
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;
  std::uint64_t revision_ = 0;
  std::uint64_t key_ = 0, keyRevision_ = ~std::uint64_t{0};
};

}  // namespace velkaro
