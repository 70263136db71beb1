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

// Finds the picture's pixels and copies them out, bottom row first. Returns 0, or the
// number of the step's error.
int Recolourer::LoadDib(Surface* hdc) {
  bound_ = false;
  if (hdc == nullptr) return kObjectNotSet;
  bitmap_ = hdc;
  pixelWidth_ = hdc->Width();
  pixelHeight_ = hdc->Height();
  if (pixelWidth_ <= 0 || pixelHeight_ <= 0) return kSubscriptOutOfRange;
  const std::int64_t bytes = std::int64_t{kBytesPerPixel} * pixelWidth_ * pixelHeight_;
  if (bytes > std::numeric_limits<std::int32_t>::max()) return kOverflow;
  bitmapHeader_ = {40, pixelWidth_, pixelHeight_, 1, 32, 0, static_cast<std::int32_t>(bytes)};

  const auto w = static_cast<std::size_t>(pixelWidth_);
  colours_.clear();
  rowIndices_.clear();
  rowOf_.assign(static_cast<std::size_t>(pixelHeight_), 0);
  std::unordered_map<std::uint32_t, std::uint32_t> index;
  const std::uint32_t* previous = nullptr;
  for (int y = 0; y < pixelHeight_; ++y) {
    const std::uint32_t* row = hdc->Row(pixelHeight_ - 1 - y);
    if (previous != nullptr && std::memcmp(row, previous, w * sizeof *row) == 0) {
      rowOf_[y] = rowOf_[y - 1];
      continue;
    }
    previous = row;
    rowOf_[y] = static_cast<std::uint32_t>(rowIndices_.size() / w);
    for (std::size_t x = 0; x < w; ++x) {
      const std::uint32_t p = row[x] & 0xFFFFFF;  // the reserved byte is not the picture's
      const auto [it, added] = index.try_emplace(p, static_cast<std::uint32_t>(colours_.size()));
      if (added) colours_.push_back(p);
      rowIndices_.push_back(it->second);
    }
  }
  recoloured_.assign(colours_.size(), 0);
  bound_ = true;
  return 0;
}

std::vector<std::uint8_t> Recolourer::Expand(const std::vector<std::uint32_t>& palette) const {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kBytesPerPixel) * pixelWidth_ * pixelHeight_);
  if (!bound_) return pixels;
  const auto w = static_cast<std::size_t>(pixelWidth_);
  for (std::size_t y = 0; y < rowOf_.size(); ++y)
    for (std::size_t x = 0; x < w; ++x)
      std::memcpy(&pixels[kBytesPerPixel * (x + w * y)], &palette[rowIndices_[rowOf_[y] * w + x]], kBytesPerPixel);
  return pixels;
}

bool Recolourer::ChangeHSL(float h, float s, float l) {
  if (!bound_) return false;
  bool ok = true;
  for (std::size_t k = 0; k < colours_.size(); ++k) {
    std::uint8_t in[kBytesPerPixel], out[kBytesPerPixel] = {};
    std::memcpy(in, &colours_[k], sizeof in);
    ok = RecolourPixel(in, out, h, s, l) && ok;
    std::memcpy(&recoloured_[k], out, sizeof out);  // the reserved byte stays 0
  }
  return ok;
}

void Recolourer::DibPaint(Surface*& hdcDest) {
  if (hdcDest == nullptr) hdcDest = HdcSrc();
  Surface* bitmap = bitmap_;
  if (!bound_ || bitmap == nullptr || bitmap->Width() != pixelWidth_ || bitmap->Height() != pixelHeight_) return;
  const auto w = static_cast<std::size_t>(pixelWidth_);
  for (int y = 0; y < pixelHeight_; ++y) {
    std::uint32_t* out = bitmap->Row(pixelHeight_ - 1 - y);
    if (y > 0 && rowOf_[y] == rowOf_[y - 1]) {
      std::memcpy(out, bitmap->Row(pixelHeight_ - y), w * sizeof *out);
      continue;
    }
    const std::uint32_t* index = &rowIndices_[rowOf_[y] * w];
    for (std::size_t x = 0; x < w; ++x) out[x] = recoloured_[index[x]];
  }
  bitmap->Touch();
}

}  // namespace velkaro
