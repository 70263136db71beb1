// Colour models: the packed colour value, the rounding rule, the hue-based and
// device-independent conversions, and the text notations the window shows.
// Pure functions, no platform code; every readout of the window comes from here.
#pragma once

#include <array>
#include <concepts>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

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

// Nearest integer with ties to the even neighbour (0.5 -> 0, 1.5 -> 2, -0.5 -> 0).
// A result outside Int (or NaN) is an overflow: the caller gets no value, never UB.
template <std::integral Int>
inline std::optional<Int> RoundHalfEven(double x) {
  if (std::isnan(x)) return std::nullopt;
  double whole = std::floor(x);
  const double frac = x - whole;  // exact: x and floor(x) share an exponent range
  if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole < static_cast<double>(std::numeric_limits<Int>::min()) ||
      whole > static_cast<double>(std::numeric_limits<Int>::max()))
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

// The literal conversion (sRGB, D65, the seven-digit matrix, 0.008856 and 7.787).
// Channels 0-255 as read from the channel boxes; this is the reference form.
LabColor RgbToLab(double R, double G, double B);

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
// Row labels of the notation frame, by row index.
inline constexpr std::array<std::string_view, kNotationRows> kNotationLabels = {
    "VB:", "Html、PS:", "Delphi:", "BASIC:", "其他:", "R,G,B:", "Hex:"};
// On-screen order: first line 0, 2, 3, 6; second line 1, 4, 5.
inline constexpr std::array<int, kNotationRows> kNotationDisplayOrder = {0, 2, 3, 6, 1, 4, 5};

// The seven rows for a colour. Row 5 joins the channel texts as they stand in the boxes.
std::array<std::string, kNotationRows> NotationTexts(ColorValue col, std::string_view r,
                                                     std::string_view g, std::string_view b);
std::array<std::string, kNotationRows> NotationTexts(ColorValue col);

// Everything the window reads out for one colour.
struct Readouts {
  HsvColor hsv;
  HslColor hsl;
  CmykColor cmyk;
  LabColor lab;
  std::array<std::string, kNotationRows> notations;
  std::string inverse;  // ColorToRgbText of the inverse colour
};
Readouts ComputeReadouts(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace velkaro
