#include "cls_rgb.h"

#include <cstring>
#include <limits>
#include <unordered_map>

#include "colour.h"

namespace velkaro {

namespace {
constexpr int kBytesPerPixel = 4;
constexpr int kBlue = 0, kGreen = 1, kRed = 2;
constexpr int kSubscriptOutOfRange = 9, kOverflow = 6, kObjectNotSet = 91;

std::uint32_t PixelAt(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
}  // namespace

/* H += h, wrapped once: below -1 add 6, above 5 take 6 (-1 and 5 stay). S += s and
 * L += l, each kept in 0..1. All 32-bit float steps. */
bool RecolourPixel(const std::uint8_t* bgra, std::uint8_t* out, float h, float s, float l) {
  float H, S, L;
  RgbToHls(bgra[kRed], bgra[kGreen], bgra[kBlue], H, S, L);
  H = H + h;
  if (H < -1)
    H = H + 6;
  else if (H > 5)
    H = H - 6;
  S = S + s;
  if (S < 0)
    S = 0;
  else if (S > 1)
    S = 1;
  L = L + l;
  if (L < 0)
    L = 0;
  else if (L > 1)
    L = 1;
  return HlsToRgb(H, S, L, out[kRed], out[kGreen], out[kBlue]);
}

bool ChangeHslLiteral(const std::vector<std::uint8_t>& source, std::vector<std::uint8_t>& result, int w, int h,
                      float hue, float saturation, float lightness) {
  bool ok = true;
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      const std::size_t at = kBytesPerPixel * (static_cast<std::size_t>(x) + static_cast<std::size_t>(w) * y);
      ok = RecolourPixel(&source[at], &result[at], hue, saturation, lightness) && ok;
    }
  return ok;
}

// Finds the picture's pixels, sizes the arrays and copies the pixels out bottom-up.
// Returns 0, or the number of the step's error.
int clsRGB::LoadDib(Surface* hdc) {
  bound_ = false;
  if (hdc == nullptr) return kObjectNotSet;
  BitmapHandle_ = hdc;
  PixelWidth_ = hdc->Width();
  PixelHeight_ = hdc->Height();
  if (PixelWidth_ <= 0 || PixelHeight_ <= 0) return kSubscriptOutOfRange;
  const std::int64_t bytes = std::int64_t{kBytesPerPixel} * PixelWidth_ * PixelHeight_;
  if (bytes > std::numeric_limits<std::int32_t>::max()) return kOverflow;
  SourcePixels_.assign(static_cast<std::size_t>(bytes), 0);
  ResultPixels_.assign(static_cast<std::size_t>(bytes), 0);
  BitmapHeader_ = {40, PixelWidth_, PixelHeight_, 1, 32, 0, static_cast<std::int32_t>(bytes)};
  const std::size_t rowBytes = static_cast<std::size_t>(kBytesPerPixel) * PixelWidth_;
  for (int y = 0; y < PixelHeight_; ++y)
    std::memcpy(&SourcePixels_[rowBytes * y], hdc->Row(PixelHeight_ - 1 - y), rowBytes);

  // The distinct colours and each pixel's index among them.
  const std::size_t pixels = static_cast<std::size_t>(PixelWidth_) * PixelHeight_;
  colours_.clear();
  colourOf_.assign(pixels, 0);
  std::unordered_map<std::uint32_t, std::uint32_t> index;
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::uint32_t p = PixelAt(&SourcePixels_[kBytesPerPixel * i]);
    const auto [it, added] = index.try_emplace(p, static_cast<std::uint32_t>(colours_.size()));
    if (added) colours_.push_back(p);
    colourOf_[i] = it->second;
  }
  recoloured_.assign(colours_.size(), 0);
  repeatsRowBelow_.assign(static_cast<std::size_t>(PixelHeight_), false);
  for (int y = 1; y < PixelHeight_; ++y)
    repeatsRowBelow_[y] = std::memcmp(&SourcePixels_[rowBytes * y], &SourcePixels_[rowBytes * (y - 1)], rowBytes) == 0;
  bound_ = true;
  return 0;
}

bool clsRGB::ChangeHSL(float h, float s, float l) {
  if (!bound_) return false;
  bool ok = true;
  for (std::size_t k = 0; k < colours_.size(); ++k) {
    std::uint8_t in[kBytesPerPixel], out[kBytesPerPixel] = {};
    std::memcpy(in, &colours_[k], sizeof in);
    ok = RecolourPixel(in, out, h, s, l) && ok;
    recoloured_[k] = PixelAt(out);  // the reserved byte stays 0
  }
  const std::size_t w = static_cast<std::size_t>(PixelWidth_), rowBytes = kBytesPerPixel * w;
  for (int y = 0; y < PixelHeight_; ++y) {
    std::uint8_t* row = &ResultPixels_[rowBytes * y];
    if (repeatsRowBelow_[y]) {
      std::memcpy(row, row - rowBytes, rowBytes);
      continue;
    }
    const std::uint32_t* index = &colourOf_[w * y];
    for (std::size_t x = 0; x < w; ++x) std::memcpy(row + kBytesPerPixel * x, &recoloured_[index[x]], kBytesPerPixel);
  }
  return ok;
}

void clsRGB::DibPaint(Surface*& hdcDest) {
  if (hdcDest == nullptr) hdcDest = HdcSrc();
  Surface* bitmap = BitmapHandle_;
  if (!bound_ || bitmap == nullptr || bitmap->Width() != PixelWidth_ || bitmap->Height() != PixelHeight_) return;
  const std::size_t rowBytes = static_cast<std::size_t>(kBytesPerPixel) * PixelWidth_;
  for (int y = 0; y < PixelHeight_; ++y)
    std::memcpy(bitmap->Row(PixelHeight_ - 1 - y), &ResultPixels_[rowBytes * y], rowBytes);
  bitmap->Touch();
}

}  // namespace velkaro
