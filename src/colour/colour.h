// Colour models: the packed colour value, the rounding rule, the hue-based and
// device-independent conversions, and the text notations the window shows.
// Pure functions, no platform code; every readout of the window comes from here.
#pragma once

#include <array>
#include <concepts>
#include <cmath>
#include <cstdint>
#include <limits>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#if defined(__x86_64__) && defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velkaro {

// 0x00BBGGRR, red in the low byte (the Windows COLORREF layout). -1 means "no colour".
using ColorValue = std::int32_t;
inline constexpr ColorValue kNoColor = -1;
inline constexpr ColorValue kWhite = 0xFFFFFF;
inline constexpr ColorValue kBlack = 0;

struct Rgb {
  std::int32_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// ---- Value and rounding --------------------------------------------------------------

// A channel above 255 counts as 255; callers never pass negative channels.
constexpr ColorValue ComposeColor(std::int32_t r, std::int32_t g, std::int32_t b) {
  auto cap = [](std::int32_t c) { return c > 255 ? 255 : c; };
  return cap(r) + 256 * cap(g) + 65536 * cap(b);
}

// Masks the channels, so bits 24-31 are ignored: equals col ^ 0xFFFFFF for real colours.
constexpr ColorValue InvertColor(ColorValue col) {
  return ComposeColor(255 - (col & 0xFF), 255 - ((col >> 8) & 0xFF), 255 - ((col >> 16) & 0xFF));
}

// The arithmetic split: R = col mod 256, B = col div 65536, G = (col - 65536 B - R) div 256.
constexpr Rgb SplitChannels(ColorValue col) {
  const std::int32_t r = col % 256;
  const std::int32_t b = col / 65536;
  return {r, (col - 65536 * b - r) / 256, b};
}

// Nearest integer with ties to the even neighbour (0.5 -> 0, 1.5 -> 2, -0.5 -> 0), spelled
// out so that it does not depend on the floating-point environment. |x| below 2^62.
inline std::int64_t RoundTiesToEvenPortable(double x) {
  auto whole = static_cast<std::int64_t>(x);    // truncates
  if (static_cast<double>(whole) > x) --whole;  // now floor(x)
  const double frac = x - static_cast<double>(whole);
  if (frac > 0.5 || (frac == 0.5 && (whole & 1) != 0)) ++whole;
  return whole;
}

// The same, in one instruction where there is one: the SSE conversion rounds to nearest,
// ties to even, in the default mode, which nothing in this program changes. Every readout
// rounds several times per pointer move, and the branches of the portable form cost more
// than the arithmetic around them.
inline std::int64_t RoundTiesToEven(double x) {
#if defined(__x86_64__) && defined(__SSE2__)
  return _mm_cvtsd_si64(_mm_set_sd(x));
#else
  return RoundTiesToEvenPortable(x);
#endif
}

// The same rounding into Int. A result outside Int (or NaN) is an overflow: the caller
// gets no value, never undefined behaviour.
template <std::integral Int>
  requires(sizeof(Int) <= 4)
inline std::optional<Int> RoundHalfEven(double x) {
  constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min()) - 1;
  constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max()) + 1;
  if (!(x > lo && x < hi)) return std::nullopt;  // NaN fails too
  const std::int64_t whole = RoundTiesToEven(x);
  if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
    return std::nullopt;
  return static_cast<Int>(whole);
}

// The byte conversion: 0-255 only.
inline std::optional<std::uint8_t> RoundHalfEvenByte(double x) {
  return RoundHalfEven<std::uint8_t>(x);
}

// ---- HSV, HSL, HLS --------------------------------------------------------------------

struct HsvColor {
  std::int16_t h = 0, s = 0, v = 0;  // degrees 0-360 (rounding can give 360), percent, percent
  friend bool operator==(const HsvColor&, const HsvColor&) = default;
};
struct HslColor {
  std::int16_t h = 0, s = 0, l = 0;  // degrees 0-360, percent, percent
  friend bool operator==(const HslColor&, const HslColor&) = default;
};

float MaxOf(float a, float b);
float MinOf(float a, float b);
float Max3(float r, float g, float b);
float Min3(float r, float g, float b);

HsvColor RgbToHsv(std::int16_t R, std::int16_t G, std::int16_t B);
HslColor RgbToHsl(std::int32_t R, std::int32_t G, std::int32_t B);

// The same results for 8-bit channels, faster (tables for the divisions by 255).
HsvColor RgbToHsvFast(std::uint8_t R, std::uint8_t G, std::uint8_t B);
HslColor RgbToHslFast(std::uint8_t R, std::uint8_t G, std::uint8_t B);

// The floating pair used by the image recolouring. H is in sextants, -1..5
// (magenta is -1, not 5); S and L are fractions 0..1.
void RgbToHls(std::uint8_t R, std::uint8_t G, std::uint8_t B, float& H, float& S, float& L);
// False (outputs untouched) when a channel would round outside 0-255, which only
// happens for H outside -1..5 or S, L outside 0..1.
bool HlsToRgb(float H, float S, float L, std::uint8_t& R, std::uint8_t& G, std::uint8_t& B);

