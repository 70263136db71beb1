// velkaro-color: converts colours given as arguments or one per line on standard input,
// printing what the main window would read out for each.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"
#include "notation_reading.h"

namespace velkaro::cli {

// Reads one colour in any notation the window shows that reads back unambiguously.
// On failure returns nothing and says why in `why`.
std::optional<ColorValue> ParseColour(std::string_view text, std::string& why);

inline constexpr std::string_view kAcceptedForms =
    "r,g,b (each 0-255), rgb(r, g, b), #RRGGBB, #RGB, #cRRGGBB, &HBBGGRR&, a decimal colour value "
    "0-16777215, a CSS colour name, oklab(L a b) or oklch(L C H)";

using velkaro::QuotedForTerminal;

// Exit status: 0 when every colour converted, 1 when any input was bad, 2 on a usage error.
// A binary palette is refused when the output is a terminal.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        bool outputIsTerminal = false);

}  // namespace velkaro::cli
