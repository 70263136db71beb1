// One colour written in one form: a notation of the window, a readout, a CSS form, or a
// template with fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"

namespace velkaro::cli {

// The names --format takes, in the order --help lists them.
inline constexpr std::string_view kFormatNames[] = {"vb",  "html", "delphi", "basic",   "hex",     "c",     "rgb",  "hsv",
                                                    "hls", "cmyk", "lab",    "css-rgb", "css-hsl", "oklab", "oklch"};

// The colour in a named form; nothing for a name that is not one.
std::optional<std::string> Formatted(std::string_view name, ColorValue c);

// A template: literal text with {field} places; {{ and }} stand for braces, and \n, \t
// and \\ for a line break, a tab and a backslash.
class Template {
 public:
  // Nothing, and why in `why`, when the text has an unknown field or an unclosed brace.
  static std::optional<Template> Parse(std::string_view text, std::string& why);
  std::string Fill(ColorValue c, std::string_view input) const;

 private:
  struct Piece {
    bool field;
    std::string text;  // the literal, or the field's name
  };
  std::vector<Piece> pieces_;
};

// Every field a template may hold, with what it gives for 144,196,31: the help text.
std::string_view TemplateFieldHelp();

}  // namespace velkaro::cli
