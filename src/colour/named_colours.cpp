#include "named_colours.h"

#include <array>
#include <cctype>
#include <cmath>

namespace velkaro {

namespace {

struct HexEntry {
  std::string_view name;
  std::uint32_t rrggbb;
};
constexpr HexEntry kCssTable[] = {
#include "css_colours.inc"
};
constexpr std::size_t kCssCount = std::size(kCssTable);

constexpr ColorValue FromRrggbb(std::uint32_t hex) {
  return ComposeColor(hex >> 16 & 0xFF, hex >> 8 & 0xFF, hex & 0xFF);
}

const std::array<NamedColour, kCssCount>& Table() {
  static const std::array<NamedColour, kCssCount> table = [] {
    std::array<NamedColour, kCssCount> t{};
    for (std::size_t i = 0; i < kCssCount; ++i) t[i] = {kCssTable[i].name, FromRrggbb(kCssTable[i].rrggbb)};
    return t;
  }();
  return table;
}

const std::array<LabValues, kCssCount>& TableLab() {
  static const std::array<LabValues, kCssCount> lab = [] {
    std::array<LabValues, kCssCount> l{};
    for (std::size_t i = 0; i < kCssCount; ++i) l[i] = LabOf(Table()[i].colour);
    return l;
  }();
  return lab;
}

constexpr double kPi = 3.14159265358979323846;
double Radians(double degrees) { return degrees * kPi / 180; }
double Degrees(double radians) { return radians * 180 / kPi; }
double Pow7(double x) {
  const double x2 = x * x;
  return x2 * x2 * x2 * x;
}

}  // namespace

LabValues LabOf(ColorValue c) {
  const Rgb rgb = SplitChannels(c);
  return RgbToLabValues(rgb.r, rgb.g, rgb.b);
}

/* CIEDE2000 as Sharma, Wu and Dalal (2005) set it out: a' stretched by G, hue angles in
 * degrees 0..360 (0 where a' = b = 0), the mean hue taken the short way round, and the
 * weights SL, SC, SH and the rotation RT. */
double Ciede2000(const LabValues& x, const LabValues& y) {
  constexpr double k25To7 = 6103515625.0;  // 25^7
  const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
  const double cMean7 = Pow7((c1 + c2) / 2);
  const double g = 0.5 * (1 - std::sqrt(cMean7 / (cMean7 + k25To7)));
  const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
  const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
  auto hue = [](double b, double a) {
    if (a == 0 && b == 0) return 0.0;
    const double h = Degrees(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(x.b, a1), h2 = hue(y.b, a2);
  const double dL = y.l - x.l, dC = cp2 - cp1;
  const bool achromatic = cp1 * cp2 == 0;
  double dh = 0;
  if (!achromatic) {
    dh = h2 - h1;
    if (dh > 180)
      dh -= 360;
    else if (dh < -180)
      dh += 360;
  }
  const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(Radians(dh / 2));
  const double lMean = (x.l + y.l) / 2, cpMean = (cp1 + cp2) / 2;
  double hMean = h1 + h2;
  if (!achromatic) {
    if (std::abs(h1 - h2) <= 180)
      hMean /= 2;
    else
      hMean = hMean < 360 ? (hMean + 360) / 2 : (hMean - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos(Radians(hMean - 30)) + 0.24 * std::cos(Radians(2 * hMean)) +
                   0.32 * std::cos(Radians(3 * hMean + 6)) - 0.20 * std::cos(Radians(4 * hMean - 63));
  const double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
  const double cpMean7 = Pow7(cpMean);
  const double rC = 2 * std::sqrt(cpMean7 / (cpMean7 + k25To7));
  const double lOff2 = (lMean - 50) * (lMean - 50);
  const double sL = 1 + 0.015 * lOff2 / std::sqrt(20 + lOff2);
  const double sC = 1 + 0.045 * cpMean;
  const double sH = 1 + 0.015 * cpMean * t;
  const double rT = -std::sin(Radians(2 * dTheta)) * rC;
  const double l = dL / sL, c = dC / sC, h = dH / sH;
  return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

std::span<const NamedColour> CssColours() { return Table(); }

std::optional<ColorValue> CssColourNamed(std::string_view name) {
  for (const NamedColour& n : Table()) {
    if (n.name.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i)
      same = std::tolower(static_cast<unsigned char>(name[i])) == n.name[i];
    if (same) return n.colour;
  }
  return std::nullopt;
}

Nearest NearestCssColour(ColorValue c) {
  const auto& table = Table();
  for (const NamedColour& n : table)
    if (n.colour == c) return {&n, 0};
  const LabValues lab = LabOf(c);
  Nearest best{&table[0], Ciede2000(lab, TableLab()[0])};
  for (std::size_t i = 1; i < table.size(); ++i) {
    const double d = Ciede2000(lab, TableLab()[i]);
    if (d < best.difference) best = {&table[i], d};
  }
  return best;
}

}  // namespace velkaro
