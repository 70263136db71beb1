#include "palette.h"

#include "swatch.h"

namespace velkaro {

void Palette::DrawSwatches() { DrawSwatchPalette(调色板1.surface); }

void Palette::色板三原色(std::int32_t, std::int32_t, std::int32_t) {}

ColorValue Palette::ColourUnderMarker() const {
  return 调色板1.surface.Get(units_.PixelsX(Shape1.place.left), units_.PixelsY(Shape1.place.top));
}

// No zhuan here: the strips only zhuan draws keep their colours.
void Palette::调用系统调色板() {
  const std::optional<ColorValue> chosen = dialogs_.ChooseColour();
  if (!chosen) return;
  workspace_.SetChannels(SplitChannels(*chosen));
  workspace_.RefreshDisplay();
  workspace_.RefreshValues();
}

}  // namespace velkaro
