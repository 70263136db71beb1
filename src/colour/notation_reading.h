// Reading a colour back from the notations the window shows: for velkaro-color's input
// and for a notation row the user typed into.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "colour.h"

namespace velkaro {

// The forms a notation comes in.
enum class NotationForm {
  Channels,   // 144,196,31
  CssRgb,     // rgb(144, 196, 31)
  Hash,       // #90C41F (the Html and Delphi rows)
  ShortHash,  // #9C2
  HashC,      // #c90C41F
  Vb,         // &H1FC490&
  Decimal,    // 2081936 (the BASIC row)
};

struct ColourReading {
  ColorValue colour;
  NotationForm form;
};

// Blanks (spaces, tabs, line ends) off both ends.
std::string_view Trim(std::string_view s);
// A whole number of at most 12 digits in `base`, nothing else, not negative.
bool ParseNumber(std::string_view s, int base, long long& value);

// Reads one colour in any notation that reads back unambiguously (not a colour name).
// On failure returns nothing and says why in `why`.
std::optional<ColourReading> ReadNotation(std::string_view text, std::string& why);

// What a notation row's text sets: a notation of the row's own kind (the Html row #RRGGBB
// or #RGB, the VB row &HBBGGRR&, the R,G,B row r,g,b, the Hex row its bare BBGGRR), or
// nothing.
std::optional<ColorValue> ReadRowNotation(int row, std::string_view text);

// Input as error messages quote it: in double quotes, with control characters, bytes that
// are not UTF-8, backslashes and quotes escaped (\x1B, \\, \").
std::string QuotedForTerminal(std::string_view text);

}  // namespace velkaro
