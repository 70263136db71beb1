// Palette files of named colours, as design tools read them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "colour.h"

namespace velkaro {

struct PaletteEntry {
  std::string name;  // UTF-8
  ColorValue colour;
};

enum class PaletteFormat { Gpl, Ase, Css, Json };
inline constexpr std::string_view kPaletteFormatNames[] = {"gpl", "ase", "css", "json"};
std::optional<PaletteFormat> PaletteFormatNamed(std::string_view name);

// The whole file, in order:
//   gpl   the GIMP and Inkscape palette: a header with the title, then "R G B<TAB>name" rows;
//   ase   Adobe Swatch Exchange 1.0 (binary): one global RGB colour per entry, its name in
//         UTF-16;
//   css   custom properties --velkaro-1, --velkaro-2, ... under :root, each name a comment;
//   json  an array of {"name", "hex", "rgb"}.
std::string PaletteFile(PaletteFormat format, std::span<const PaletteEntry> entries, std::string_view title);

}  // namespace velkaro
