#include "window_panels.h"

namespace velkaro {

WindowPanels::WindowPanels(int dpiX, int dpiY) : units(dpiX, dpiY) { SizeSurfaces(controls_, units); }

void WindowPanels::SetDensity(int dpiX, int dpiY) {
  units = Units(dpiX, dpiY);
  SizeSurfaces(controls_, units);
}

ColourShownElsewhere WindowPanels::ShownElsewhere() {
  return {.channelBoxes = channelPanel.boxes,
          .eyedropperSwatch = eyedropperPanel.swatch,
          .saturationTrack = tuningPanel.saturation.track,
          .lightnessTrack = tuningPanel.lightness.track,
          .magnifierView = magnifierPanel.view,
          .hueStripMarker = hueStripPanel.marker,
          .swatchMarker = swatchPanel.marker,
          .crossHairH = magnifierPanel.crossHairH,
          .crossHairV = magnifierPanel.crossHairV};
}

}  // namespace velkaro
