// The palettes: the hue strip with its marker, recoloured by the fine-tuning shifts; the
// swatch cells with theirs; and the Windows colour dialog. A press or a drag on either
// picture makes the colour under the pointer the current one.
#pragma once

#include <cstdint>

#include "cls_rgb.h"
#include "controls.h"
#include "platform.h"
#include "units.h"
#include "workspace.h"

namespace velkaro {

// What the palettes ask of the window around them.
class PaletteActions {
 public:
  virtual ~PaletteActions() = default;
  virtual void PicEn() = 0;     // the image buttons back to their resting pictures
  virtual void 控件刷新() = 0;  // repaint now, while the button is held
};

struct PaletteControls {
  PictureBox& Picture_色板;  // the hue strip, in pixels
  Shape& Shape2;             // its marker
  PictureBox& Picture12;     // the hue slider's track: the strip, scaled
  PictureBox& 调色板1;       // the swatch cells, in pixels
  Shape& Shape1;             // their marker
};

class Palette : private PaletteControls {
 public:
  Palette(const PaletteControls& controls, Workspace& workspace, const Units& units, PaletteActions& actions,
          ScreenPointer& screen, WindowHost& window, DialogServices& dialogs)
      : PaletteControls(controls), workspace_(workspace), units_(units), actions_(actions), screen_(screen),
        window_(window), dialogs_(dialogs) {}

  void DrawSwatches();
  // Draws the rainbow into the strip, scales it into the hue track and binds both
  // pictures for recolouring. The arguments are not used.
  void 色板三原色(std::int32_t a, std::int32_t b, std::int32_t c);
  // The colour of the swatch under the marker, read in the palette's pixels.
  ColorValue ColourUnderMarker() const;
  // Recolours the strip by all three shifts and the hue track by the hue, then takes the
  // strip's colour at the marker's corner.
  void 拖动杆变化();
  // The Windows colour dialog: a chosen colour becomes the current one; cancel changes
  // nothing.
  bool 调用系统调色板();  // true when the dialog gave a colour

  // Press, move and release on the hue strip or the swatch palette; X and Y in the
  // picture's pixels. Any button presses.
  bool IsPalettePicture(const Control& c) const { return &c == &Picture_色板 || &c == &调色板1; }
  void Palette_MouseDown(PictureBox& picture, int Button, int Shift, float X, float Y);
  void Palette_MouseMove(PictureBox& picture, int Button, int Shift, float X, float Y);
  void Palette_MouseUp(PictureBox& picture, int Button, int Shift, float X, float Y);

  // A marker's place, in its picture's pixels. Its size and the pictures' sizes are whole
  // pixels, as the window shows them: the right-end tests below compare with those.
  float MarkerLeft(const Shape& marker) const { return marker.place.left / units_.TwipsPerPixelX(); }
  float MarkerTop(const Shape& marker) const { return marker.place.top / units_.TwipsPerPixelY(); }
  float MarkerWidth(const Shape& marker) const { return static_cast<float>(units_.PixelsX(marker.place.width)); }
  float MarkerHeight(const Shape& marker) const { return static_cast<float>(units_.PixelsY(marker.place.height)); }
  void SetMarkerLeft(Shape& marker, float x) const { marker.place.left = x * units_.TwipsPerPixelX(); }
  void SetMarkerTop(Shape& marker, float y) const { marker.place.top = y * units_.TwipsPerPixelY(); }
  static float ScaleWidth(const PictureBox& p) { return static_cast<float>(p.surface.Width()); }
  static float ScaleHeight(const PictureBox& p) { return static_cast<float>(p.surface.Height()); }

  std::int16_t PalettePressed = 0;  // -1 from a press on either picture to its release
  // The fine-tuning shifts: degrees, percent, percent.
  float HueShift = 0;
  float SaturationShift = 0;
  std::int32_t LightnessShift = 0;
  clsRGB PaletteRecolor, HueTrackRecolor;

  // The program's own timing of its fine-tuning steps: the recolouring of both pictures,
  // and the whole step with the colour taken and shown.
  struct Timings {
    std::uint32_t steps = 0;
    double recolourMicros = 0, stepMicros = 0;
  } fineTuneTimings;

 private:
  Shape& MarkerOf(const PictureBox& picture) { return &picture == &Picture_色板 ? Shape2 : Shape1; }
  void CentreMarker(Shape& marker, float X, float Y);

  Workspace& workspace_;
  const Units& units_;
  PaletteActions& actions_;
  ScreenPointer& screen_;
  WindowHost& window_;
  DialogServices& dialogs_;
};

// The colour at a picture's point, the nearest pixel to it; kNoColor outside.
ColorValue PointAt(const Surface& picture, float x, float y);

}  // namespace velkaro
