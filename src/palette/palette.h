// The palettes: the swatch cells with their marker, the hue strip (whose drawing and
// handlers come with the fine-tuning), and the Windows colour dialog.
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
  Palette(const PaletteControls& controls, Workspace& workspace, const Units& units, DialogServices& dialogs)
      : PaletteControls(controls), workspace_(workspace), units_(units), dialogs_(dialogs) {}

  void DrawSwatches();
  void 色板三原色(std::int32_t a, std::int32_t b, std::int32_t c);
  // The colour of the swatch under the marker, read in the palette's pixels.
  ColorValue ColourUnderMarker() const;
  // The Windows colour dialog: a chosen colour becomes the current one; cancel changes
  // nothing.
  void 调用系统调色板();

 private:
  Workspace& workspace_;
  const Units& units_;
  DialogServices& dialogs_;
};

}  // namespace velkaro