// ---- CMYK and Lab ---------------------------------------------------------------------

struct CmykColor {
  std::int16_t c = 0, m = 0, y = 0, k = 0;  // percent
  friend bool operator==(const CmykColor&, const CmykColor&) = default;
};
struct LabColor {
  std::int16_t l = 0, a = 0, b = 0;
  friend bool operator==(const LabColor&, const LabColor&) = default;
};

// Whole-number channels 0-255 held in floats.
CmykColor RgbToCmyk(float R, float G, float B);

CmykColor RgbToCmykFast(std::uint8_t R, std::uint8_t G, std::uint8_t B);

// The literal conversion (sRGB, D65, the seven-digit matrix, 0.008856 and 7.787).
// Channels 0-255 as read from the channel boxes; this is the reference form.
LabColor RgbToLab(double R, double G, double B);
// The same before rounding, for colour differences.
struct LabValues {
  double l = 0, a = 0, b = 0;
};
LabValues RgbToLabValues(double R, double G, double B);
// The sRGB transfer function: a channel 0-255 as linear light 0..1.
double SrgbToLinear(double channel);
// And back: linear light clamped to 0..1, encoded, as a channel 0-255 rounded half to even.
std::int32_t LinearToSrgbChannel(double linear);

// WCAG 2.x: relative luminance 0.2126 R + 0.7152 G + 0.0722 B of the linearised
// channels, and the ratio (lighter + 0.05) / (darker + 0.05), 1 to 21.
double RelativeLuminance(ColorValue c);
double ContrastRatio(ColorValue a, ColorValue b);
// Text on `back`: the inverse colour where it stands out from it (2:1 or more), otherwise
// black or white, whichever stands out more.
ColorValue ReadableOn(ColorValue back);

// The same results for 8-bit channels, computed fast: exact, because every case whose
// rounding the fast arithmetic cannot decide is handed to RgbToLab.
LabColor RgbToLabFast(std::uint8_t R, std::uint8_t G, std::uint8_t B);

// Converts n colours at once (vectorised where the processor allows it).
void RgbToLabFastBatch(const ColorValue* colours, LabColor* out, std::size_t n);

// ---- Text notations -------------------------------------------------------------------

std::string HexText(ColorValue col);      // upper-case, no leading zeros: 80FF, 0
std::string DecimalText(std::int64_t v);  // signed, no padding
std::string ColorToHtmlHex(ColorValue col);  // RRGGBB
std::string ColorToRgbText(ColorValue col);  // "r,g,b"

ColorValue RgbFromBytes(const std::array<std::uint8_t, 3>& rgb);

inline constexpr int kNotationRows = 7;
inline constexpr int kChannelsRow = 5, kHexRow = 6;  // "r,g,b" and the bare hexadecimal
// Row labels of the notation frame, by row index.
inline constexpr std::array<std::string_view, kNotationRows> kNotationLabels = {
    "VB:", "Html、PS:", "Delphi:", "BASIC:", "其他:", "R,G,B:", "Hex:"};
// On-screen order: first line 0, 2, 3, 6; second line 1, 4, 5.
inline constexpr std::array<int, kNotationRows> kNotationDisplayOrder = {0, 2, 3, 6, 1, 4, 5};

// A notation text kept inline (no allocation): the rows are rebuilt on every pointer move.
class ShortText {
 public:
  static constexpr std::size_t kCapacity = 23;
  std::string_view view() const { return {chars_, size_}; }
  std::string str() const { return std::string(view()); }
  char* data() { return chars_; }
  void resize(std::size_t n) { size_ = static_cast<std::uint8_t>(n < kCapacity ? n : kCapacity); }
  friend bool operator==(const ShortText& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }
  friend std::ostream& operator<<(std::ostream& os, const ShortText& t);

 private:
  char chars_[kCapacity];
  std::uint8_t size_ = 0;
};

using NotationRows = std::array<ShortText, kNotationRows>;

// The seven rows for a colour. Row 5 is the channels joined with ",", which is what the
// channel boxes hold for any colour set through them.
NotationRows NotationTexts(ColorValue col);
// CSS's forms of the window's numbers: "rgb(144, 196, 31)" and, from the HLS readout,
// "hsl(79, 73%, 45%)".
std::string CssRgbText(ColorValue col);
std::string CssHslText(ColorValue col);
// The inverse colour's channels, as the text under the gradient strip shows them.
ShortText InverseText(ColorValue col);

// Everything the window reads out for one colour.
struct Readouts {
  HsvColor hsv;
  HslColor hsl;
  CmykColor cmyk;
  LabColor lab;
  NotationRows notations;
  ShortText inverse;  // ColorToRgbText of the inverse colour
};
Readouts ComputeReadouts(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace velkaro
