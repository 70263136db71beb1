#include "surface.h"

#include <algorithm>
#include <cmath>

namespace velkaro {

void Surface::Resize(int width, int height, ColorValue fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, ToPixel(fill));
  Touch();
}

namespace {
constexpr std::uint64_t kFillKey = 1ull << 40;
}

void Surface::Fill(ColorValue colour) {
  const std::uint64_t key = kFillKey | static_cast<std::uint32_t>(colour);
  if (Shows(key)) return;
  std::fill(pixels_.begin(), pixels_.end(), ToPixel(colour));
  Touch();
  Mark(key);
}

ColorValue Surface::Get(int x, int y) const {
  if (!Contains(x, y)) return kNoColor;
  return FromPixel(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void Surface::Set(int x, int y, ColorValue colour) {
  if (!Contains(x, y)) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = ToPixel(colour);
  Touch();
}

void Surface::VerticalLine(int x, int y0, int y1, ColorValue colour) {
  const std::uint32_t p = ToPixel(colour);
  const int top = std::max(std::min(y0, y1), 0), bottom = std::min(std::max(y0, y1), height_ - 1);
  for (int col = std::max(x - 1, 0); col <= std::min(x, width_ - 1); ++col)
    for (int y = top; y <= bottom; ++y) pixels_[static_cast<std::size_t>(y) * width_ + col] = p;
  Touch();
}

void Surface::CircleOutline(double cx, double cy, int radius, ColorValue colour) {
  const std::uint32_t p = ToPixel(colour);
  const int x0 = std::max(0, static_cast<int>(std::floor(cx - radius - 1)));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(cx + radius + 1)));
  const int y0 = std::max(0, static_cast<int>(std::floor(cy - radius - 1)));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(cy + radius + 1)));
  // |d - r| <= 1 compared on squares, which are exact for centres on half pixels.
  const double inner = radius >= 1 ? (radius - 1.0) * (radius - 1.0) : -1.0;
  const double outer = (radius + 1.0) * (radius + 1.0);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
      if (d2 >= inner && d2 <= outer) pixels_[static_cast<std::size_t>(y) * width_ + x] = p;
    }
  Touch();
}

void Surface::StretchFrom(const Surface& src, int sx, int sy, int sw, int sh, int dx, int dy,
                          int dw, int dh) {
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  const int x0 = std::max(dx, 0), x1 = std::min(dx + dw, width_);
  const int y0 = std::max(dy, 0), y1 = std::min(dy + dh, height_);
  std::vector<int> column(static_cast<std::size_t>(std::max(x1 - x0, 0)));
  for (int x = x0; x < x1; ++x)
    column[x - x0] = sx + static_cast<int>(static_cast<std::int64_t>(x - dx) * sw / dw);
  for (int y = y0; y < y1; ++y) {
    const int srcY = sy + static_cast<int>(static_cast<std::int64_t>(y - dy) * sh / dh);
    std::uint32_t* out = Row(y);
    if (srcY < 0 || srcY >= src.height_) continue;
    const std::uint32_t* in = src.Row(srcY);
    for (int x = x0; x < x1; ++x) {
      const int srcX = column[x - x0];
      if (srcX >= 0 && srcX < src.width_) out[x] = in[srcX];
    }
  }
  Touch();
}

}  // namespace velkaro
