// The text notations of a colour: the seven copyable rows and the inverse-colour text.
#include <charconv>

#include "colour.h"

namespace velkaro {

std::string HexText(ColorValue col) {
  char buf[16];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint32_t>(col), 16);
  std::string text(buf, res.ptr);
  for (char& ch : text)
    if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
  return text;
}

std::string DecimalText(std::int64_t v) {
  char buf[24];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// The hex text is blue, green, red; the HTML form swaps the outer pairs.
std::string ColorToHtmlHex(ColorValue col) {
  std::string h = HexText(col);
  if (h.size() < 6) h.insert(0, 6 - h.size(), '0');
  return h.substr(4, 2) + h.substr(2, 2) + h.substr(0, 2);
}

std::string ColorToRgbText(ColorValue col) {
  const Rgb c = SplitChannels(col);
  return DecimalText(c.r) + "," + DecimalText(c.g) + "," + DecimalText(c.b);
}

ColorValue RgbFromBytes(const std::array<std::uint8_t, 3>& rgb) {
  return ComposeColor(rgb[0], rgb[1], rgb[2]);
}

std::array<std::string, kNotationRows> NotationTexts(ColorValue col, std::string_view r,
                                                     std::string_view g, std::string_view b) {
  const std::string hex = HexText(col);
  const std::string html = ColorToHtmlHex(col);
  std::string joined;
  joined.reserve(r.size() + g.size() + b.size() + 2);
  joined.append(r).append(",").append(g).append(",").append(b);
  return {"&H" + hex + "&", "#" + html, "#" + html, DecimalText(col), "#c" + html,
          std::move(joined), hex};
}

std::array<std::string, kNotationRows> NotationTexts(ColorValue col) {
  const Rgb c = SplitChannels(col);
  return NotationTexts(col, DecimalText(c.r), DecimalText(c.g), DecimalText(c.b));
}

Readouts ComputeReadouts(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const ColorValue col = ComposeColor(r, g, b);
  return {RgbToHsv(r, g, b),
          RgbToHsl(r, g, b),
          RgbToCmyk(r, g, b),
          RgbToLabFast(r, g, b),
          NotationTexts(col),
          ColorToRgbText(InvertColor(col))};
}

}  // namespace velkaro
