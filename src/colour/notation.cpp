// The text notations of a colour: the seven copyable rows and the inverse-colour text.

#include "colour.h"

namespace velkaro {

namespace {

// Writes into a text in place. The length stays in a register until the end: a char
// store may alias anything, so a length kept in the text would be reloaded per char.
class TextBuilder {
 public:
  explicit TextBuilder(ShortText& text) : text_(text), out_(text.data()) {}
  ~TextBuilder() { text_.resize(n_); }
  TextBuilder(const TextBuilder&) = delete;
  TextBuilder& operator=(const TextBuilder&) = delete;
  TextBuilder& Put(std::string_view s) {
    for (char c : s) Append(c);
    return *this;
  }
  // Upper-case hexadecimal without leading zeros ("0" for zero).
  TextBuilder& Hex(std::uint32_t v) {
    char digits[8];
    int k = 0;
    do {
      digits[k++] = "0123456789ABCDEF"[v & 0xF];
      v >>= 4;
    } while (v != 0);
    while (k > 0) Append(digits[--k]);
    return *this;
  }
  // Exactly two upper-case hexadecimal digits.
  TextBuilder& Hex2(std::uint32_t v) {
    Append("0123456789ABCDEF"[(v >> 4) & 0xF]);
    Append("0123456789ABCDEF"[v & 0xF]);
    return *this;
  }
  TextBuilder& Decimal(std::int64_t v) {
    std::uint64_t u = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    if (v < 0) Append('-');
    char digits[20];
    int k = 0;
    do {
      digits[k++] = static_cast<char>('0' + u % 10);
      u /= 10;
    } while (u != 0);
    while (k > 0) Append(digits[--k]);
    return *this;
  }
  TextBuilder& Channels(ColorValue col) {
    const Rgb c = SplitChannels(col);
    return Decimal(c.r).Put(",").Decimal(c.g).Put(",").Decimal(c.b);
  }
  // Six digits, red first: the hex text padded to six and its outer pairs swapped.
  // For a real colour that is the bytes red, green, blue.
  TextBuilder& Html(ColorValue col) {
    return Hex2(col & 0xFF).Hex2((col >> 8) & 0xFF).Hex2((col >> 16) & 0xFF);
  }

 private:
  void Append(char c) {
    if (n_ < ShortText::kCapacity) out_[n_++] = c;
  }
  ShortText& text_;
  char* out_;
  std::size_t n_ = 0;
};

template <class Fill>
ShortText Build(Fill fill) {
  ShortText text;
  fill(TextBuilder(text));
  return text;
}

}  // namespace

std::string HexText(ColorValue col) {
  return Build([&](TextBuilder&& t) { t.Hex(static_cast<std::uint32_t>(col)); }).str();
}

std::string DecimalText(std::int64_t v) {
  return Build([&](TextBuilder&& t) { t.Decimal(v); }).str();
}

std::string ColorToHtmlHex(ColorValue col) {
  return Build([&](TextBuilder&& t) { t.Html(col); }).str();
}

std::string ColorToRgbText(ColorValue col) {
  return Build([&](TextBuilder&& t) { t.Channels(col); }).str();
}

ColorValue RgbFromBytes(const std::array<std::uint8_t, 3>& rgb) {
  return ComposeColor(rgb[0], rgb[1], rgb[2]);
}


NotationRows NotationTexts(ColorValue col) {
  const auto hex = static_cast<std::uint32_t>(col);
  NotationRows rows;
  TextBuilder(rows[0]).Put("&H").Hex(hex).Put("&");
  TextBuilder(rows[1]).Put("#").Html(col);
  rows[2] = rows[1];
  TextBuilder(rows[3]).Decimal(col);
  TextBuilder(rows[4]).Put("#c").Html(col);
  TextBuilder(rows[5]).Channels(col);
  TextBuilder(rows[6]).Hex(hex);
  return rows;
}

ShortText InverseText(ColorValue col) {
  return Build([&](TextBuilder&& t) { t.Channels(InvertColor(col)); });
}

std::string CssRgbText(ColorValue col) {
  const Rgb rgb = SplitChannels(col);
  return "rgb(" + DecimalText(rgb.r) + ", " + DecimalText(rgb.g) + ", " + DecimalText(rgb.b) + ")";
}

std::string CssHslText(ColorValue col) {
  const Rgb rgb = SplitChannels(col);
  const HslColor v = RgbToHslFast(static_cast<std::uint8_t>(rgb.r), static_cast<std::uint8_t>(rgb.g),
                                  static_cast<std::uint8_t>(rgb.b));
  return "hsl(" + DecimalText(v.h) + ", " + DecimalText(v.s) + "%, " + DecimalText(v.l) + "%)";
}

}  // namespace velkaro
