#include "swatch.h"

#include <array>

namespace velkaro {

namespace {

constexpr ColorValue Rrggbb(std::uint32_t hex) {
  return ComposeColor(hex >> 16 & 0xFF, hex >> 8 & 0xFF, hex & 0xFF);
}

struct Cell {
  int x0, x1;
  std::uint32_t row1, row2;  // RRGGBB
};

constexpr std::array<Cell, 13> kCells = {{
    {1, 18, 0xE7000B, 0x7E003E},    {20, 39, 0xEC6300, 0xD2C0A5},   {41, 60, 0xF49500, 0x5A493D},
    {62, 81, 0xFFF001, 0x6A3905},   {83, 102, 0x90C41F, 0x707070},  {104, 123, 0x21AE35, 0xD8A507},
    {125, 143, 0x009F95, 0xF78750}, {145, 164, 0x00A1EC, 0xF19EBB}, {166, 185, 0x00469D, 0x8757A0},
    {187, 206, 0x1A1F85, 0x44592E}, {208, 227, 0x5F1A87, 0x8DA5E8}, {229, 248, 0x920780, 0x535353},
    {250, 268, 0xFFFFFF, 0x000000},
}};

constexpr ColorValue kEdge = Rrggbb(0xFEF9F4);  // the outermost rows, near white
constexpr int kRow1Top = 1, kRow1Bottom = 20, kRow2Top = 22, kRow2Bottom = 40;

}  // namespace

void DrawSwatchPalette(Surface& s) {
  for (int y = 0; y < kSwatchHeight; ++y)
    for (int x = 0; x < kSwatchWidth; ++x)
      s.Set(x, y, y == 0 || y == kSwatchHeight - 1 ? kEdge : kWhite);
  for (const Cell& c : kCells)
    for (int x = c.x0; x <= c.x1; ++x) {
      for (int y = kRow1Top; y <= kRow1Bottom; ++y) s.Set(x, y, Rrggbb(c.row1));
      for (int y = kRow2Top; y <= kRow2Bottom; ++y) s.Set(x, y, Rrggbb(c.row2));
    }
}

}  // namespace velkaro
