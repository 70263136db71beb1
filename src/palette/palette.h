// The palettes: the hue strip with its marker, recoloured by the fine-tuning shifts; the
// swatch cells with theirs; and the Windows colour dialog. A press or a drag on either
// picture makes the colour under the pointer the current one.
#pragma once

#include <cstdint>
#include <functional>

#include "cls_rgb.h"
#include "controls.h"
#include "platform.h"
#include "units.h"
#include "workspace.h"

namespace velkaro {

// The rainbow strip under the readouts, with its marker.
struct HueStripPanel {
  explicit HueStripPanel(ControlList& window);
  PictureBox strip;  // in pixels
  Shape marker;
};

// The swatch cells, right of the window's visible area: never seen, but the start-up
// colour is the one under their marker.
struct SwatchPanel {
  explicit SwatchPanel(ControlList& window);
  Frame frame;
  PictureBox cells;  // in pixels
  Shape marker;
};

class Palette {
 public:
  // hueTrack is the fine-tuning's hue track: it shows the strip, scaled, and is recoloured
  // with it.
  Palette(HueStripPanel& strip, SwatchPanel& swatches, PictureBox& hueTrack, Workspace& workspace,
          const Units& units, ScreenPointer& screen, WindowHost& window, DialogServices& dialogs);
  // Told when the pointer moves over the strip (the image buttons go back to rest).
  std::function<void()> stripHovered;

  void DrawSwatches();
  // Draws the rainbow into the strip, scales it into the hue track and binds both
  // pictures for recolouring. The arguments are not used.
  void DrawHueStrip(std::int32_t a, std::int32_t b, std::int32_t c);
  // The colour of the swatch under the marker, read in the palette's pixels.
  ColorValue ColourUnderMarker() const;
  // Recolours the strip by all three shifts and the hue track by the hue, then takes the
  // strip's colour at the marker's corner.
  void ApplyTuningShifts();
  // The strip and the track recoloured by the shifts, when any is set; no colour taken.
  void RecolourByShifts();
  // The Windows colour dialog: a chosen colour becomes the current one; cancel changes
  // nothing.
  bool ChooseFromColourDialog();  // true when the dialog gave a colour

  // Press, move and release on the hue strip or the swatch palette; X and Y in the
  // picture's pixels. Any button presses.
  void PaletteDown(PictureBox& picture, const MouseEvent& e);
  void PaletteMove(PictureBox& picture, const MouseEvent& e);
  void PaletteUp();

  // A marker's place and size, in its picture's pixels (11.25 wide at 120 dpi); the
  // pictures' sizes are whole pixels, as the window shows them.
  float MarkerLeft(const Shape& marker) const { return marker.place.left / units_.TwipsPerPixelX(); }
  float MarkerTop(const Shape& marker) const { return marker.place.top / units_.TwipsPerPixelY(); }
  float MarkerWidth(const Shape& marker) const { return marker.place.width / units_.TwipsPerPixelX(); }
  float MarkerHeight(const Shape& marker) const { return marker.place.height / units_.TwipsPerPixelY(); }
  void SetMarkerLeft(Shape& marker, float x) const { marker.place.left = x * units_.TwipsPerPixelX(); }
  void SetMarkerTop(Shape& marker, float y) const { marker.place.top = y * units_.TwipsPerPixelY(); }
  static float ScaleWidth(const PictureBox& p) { return static_cast<float>(p.surface.Width()); }
  static float ScaleHeight(const PictureBox& p) { return static_cast<float>(p.surface.Height()); }

  std::int16_t palettePressed = 0;  // -1 from a press on either picture to its release
  // The fine-tuning shifts: degrees, percent, percent.
  float hueShift = 0;
  float saturationShift = 0;
  std::int32_t lightnessShift = 0;
  Recolourer stripRecolour, hueTrackRecolour;

  // The program's own timing of its fine-tuning steps: the recolouring of both pictures,
  // and the whole step with the colour taken and shown.
  struct Timings {
    std::uint32_t steps = 0;
    double recolourMicros = 0, stepMicros = 0;
  } fineTuneTimings;

 private:
  void Recolour();  // both pictures by the shifts
  Shape& MarkerOf(const PictureBox& picture) { return &picture == &strip_.strip ? strip_.marker : swatches_.marker; }
  void CentreMarker(Shape& marker, float x, float y);

  HueStripPanel& strip_;
  SwatchPanel& swatches_;
  PictureBox& hueTrack_;
  Workspace& workspace_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  DialogServices& dialogs_;
};

// The colour at a picture's point, the nearest pixel to it; kNoColor outside, a point left
// of or above the picture included (a marker's corner half a pixel off the edge).
ColorValue PointAt(const Surface& picture, float x, float y);

}  // namespace velkaro
