#include "colour_cli.h"

#include "colour_tools.h"
#include "formats.h"
#include "oklab.h"
#include "palette_files.h"
#include "vision.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <span>
#include <charconv>
#include <istream>
#include <ostream>

namespace velkaro::cli {

namespace {

constexpr std::string_view kHelp =
    R"(Usage: velkaro-color [--tsv | --format NAME | --template TEXT] [COLOUR ...]
       velkaro-color contrast COLOUR COLOUR
       velkaro-color contrast --best COLOUR
       velkaro-color name [--exact] [COLOUR ...]
       velkaro-color gradient [--format NAME | --template TEXT] COLOUR COLOUR STEPS
       velkaro-color simulate [--format NAME | --template TEXT] DEFICIENCY [COLOUR ...]
       velkaro-color palette --format gpl|ase|css|json [COLOUR ...]

Converts colours and prints what the Velkaro window shows for each: the R, G and B
channels, HSV, HLS (in the window's order H, L, S), CMYK, Lab, the seven copyable
notations and the inverse colour as r,g,b. Every number is the window's own arithmetic.

Colours come from the arguments or, when none is given, one per line from standard
input. Accepted forms:
  144,196,31        red, green and blue, each 0-255 (blanks around the numbers are allowed)
  rgb(144, 196, 31) CSS, with commas or blanks: rgb(144 196 31)
  #90C41F           six hexadecimal digits, red first (the Html and Delphi notation)
  #9C2              three: each digit doubled (#99CC22)
  #c90C41F          the same after "#c"
  &H1FC490&         Visual Basic hexadecimal, blue first (the closing & may be left out)
  2081936           a decimal colour value 0-16777215, red in the low byte (the BASIC notation)
  YellowGreen       a CSS colour name, in any case
  oklch(75% 0.17 121)   CSS Color 4 OKLCh: L as 0-1 or a percentage, C as a number or a
                    percentage (100% = 0.4), H in degrees or with deg, grad, rad or turn
  oklab(75% -0.09 0.15) CSS Color 4 OKLab: L as above, a and b numbers or percentages
                    (100% = 0.4); in both "none" counts as 0 and an alpha after / is
                    ignored. OKLab is computed on the window's sRGB curve; a colour outside
                    sRGB is clamped channel by channel, and each channel rounded half to
                    even as the window rounds
The bare hexadecimal notation (Hex: 1FC490) is not read: a text such as 123456 would be
both a hexadecimal and a decimal value. Write it as &H123456& instead.

Options:
  --tsv             one tab-separated line per colour, after a header line
  --format NAME     one value per colour, in one of these forms:
                      vb html delphi basic hex c rgb   the window's notations
                      hsv hls cmyk lab                 its readouts, comma-separated
                      css-rgb css-hsl                  rgb(144, 196, 31), hsl(79, 73%, 45%)
                      oklab oklch                      CSS Color 4: oklch(L% C H), L in percent
                                                       to 2 decimals, C and a, b to 4, H to 2
                      velkaro-color --format css-hsl yellowgreen      prints  hsl(80, 61%, 50%)
  --template TEXT   one line per colour with the fields filled in; {{ and }} are braces,
                    \n, \t and \\ a line break, a tab and a backslash. The fields, as
                    they read for 144,196,31:
{fields}                      velkaro-color --template '--brand: {html};' 144,196,31   prints  --brand: #90C41F;
  --help            this text

Commands:
  contrast A B      the WCAG 2.x contrast ratio of two colours, to two decimals, and
                    whether it passes AA and AAA for normal and large text (AA: 4.5 and
                    3, AAA: 7 and 4.5; the ratio is judged before it is rounded)
                      velkaro-color contrast '#777777' white
  contrast --best A whether black or white text reads better on A, and its ratio
  name COLOUR       the nearest CSS colour name by CIEDE2000 difference, and the difference
                      velkaro-color name 144,196,31      prints  yellowgreen 2.47
                    --exact prints a name only for an exact match, and fails otherwise
  gradient A B N    N colours from A to B, blended as the window's gradient strips are
                    (each the column of a strip N pixels wide), one per line as #RRGGBB or
                    in the --format or --template given
                      velkaro-color gradient white '#90C41F' 5
  simulate KIND     how each colour looks with a colour-vision deficiency: protanopia,
                    deuteranopia or tritanopia (the matrices of Machado, Oliveira and
                    Fernandes, 2009, at full severity) or achromatopsia (the grey of the same
                    relative luminance); computed in linear sRGB, clamped, encoded back and
                    rounded half to even; as #RRGGBB or in the --format or --template given
                      velkaro-color simulate deuteranopia '#FF0000'
  palette           the colours as a palette file, each named by its nearest CSS colour:
                    --format gpl (GIMP, Inkscape), ase (Adobe Swatch Exchange; binary, so
                    not written to a terminal), css (custom properties) or json
                      velkaro-color palette --format gpl '#90C41F' white > brand.gpl

A bad colour (a channel above 255, a malformed notation, an empty line) is reported on
standard error with its argument or line number; the other colours are still converted,
and the exit status is 1. A usage error gives status 2.
)";

constexpr std::string_view kTsvHeader =
    "input\tR\tG\tB\tHSV_H\tHSV_S\tHSV_V\tHLS_H\tHLS_L\tHLS_S\tC\tM\tY\tK\tLab_L\tLab_A\tLab_B"
    "\tVB\tHtml\tDelphi\tBASIC\tOther\tRGB\tHex\tInverse\n";

}  // namespace

std::optional<ColorValue> ParseColour(std::string_view text, std::string& why) {
  if (IsOkColourText(text)) return ReadOkColour(text, why);
  if (const std::optional<ColourReading> read = ReadNotation(text, why)) return read->colour;
  const std::string_view t = Trim(text);
  if (!t.empty() && std::isalpha(static_cast<unsigned char>(t.front())))
    if (auto named = CssColourNamed(t)) return named;
  return std::nullopt;
}

namespace {

// Collects output and hands it to the stream in large pieces: a bulk run writes gigabytes.
class Writer {
 public:
  explicit Writer(std::ostream& out) : out_(out) {}
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

namespace {

struct Options {
  bool tsv = false, exact = false, best = false;
  std::optional<std::string> format;
  std::optional<Template> templ;
  std::vector<std::string_view> words;  // the command, if any, and the colours
};

// The options in any place; nothing with a message on a usage error.
std::optional<Options> ReadOptions(const std::vector<std::string>& args, std::ostream& err) {
  Options o;
  auto usage = [&err](const std::string& what) {
    err << "velkaro-color: " << what << " (see --help)\n";
    return std::nullopt;
  };
  bool optionsEnded = false;  // after "--" every argument is a word, as in any command-line tool
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded) {
      o.words.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--tsv") {
      o.tsv = true;
    } else if (a == "--exact") {
      o.exact = true;
    } else if (a == "--best") {
      o.best = true;
    } else if (a == "--format" || a == "--template") {
      if (i + 1 == args.size()) return usage(a + " needs a value");
      const std::string& value = args[++i];
      if (a == "--format") {
        o.format = value;  // checked once the command is known: palette has formats of its own
      } else {
        std::string why;
        o.templ = Template::Parse(value, why);
        if (!o.templ) return usage("bad template: " + why);
      }
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return usage("unknown option " + QuotedForTerminal(a));
    } else {
      o.words.push_back(a);
    }
  }
  if (int(o.tsv) + int(o.format.has_value()) + int(o.templ.has_value()) > 1)
    return usage("--tsv, --format and --template exclude each other");
  const bool palette = !o.words.empty() && o.words.front() == "palette";
  if (palette && !o.format) return usage("palette needs --format gpl, ase, css or json");
  if (o.format && (palette ? !PaletteFormatNamed(*o.format)
                           : std::find(std::begin(kFormatNames), std::end(kFormatNames), *o.format) ==
                                 std::end(kFormatNames)))
    return usage("unknown " + std::string(palette ? "palette " : "") + "format " + QuotedForTerminal(*o.format));
  return o;
}

class Session {
 public:
  Session(const Options& o, std::istream& in, std::ostream& out, std::ostream& err, bool outputIsTerminal)
      : o_(o), in_(in), out_(out), err_(err), w_(out), outputIsTerminal_(outputIsTerminal) {}

