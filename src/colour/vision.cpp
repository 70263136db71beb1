#include "vision.h"


namespace velkaro {

namespace {

using Matrix = double[3][3];

// The model's matrices for severity 1, applied to linear R, G, B.
constexpr Matrix kProtanopia = {{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}};
constexpr Matrix kDeuteranopia = {{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}};
constexpr Matrix kTritanopia = {{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}};

}  // namespace

std::optional<Deficiency> DeficiencyNamed(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kDeficiencyNames); ++i)
    if (name == kDeficiencyNames[i]) return static_cast<Deficiency>(i);
  return std::nullopt;
}

ColorValue SimulateDeficiency(Deficiency kind, ColorValue c) {
  const Rgb rgb = SplitChannels(c);
  const double in[3] = {SrgbToLinear(rgb.r), SrgbToLinear(rgb.g), SrgbToLinear(rgb.b)};
  if (kind == Deficiency::Achromatopsia) {
    const std::int32_t grey = LinearToSrgbChannel(0.2126 * in[0] + 0.7152 * in[1] + 0.0722 * in[2]);
    return ComposeColor(grey, grey, grey);
  }
  const Matrix& m = kind == Deficiency::Protanopia ? kProtanopia : kind == Deficiency::Deuteranopia ? kDeuteranopia : kTritanopia;
  std::int32_t out[3];
  for (int row = 0; row < 3; ++row) out[row] = LinearToSrgbChannel(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
  return ComposeColor(out[0], out[1], out[2]);
}

}  // namespace velkaro
