// The fine-tuning sliders under the hue strip: hue, saturation and lightness shifts of the
// strip. Every step stores its slider's shift, shows it beside the slider and recolours
// the strip (and, for the hue, the hue track), taking the current colour from under the
// strip's marker. The hue slider also moves the marker along the strip.
#pragma once

#include <cstdint>

#include "controls.h"
#include "palette.h"
#include "platform.h"
#include "units.h"

namespace velkaro {

// One fine-tuning slider: its label, a container in twips holding the track and the thumb,
// and the box showing its value.
struct TuningRow {
  // Places in the frame's twips (the thumb's in the container's); names as registered.
  struct Layout {
    const char* names[5];  // label, container, track, thumb, box
    const char* caption;
    TwipRect label, container, thumb, box;
    const char* value;
  };
  TuningRow(ControlList& w, Control* parent, const Layout& layout);
  Label label;
  PictureBox container;
  PictureBox track;
  Image thumb;
  TextBox box;
};

// The fine-tuning of the hue strip: hue, saturation and lightness shifts.
struct TuningPanel {
  explicit TuningPanel(ControlList& window);
  Frame frame;
  TuningRow hue, saturation, lightness;
};

class FineTuning {
 public:
  // grabOffsetX is the grab point the channel sliders keep too: one press at a time.
  FineTuning(TuningPanel& panel, HueStripPanel& strip, Palette& palette, std::int16_t& grabOffsetX,
             const Units& units, ScreenPointer& screen, WindowHost& window, SystemServices& system);

  enum Row { kHue = 0, kSaturation = 1, kLightness = 2 };
  TuningRow& RowOf(int row);

  // x in twips for a thumb, in pixels for a track; buttons: those held (1: left).
  void ThumbDown(int row, const MouseEvent& e);
  void ThumbMove(int row, const MouseEvent& e);
  void ThumbUp();
  void TrackDown(int row, const MouseEvent& e);
  void TrackMove(int row, const MouseEvent& e);
  void TrackUp(int row, const MouseEvent& e);

 private:
  // How a step reads its slider: the saturation's range doubles on the track, and the
  // lightness readout after a track move shows the shift itself.
  enum class From { Thumb, TrackPress, TrackMove };
  void RowSteps(int row, From from);
  void HueValue();
  void PlaceMarkerFromHue();
  bool ThumbOnTrack(int row);
  void ClampThumb(int row);

  TuningPanel& panel_;
  HueStripPanel& strip_;
  Palette& palette_;
  std::int16_t& grabOffsetX_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  SystemServices& system_;
};

}  // namespace velkaro