  // Each colour given (arguments, else standard-input lines) through `each`; bad ones
  // are reported and skipped.
  template <class Each>
  void ForEachColour(std::span<const std::string_view> given, Each each) {
    auto one = [&](std::string_view text, std::string_view where, long long number) {
      std::string why;
      if (const auto col = ParseColour(text, why))
        each(*col, Trim(text));
      else
        Bad(text, where, number, why);
    };
    if (!given.empty()) {
      for (std::size_t i = 0; i < given.size(); ++i) one(given[i], "argument", static_cast<long long>(i) + 1);
    } else {
      // Windows editors start a UTF-8 file with a byte-order mark; blank lines carry no colour.
      constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
      std::string line;
      for (long long number = 1; std::getline(in_, line); ++number) {
        std::string_view text = line;
        if (number == 1 && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
        if (Trim(text).empty()) continue;
        one(text, "line", number);
      }
    }
  }

  void Bad(std::string_view text, std::string_view where, long long number, const std::string& why) {
    w_.Flush();
    out_.flush();  // keep messages in step with the colours on a terminal
    err_ << "velkaro-color: " << where << " " << number << ": " << QuotedForTerminal(Trim(text)) << ": " << why
         << ". Accepted forms: " << kAcceptedForms << "\n";
    anyBad_ = true;
  }

  // One colour in the chosen single form: --format, --template, or `fallback`.
  void WriteOne(ColorValue c, std::string_view input, std::string_view fallback) {
    if (o_.templ)
      w_ << o_.templ->Fill(c, input) << "\n";
    else
      w_ << *Formatted(o_.format ? *o_.format : std::string(fallback), c) << "\n";
  }

  int Convert() {
    if (o_.tsv) w_ << kTsvHeader;
    bool first = true;
    ForEachColour(o_.words, [&](ColorValue col, std::string_view input) {
      if (o_.format || o_.templ) return WriteOne(col, input, "");
      const Rgb c = SplitChannels(col);
      const Readouts r = ComputeReadouts(static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                                         static_cast<std::uint8_t>(c.b));
      if (o_.tsv) return WriteTsv(w_, input, c, r);
      if (!first) w_ << "\n";
      WriteReadable(w_, input, c, r);
      first = false;
    });
    return Finish();
  }

  int Contrast() {
    const std::span<const std::string_view> colours(o_.words.begin() + 1, o_.words.end());
    if (colours.size() != (o_.best ? 1u : 2u))
      return Usage(o_.best ? "contrast --best takes one colour" : "contrast takes two colours");
    std::vector<ColorValue> parsed;
    ForEachColour(colours, [&](ColorValue c, std::string_view) { parsed.push_back(c); });
    if (parsed.size() != colours.size()) return Finish();
    if (o_.best) {
      const double onBlack = ContrastRatio(parsed[0], kBlack), onWhite = ContrastRatio(parsed[0], kWhite);
      const bool black = onBlack >= onWhite;
      w_ << (black ? "black " : "white ") << Decimals(black ? onBlack : onWhite) << ":1\n";
      return Finish();
    }
    const double ratio = ContrastRatio(parsed[0], parsed[1]);
    w_ << Decimals(ratio) << ":1\n";
    auto verdict = [&](std::string_view what, double needs) {
      char threshold[16];
      std::snprintf(threshold, sizeof threshold, "%g", needs);
      w_ << what << (ratio >= needs ? "pass" : "fail") << " (needs " << threshold << ")\n";
    };
    verdict("AA normal text:  ", kNormalTextAA);
    verdict("AA large text:   ", kLargeTextAA);
    verdict("AAA normal text: ", kNormalTextAAA);
    verdict("AAA large text:  ", kLargeTextAAA);
    return Finish();
  }

  int Name() {
    const std::span<const std::string_view> colours(o_.words.begin() + 1, o_.words.end());
    ForEachColour(colours, [&](ColorValue c, std::string_view input) {
      const Nearest n = NearestCssColour(c);
      if (o_.exact && n.difference != 0) {
        w_.Flush();
        out_.flush();
        err_ << "velkaro-color: " << QuotedForTerminal(input) << ": no CSS colour is exactly this one (nearest: " << n.named->name
             << " " << Decimals(n.difference) << ")\n";
        anyBad_ = true;
        return;
      }
      w_ << n.named->name;
      if (!o_.exact) w_ << " " << Decimals(n.difference);
      w_ << "\n";
    });
    return Finish();
  }

  int Gradient() {
    if (o_.words.size() != 4) return Usage("gradient takes two colours and a number of steps");
    long long steps = 0;
    if (!ParseNumber(o_.words[3], 10, steps) || steps < 1 || steps > kMostSteps)
      return Usage("the number of steps must be a whole number 1-" + std::to_string(kMostSteps));
    std::vector<ColorValue> ends;
    ForEachColour(std::span(o_.words).subspan(1, 2), [&](ColorValue c, std::string_view) { ends.push_back(c); });
    if (ends.size() != 2) return Finish();
    for (ColorValue c : GradientSteps(ends[0], ends[1], static_cast<int>(steps))) WriteOne(c, "", "html");
    return Finish();
  }

  int Simulate() {
    if (o_.words.size() < 2) return Usage("simulate takes a deficiency: protanopia, deuteranopia, tritanopia or achromatopsia");
    const std::optional<Deficiency> kind = DeficiencyNamed(o_.words[1]);
    if (!kind)
      return Usage("unknown deficiency " + QuotedForTerminal(o_.words[1]) +
                   ": protanopia, deuteranopia, tritanopia or achromatopsia");
    ForEachColour(std::span(o_.words).subspan(2),
                  [&](ColorValue c, std::string_view input) { WriteOne(SimulateDeficiency(*kind, c), input, "html"); });
    return Finish();
  }

  // The whole file or nothing: a bad colour writes no palette.
  int Palette() {
    const PaletteFormat format = *PaletteFormatNamed(*o_.format);
    if (format == PaletteFormat::Ase && outputIsTerminal_) {
      err_ << "velkaro-color: an .ase palette is binary and is not written to a terminal; redirect it to a file, "
              "e.g. velkaro-color palette --format ase COLOUR ... > colours.ase\n";
      return 2;
    }
    std::vector<PaletteEntry> entries;
    ForEachColour(std::span(o_.words).subspan(1), [&](ColorValue c, std::string_view) {
      entries.push_back({std::string(NearestCssColour(c).named->name), c});
    });
    if (anyBad_) return Finish();
    w_ << PaletteFile(format, entries, "Velkaro");
    return Finish();
  }

 private:
  static constexpr long long kMostSteps = 100000;

  static std::string Decimals(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
  }
  int Usage(const std::string& what) {
    err_ << "velkaro-color: " << what << " (see --help)\n";
    return 2;
  }
  int Finish() {
    w_.Flush();
    out_.flush();
    return anyBad_ ? 1 : 0;
  }

  const Options& o_;
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  Writer w_;
  bool outputIsTerminal_;
  bool anyBad_ = false;
};

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        bool outputIsTerminal) {
  if (std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
      args.end()) {
    std::string help(kHelp);
    help.replace(help.find("{fields}"), 8, TemplateFieldHelp());
    out << help;
    return 0;
  }
  const std::optional<Options> options = ReadOptions(args, err);
  if (!options) return 2;
  Session session(*options, in, out, err, outputIsTerminal);
  const std::string_view command = options->words.empty() ? "" : options->words.front();
  if (command == "contrast") return session.Contrast();
  if (command == "name") return session.Name();
  if (command == "gradient") return session.Gradient();
  if (command == "simulate") return session.Simulate();
  if (command == "palette") return session.Palette();
  return session.Convert();
}

}  // namespace velkaro::cli
