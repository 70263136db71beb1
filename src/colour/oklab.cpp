#include "oklab.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "notation_reading.h"

namespace velkaro {

namespace {

constexpr double kPercentOfChroma = 0.4 / 100;  // CSS: 100% of a, b or C is 0.4
constexpr double kLargest = 1e6;                 // beyond any colour; keeps the cubes finite

double Degrees(double h) {
  h = std::fmod(h, 360);
  return h < 0 ? h + 360 : h;
}

// Fixed decimals, never "-0.00".
std::string Fixed(double v, int decimals) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string s = buf;
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// One component: its number and unit ("", "%", or an angle's), or "none".
struct Component {
  bool none = false;
  double value = 0;
  std::string unit;
};

std::optional<Component> ReadComponent(std::string_view token, std::string& why) {
  Component c;
  if (Lower(token) == "none") {
    c.none = true;
    return c;
  }
  const char* first = token.data();
  if (token.size() > 1 && token[0] == '+' && token[1] != '-') ++first;  // CSS allows a plus sign
  const char* last = token.data() + token.size();
  const auto [end, ec] = std::from_chars(first, last, c.value);
  if (ec != std::errc{} || !std::isfinite(c.value) || std::fabs(c.value) > kLargest) {
    why = QuotedForTerminal(token) + " is not a number";
    return std::nullopt;
  }
  c.unit = Lower(std::string_view(end, static_cast<std::size_t>(last - end)));
  return c;
}

}  // namespace

OkLab OkLabOf(ColorValue colour) {
  const Rgb rgb = SplitChannels(colour);
  const double r = SrgbToLinear(rgb.r), g = SrgbToLinear(rgb.g), b = SrgbToLinear(rgb.b);
  const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
  const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
  const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
  return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
          1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
          0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

OkLch OkLchOf(ColorValue colour) {
  const OkLab lab = OkLabOf(colour);
  return {lab.l, std::hypot(lab.a, lab.b), Degrees(std::atan2(lab.b, lab.a) * 180 / std::numbers::pi)};
}

ColorValue FromOkLab(const OkLab& lab) {
  const double l = std::pow(lab.l + 0.3963377774 * lab.a + 0.2158037573 * lab.b, 3);
  const double m = std::pow(lab.l - 0.1055613458 * lab.a - 0.0638541728 * lab.b, 3);
  const double s = std::pow(lab.l - 0.0894841775 * lab.a - 1.2914855480 * lab.b, 3);
  return ComposeColor(LinearToSrgbChannel(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
                      LinearToSrgbChannel(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
                      LinearToSrgbChannel(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s));
}

ColorValue FromOkLch(const OkLch& lch) {
  const double h = lch.h * std::numbers::pi / 180;
  return FromOkLab({lch.l, lch.c * std::cos(h), lch.c * std::sin(h)});
}

std::string OkLabText(ColorValue c) {
  const OkLab v = OkLabOf(c);
  return "oklab(" + Fixed(v.l * 100, 2) + "% " + Fixed(v.a, 4) + " " + Fixed(v.b, 4) + ")";
}

std::string OkLchText(ColorValue c) {
  const OkLch v = OkLchOf(c);
  const bool grey = Fixed(v.c, 4) == "0.0000";
  std::string hue = grey ? "0.00" : Fixed(v.h, 2);
  if (hue == "360.00") hue = "0.00";
  return "oklch(" + Fixed(v.l * 100, 2) + "% " + Fixed(v.c, 4) + " " + hue + ")";
}

bool IsOkColourText(std::string_view text) {
  const std::string t = Lower(Trim(text));
  return t.starts_with("oklab(") || t.starts_with("oklch(");
}

std::optional<ColorValue> ReadOkColour(std::string_view text, std::string& why) {
  const std::string_view t = Trim(text);
  const bool polar = Lower(t.substr(0, 5)) == "oklch";
  if (!IsOkColourText(t) || t.back() != ')') {
    why = "an oklab() or oklch() colour ends with )";
    return std::nullopt;
  }
  // The components, blank-separated; a "/" starts the alpha.
  std::vector<std::string_view> tokens;
  std::string_view inside = t.substr(6, t.size() - 7);
  bool alpha = false;
  std::size_t alphaTokens = 0;
  for (std::size_t i = 0; i < inside.size();) {
    if (std::isspace(static_cast<unsigned char>(inside[i]))) {
      ++i;
      continue;
    }
    if (inside[i] == '/') {
      if (alpha || tokens.size() != 3) {
        why = "the alpha comes once, after the three components and a /";
        return std::nullopt;
      }
      alpha = true;
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < inside.size() && !std::isspace(static_cast<unsigned char>(inside[end])) && inside[end] != '/') ++end;
    if (alpha)
      ++alphaTokens;
    else
      tokens.push_back(inside.substr(i, end - i));
    i = end;
  }
  if (tokens.size() != 3 || (alpha && alphaTokens != 1)) {
    why = polar ? "oklch() takes three components, L C H, separated by blanks"
                : "oklab() takes three components, L a b, separated by blanks";
    return std::nullopt;
  }
  Component c[3];
  for (int i = 0; i < 3; ++i) {
    const auto read = ReadComponent(tokens[i], why);
    if (!read) return std::nullopt;
    c[i] = *read;
    const bool hue = polar && i == 2;
    const bool unitOk = c[i].none || c[i].unit.empty() || (!hue && c[i].unit == "%") ||
                        (hue && (c[i].unit == "deg" || c[i].unit == "grad" || c[i].unit == "rad" || c[i].unit == "turn"));
    if (!unitOk) {
      why = QuotedForTerminal(tokens[i]) + ": " + (hue ? "a hue is a number or an angle (deg, grad, rad, turn)"
                                                           : "a component is a number or a percentage");
      return std::nullopt;
    }
  }
  auto scaled = [](const Component& k, double percentScale) {
    if (k.none) return 0.0;
    return k.unit == "%" ? k.value * percentScale : k.value;
  };
  const double l = std::clamp(scaled(c[0], 0.01), 0.0, 1.0);
  if (!polar) return FromOkLab({l, scaled(c[1], kPercentOfChroma), scaled(c[2], kPercentOfChroma)});
  const double chroma = std::max(0.0, scaled(c[1], kPercentOfChroma));
  double hue = c[2].none ? 0 : c[2].value;
  if (c[2].unit == "grad") hue *= 0.9;
  if (c[2].unit == "rad") hue *= 180 / std::numbers::pi;
  if (c[2].unit == "turn") hue *= 360;
  return FromOkLch({l, chroma, Degrees(hue)});
}

}  // namespace velkaro
