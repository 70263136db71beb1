#include "colour_cli.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <istream>
#include <ostream>

namespace velkaro::cli {

namespace {

constexpr std::string_view kHelp =
    R"(Usage: velkaro-color [--tsv] [COLOUR ...]

Converts colours and prints what the Velkaro window shows for each: the R, G and B
channels, HSV, HLS (in the window's order H, L, S), CMYK, Lab, the seven copyable
notations and the inverse colour as r,g,b.

Colours come from the arguments or, when none is given, one per line from standard
input. Accepted forms:
  144,196,31     red, green and blue, each 0-255 (blanks around the numbers are allowed)
  #90C41F        six hexadecimal digits, red first (the Html and Delphi notation)
  #c90C41F       the same after "#c"
  &H1FC490&      Visual Basic hexadecimal, blue first (the closing & may be left out)
  2081936        a decimal colour value 0-16777215, red in the low byte (the BASIC notation)
The bare hexadecimal notation (Hex: 1FC490) is not read: a text such as 123456 would be
both a hexadecimal and a decimal value. Write it as &H123456& instead.

Options:
  --tsv     one tab-separated line per colour, after a header line
  --help    this text

A bad colour (a channel above 255, a malformed notation, an empty line) is reported on
standard error with its argument or line number; the other colours are still converted,
and the exit status is 1. A usage error gives status 2.
)";

constexpr std::string_view kTsvHeader =
    "input\tR\tG\tB\tHSV_H\tHSV_S\tHSV_V\tHLS_H\tHLS_L\tHLS_S\tC\tM\tY\tK\tLab_L\tLab_A\tLab_B"
    "\tVB\tHtml\tDelphi\tBASIC\tOther\tRGB\tHex\tInverse\n";

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
      why = "channel \"" + std::string(field) + "\" is not a whole number 0-255";
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

}  // namespace

std::optional<ColorValue> ParseColour(std::string_view text, std::string& why) {
  text = Trim(text);
  if (text.empty()) {
    why = "empty";
    return std::nullopt;
  }
  if (text.front() == '#') {
    text.remove_prefix(1);
    if (text.size() == 7 && (text.front() == 'c' || text.front() == 'C')) text.remove_prefix(1);
    return ParseHtml(text, why);
  }
  if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
    return ParseVb(text.substr(2), why);
  if (text.find(',') != std::string_view::npos) return ParseTriple(text, why);
  return ParseDecimal(text, why);
}

namespace {

// Collects output and hands it to the stream in large pieces: a bulk run writes gigabytes.
class Writer {
 public:
  explicit Writer(std::ostream& out) : out_(out) { buf_.reserve(kFlushAt + 4096); }
  ~Writer() { Flush(); }
  Writer& operator<<(std::string_view s) {
    buf_.append(s);
    if (buf_.size() >= kFlushAt) Flush();
    return *this;
  }
  Writer& operator<<(std::int64_t v) {
    char tmp[24];
    buf_.append(tmp, std::to_chars(tmp, tmp + sizeof tmp, v).ptr);
    return *this;
  }
  void Flush() {
    out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
    buf_.clear();
  }

 private:
  static constexpr size_t kFlushAt = 1 << 20;
  std::ostream& out_;
  std::string buf_;
};

void WriteTsv(Writer& w, std::string_view input, const Rgb& c, const Readouts& o) {
  w << input;
  for (std::int64_t v : {c.r, c.g, c.b}) w << "\t" << v;
  for (std::int64_t v : {o.hsv.h, o.hsv.s, o.hsv.v, o.hsl.h, o.hsl.l, o.hsl.s, o.cmyk.c,
                         o.cmyk.m, o.cmyk.y, o.cmyk.k, o.lab.l, o.lab.a, o.lab.b})
    w << "\t" << v;
  for (const ShortText& s : o.notations) w << "\t" << s.view();
  w << "\t" << o.inverse.view() << "\n";
}

void WriteReadable(Writer& w, std::string_view input, const Rgb& c, const Readouts& o) {
  w << input << "\n";
  w << "  R, G, B:   " << std::int64_t{c.r} << ", " << std::int64_t{c.g} << ", "
    << std::int64_t{c.b} << "\n";
  w << "  HSV:       H " << std::int64_t{o.hsv.h} << "°  S " << std::int64_t{o.hsv.s}
    << "%  V " << std::int64_t{o.hsv.v} << "%\n";
  w << "  HLS:       H " << std::int64_t{o.hsl.h} << "°  L " << std::int64_t{o.hsl.l}
    << "%  S " << std::int64_t{o.hsl.s} << "%\n";
  w << "  CMYK:      C " << std::int64_t{o.cmyk.c} << "%  M " << std::int64_t{o.cmyk.m}
    << "%  Y " << std::int64_t{o.cmyk.y} << "%  K " << std::int64_t{o.cmyk.k} << "%\n";
  w << "  LAB:       L " << std::int64_t{o.lab.l} << "  A " << std::int64_t{o.lab.a} << "  B "
    << std::int64_t{o.lab.b} << "\n";
  // Labels as the window shows them, padded to one column (CJK characters are two wide).
  constexpr std::array<std::string_view, kNotationRows> kPadded = {
      "  VB:        ", "  Html、PS:  ", "  Delphi:    ", "  BASIC:     ",
      "  其他:      ", "  R,G,B:     ", "  Hex:       "};
  for (int row : kNotationDisplayOrder) w << kPadded[row] << o.notations[row].view() << "\n";
  w << "  反色:      " << o.inverse.view() << "\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  bool tsv = false;
  std::vector<std::string_view> colours;
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      out << kHelp;
      return 0;
    }
    if (a == "--tsv") {
      tsv = true;
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      err << "velkaro-color: unknown option " << a << " (see --help)\n";
      return 2;
    } else {
      colours.push_back(a);
    }
  }

  Writer w(out);
  if (tsv) w << kTsvHeader;
  bool anyBad = false;
  bool first = true;
  auto convert = [&](std::string_view text, std::string_view where, long long number) {
    std::string why;
    const auto col = ParseColour(text, why);
    if (!col) {
      w.Flush();
      out.flush();  // keep messages in step with the colours on a terminal
      err << "velkaro-color: " << where << " " << number << ": \"" << Trim(text)
          << "\": " << why << ". Accepted forms: " << kAcceptedForms << "\n";
      anyBad = true;
      return;
    }
    const Rgb c = SplitChannels(*col);
    const Readouts o = ComputeReadouts(static_cast<std::uint8_t>(c.r),
                                       static_cast<std::uint8_t>(c.g),
                                       static_cast<std::uint8_t>(c.b));
    if (tsv) {
      WriteTsv(w, Trim(text), c, o);
    } else {
      if (!first) w << "\n";
      WriteReadable(w, Trim(text), c, o);
    }
    first = false;
  };

  if (!colours.empty()) {
    for (size_t i = 0; i < colours.size(); ++i) convert(colours[i], "argument", i + 1);
  } else {
    std::string line;
    for (long long number = 1; std::getline(in, line); ++number) convert(line, "line", number);
  }
  w.Flush();
  out.flush();
  return anyBad ? 1 : 0;
}

}  // namespace velkaro::cli
