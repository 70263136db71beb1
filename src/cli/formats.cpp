#include "formats.h"

#include "colour_cli.h"
#include "oklab.h"

#include <algorithm>
#include <array>

namespace velkaro::cli {

namespace {

// The window's notation rows by format name.
constexpr std::array<std::pair<std::string_view, int>, 7> kNotationRowOf = {
    {{"vb", 0}, {"html", 1}, {"delphi", 2}, {"basic", 3}, {"c", 4}, {"rgb", 5}, {"hex", 6}}};

std::string Joined(std::initializer_list<std::int64_t> values) {
  std::string s;
  for (std::int64_t v : values) s += (s.empty() ? "" : ",") + DecimalText(v);
  return s;
}

std::uint8_t Byte(std::int32_t v) { return static_cast<std::uint8_t>(v); }

// The value of one template field, or nothing for an unknown name.
std::optional<std::string> Field(std::string_view name, ColorValue c, std::string_view input) {
  if (auto whole = Formatted(name, c)) return whole;
  const Rgb rgb = SplitChannels(c);
  if (name == "input") return std::string(input);
  if (name == "rrggbb") return ColorToHtmlHex(c);
  if (name == "inverse") return ColorToRgbText(InvertColor(c));
  if (name == "r") return DecimalText(rgb.r);
  if (name == "g") return DecimalText(rgb.g);
  if (name == "b") return DecimalText(rgb.b);
  const HsvColor hsv = RgbToHsvFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
  if (name == "h") return DecimalText(hsv.h);
  if (name == "s") return DecimalText(hsv.s);
  if (name == "v") return DecimalText(hsv.v);
  const HslColor hsl = RgbToHslFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
  if (name == "hls-h") return DecimalText(hsl.h);
  if (name == "hls-l") return DecimalText(hsl.l);
  if (name == "hls-s") return DecimalText(hsl.s);
  const CmykColor cmyk = RgbToCmykFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
  if (name == "cmyk-c") return DecimalText(cmyk.c);
  if (name == "cmyk-m") return DecimalText(cmyk.m);
  if (name == "cmyk-y") return DecimalText(cmyk.y);
  if (name == "cmyk-k") return DecimalText(cmyk.k);
  const LabColor lab = RgbToLabFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
  if (name == "lab-l") return DecimalText(lab.l);
  if (name == "lab-a") return DecimalText(lab.a);
  if (name == "lab-b") return DecimalText(lab.b);
  return std::nullopt;
}

constexpr std::string_view kFieldHelp =
    R"(      {r} {g} {b}                      channels: 144 196 31
      {rrggbb}                         red, green, blue in hexadecimal: 90C41F
      {h} {s} {v}                      HSV: 79 84 77
      {hls-h} {hls-l} {hls-s}          HLS: 79 45 73
      {cmyk-c} {cmyk-m} {cmyk-y} {cmyk-k}   CMYK: 20 0 65 23
      {lab-l} {lab-a} {lab-b}          Lab: 73 -39 69
      {vb} {html} {delphi} {basic} {hex} {c} {rgb}   the window's notations:
                                       &H1FC490& #90C41F #90C41F 2081936 1FC490 #c90C41F 144,196,31
      {hsv} {hls} {cmyk} {lab}         readouts: 79,84,77 79,45,73 20,0,65,23 73,-39,69
      {css-rgb} {css-hsl}              rgb(144, 196, 31) hsl(79, 73%, 45%)
      {oklab} {oklch}                  oklab(75.62% -0.1120 0.1491) oklch(75.62% 0.1865 126.92)
      {inverse}                        the inverse colour: 111,59,224
      {input}                          the colour as it was given
)";

}  // namespace

std::optional<std::string> Formatted(std::string_view name, ColorValue c) {
  for (const auto& [format, row] : kNotationRowOf)
    if (name == format) return NotationTexts(c)[row].str();
  const Rgb rgb = SplitChannels(c);
  if (name == "hsv") {
    const HsvColor v = RgbToHsvFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
    return Joined({v.h, v.s, v.v});
  }
  if (name == "hls") {  // the window's order: H, L, S
    const HslColor v = RgbToHslFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
    return Joined({v.h, v.l, v.s});
  }
  if (name == "cmyk") {
    const CmykColor v = RgbToCmykFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
    return Joined({v.c, v.m, v.y, v.k});
  }
  if (name == "lab") {
    const LabColor v = RgbToLabFast(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b));
    return Joined({v.l, v.a, v.b});
  }
  if (name == "css-rgb") return CssRgbText(c);
  if (name == "oklab") return OkLabText(c);
  if (name == "oklch") return OkLchText(c);
  if (name == "css-hsl") return CssHslText(c);
  return std::nullopt;
}

std::optional<Template> Template::Parse(std::string_view text, std::string& why) {
  Template t;
  std::string literal;
  auto flush = [&] {
    if (!literal.empty()) t.pieces_.push_back({false, std::move(literal)});
    literal.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if ((ch == '{' && next == '{') || (ch == '}' && next == '}')) {
      literal += ch;
      ++i;
    } else if (ch == '\\' && (next == 'n' || next == 't' || next == '\\')) {
      literal += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
      ++i;
    } else if (ch == '{') {
      const std::size_t close = text.find('}', i);
      if (close == std::string_view::npos) {
        why = "a { without its }";
        return std::nullopt;
      }
      const std::string name(text.substr(i + 1, close - i - 1));
      if (!Field(name, kBlack, "")) {
        why = "unknown field " + QuotedForTerminal("{" + name + "}");
        return std::nullopt;
      }
      flush();
      t.pieces_.push_back({true, name});
      i = close;
    } else if (ch == '}') {
      why = "a } without its {";
      return std::nullopt;
    } else {
      literal += ch;
    }
  }
  flush();
  return t;
}

std::string Template::Fill(ColorValue c, std::string_view input) const {
  std::string out;
  for (const Piece& p : pieces_) out += p.field ? Field(p.text, c, input).value_or("") : p.text;
  return out;
}

std::string_view TemplateFieldHelp() { return kFieldHelp; }

}  // namespace velkaro::cli
