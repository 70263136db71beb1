// The palettes: the swatch cells with their marker, and the hue strip (whose drawing and
// handlers come with the fine-tuning).
#pragma once

#include <cstdint>

#include "controls.h"
#include "units.h"
#include "workspace.h"

namespace velkaro {

struct PaletteControls {
  PictureBox& 调色板1;  // the swatch cells
  Shape& Shape1;        // the swatch marker
  PictureBox& Picture_色板;  // the hue strip
};

class Palette : private PaletteControls {
 public:
  Palette(const PaletteControls& controls, Workspace& workspace, const Units& units)
      : PaletteControls(controls), workspace_(workspace), units_(units) {}

  void DrawSwatches();
  void 色板三原色(std::int32_t a, std::int32_t b, std::int32_t c);
  // The colour of the swatch under the marker, read in the palette's pixels.
  ColorValue ColourUnderMarker() const;

 private:
  Workspace& workspace_;  // the hue strip sets the colour through it
  const Units& units_;
};

}  // namespace velkaro
