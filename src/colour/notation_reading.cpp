#include "notation_reading.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace velkaro {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool ParseNumber(std::string_view s, int base, long long& value) {
  if (s.empty() || s.size() > 12) return false;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value, base);
  return res.ec == std::errc{} && res.ptr == s.data() + s.size() && value >= 0;
}

namespace {

bool IsHexDigits(std::string_view s) {
  for (char c : s)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return !s.empty();
}

std::optional<ColorValue> ParseHtml(std::string_view digits, std::string& why) {
  long long v = 0;
  if (digits.size() != 6 || !IsHexDigits(digits) || !ParseNumber(digits, 16, v)) {
    why = "expected six hexadecimal digits after #";
    return std::nullopt;
  }
  const auto rgb = static_cast<ColorValue>(v);  // RRGGBB
  return ComposeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::optional<ColorValue> ParseVb(std::string_view body, std::string& why) {
  if (!body.empty() && body.back() == '&') body.remove_suffix(1);
  long long v = 0;
  if (body.size() > 6 || !IsHexDigits(body) || !ParseNumber(body, 16, v)) {
    why = "expected one to six hexadecimal digits between &H and &";
    return std::nullopt;
  }
  return static_cast<ColorValue>(v);
}

std::optional<ColorValue> ParseTriple(std::string_view text, std::string& why) {
  long long channel[3] = {};
  for (int i = 0; i < 3; ++i) {
    const size_t comma = text.find(',');
    if ((i < 2) != (comma != std::string_view::npos)) {
      why = "expected three channels separated by commas";
      return std::nullopt;
    }
    const std::string_view field = Trim(text.substr(0, comma));
    if (!std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        !ParseNumber(field, 10, channel[i])) {
      why = "channel " + QuotedForTerminal(field) + " is not a whole number 0-255";
      return std::nullopt;
    }
    if (channel[i] > 255) {
      why = "channel " + std::string(field) + " is above 255";
      return std::nullopt;
    }
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  return ComposeColor(static_cast<int>(channel[0]), static_cast<int>(channel[1]),
                      static_cast<int>(channel[2]));
}

// CSS rgb(): three whole numbers 0-255, separated by commas or by blanks.
std::optional<ColorValue> ParseCssRgb(std::string_view body, std::string& why) {
  std::string fields(body);
  const bool commas = fields.find(',') != std::string::npos;
  if (!commas) {
    // Blanks between numbers become the separators; blanks around them are trimmed.
    std::string joined;
    bool pending = false;
    for (char ch : Trim(fields)) {
      if (ch == ' ' || ch == '\t') {
        pending = true;
        continue;
      }
      if (pending) joined += ',';
      pending = false;
      joined += ch;
    }
    fields = joined;
  }
  std::string tripleWhy;
  const auto colour = ParseTriple(fields, tripleWhy);
  if (!colour) why = "rgb() takes three whole numbers 0-255, separated by commas or blanks (" + tripleWhy + ")";
  return colour;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
  return true;
}

std::optional<ColorValue> ParseDecimal(std::string_view text, std::string& why) {
  long long v = 0;
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || !ParseNumber(text, 10, v) || v > kWhite) {
    why = digits ? "decimal colour value above 16777215" : "not a colour notation";
    return std::nullopt;
  }
  return static_cast<ColorValue>(v);
}

// The length of a well-formed UTF-8 sequence at the start of s (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
std::size_t Utf8SequenceLength(std::string_view s) {
  const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < n || byte(1) < lo || byte(1) > hi) return 0;
  for (std::size_t i = 2; i < n; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return n;
}

std::optional<ColourReading> As(std::optional<ColorValue> colour, NotationForm form) {
  if (!colour) return std::nullopt;
  return ColourReading{*colour, form};
}

}  // namespace

// Control characters, bytes that are not UTF-8, backslashes and quotes escaped: a line
// holding a terminal's escape sequence is shown, not obeyed.
std::string QuotedForTerminal(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      if (c == '\\' || c == '"') out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (const std::size_t n = c >= 0x80 ? Utf8SequenceLength(text.substr(i)) : 0; n > 0) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
      ++i;
    }
  }
  return out + "\"";
}

std::optional<ColourReading> ReadNotation(std::string_view text, std::string& why) {
  text = Trim(text);
  if (text.empty()) {
    why = "empty";
    return std::nullopt;
  }
  if (text.front() == '#') {
    text.remove_prefix(1);
    if (text.size() == 3 && IsHexDigits(text)) {  // #RGB: each digit doubled
      const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c | 0x20) - 'a' + 10; };
      return ColourReading{ComposeColor(digit(text[0]) * 17, digit(text[1]) * 17, digit(text[2]) * 17),
                           NotationForm::ShortHash};
    }
    if (text.size() == 7 && (text.front() == 'c' || text.front() == 'C')) {
      text.remove_prefix(1);
      return As(ParseHtml(text, why), NotationForm::HashC);
    }
    return As(ParseHtml(text, why), NotationForm::Hash);
  }
  if (StartsWithNoCase(text, "rgb(")) {
    if (text.back() != ')') {
      why = "rgb( without its closing )";
      return std::nullopt;
    }
    return As(ParseCssRgb(text.substr(4, text.size() - 5), why), NotationForm::CssRgb);
  }
  if (std::isalpha(static_cast<unsigned char>(text.front()))) {
    why = "not a colour notation or a CSS colour name";
    return std::nullopt;
  }
  if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
    return As(ParseVb(text.substr(2), why), NotationForm::Vb);
  if (text.find(',') != std::string_view::npos) return As(ParseTriple(text, why), NotationForm::Channels);
  return As(ParseDecimal(text, why), NotationForm::Decimal);
}

std::optional<ColorValue> ReadRowNotation(int row, std::string_view text) {
  std::string why;
  if (row == kHexRow) {  // the bare hexadecimal of the Hex row, blue first as in VB
    text = Trim(text);
    return text.empty() ? std::nullopt : ParseVb(text, why);
  }
  const std::optional<ColourReading> read = ReadNotation(text, why);
  if (!read) return std::nullopt;
  static constexpr NotationForm kRowForms[kNotationRows] = {
      NotationForm::Vb,    NotationForm::Hash,     NotationForm::Hash, NotationForm::Decimal,
      NotationForm::HashC, NotationForm::Channels, NotationForm::Hash};
  const NotationForm own = kRowForms[row];
  const bool ofItsKind = read->form == own || (own == NotationForm::Hash && read->form == NotationForm::ShortHash);
  return ofItsKind ? std::optional<ColorValue>(read->colour) : std::nullopt;
}

}  // namespace velkaro
