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

struct FineTuningControls {
  PictureBox &Picture11, &Picture12;  // hue: the container in twips, and its track
  Image& Image_HSLv1;                 // the thumb
  TextBox& Text3;
  PictureBox &Picture9, &Picture10;  // saturation
  Image& Image_Hls2;
  TextBox& Text2;
  PictureBox &Picture6, &Picture8;  // lightness
  Image& Image_Hls3;
  TextBox& Text1;
  PictureBox& Picture_色板;
  Shape& Shape2;
};

class FineTuning : private FineTuningControls {
 public:
  // grabOffsetX is the grab point the channel sliders keep too: one press at a time.
  FineTuning(const FineTuningControls& controls, Palette& palette, std::int16_t& grabOffsetX, PaletteActions& actions,
             const Units& units, ScreenPointer& screen, WindowHost& window, SystemServices& system)
      : FineTuningControls(controls), palette_(palette), GrabOffsetX(grabOffsetX), actions_(actions), units_(units),
        screen_(screen), window_(window), system_(system) {}

  enum Row { kHue = 0, kSaturation = 1, kLightness = 2 };
  struct Slider {
    PictureBox& container;
    PictureBox& track;
    Image& thumb;
    TextBox& box;
  };
  Slider SliderOf(int row);

  // X in twips for a thumb, in pixels for a track; Button the buttons held (1: left).
  void Thumb_MouseDown(int row, int Button, int Shift, float X, float Y);
  void Thumb_MouseMove(int row, int Button, int Shift, float X, float Y);
  void Thumb_MouseUp(int row, int Button, int Shift, float X, float Y);
  void Track_MouseDown(int row, int Button, int Shift, float X, float Y);
  void Track_MouseMove(int row, int Button, int Shift, float X, float Y);
  void Track_MouseUp(int row, int Button, int Shift, float X, float Y);
  // The hold ended without a release: only the confinement is lifted.
  void HoldLost() { ReleaseCursorClip(screen_); }

 private:
  // How a step reads its slider: the saturation's range doubles on the track, and the
  // lightness readout after a track move shows the shift itself.
  enum class From { Thumb, TrackPress, TrackMove };
  void RowSteps(int row, From from);
  void HueValue();
  void PlaceMarkerFromHue();
  bool ThumbOnTrack(int row);
  void ClampThumb(int row);

  Palette& palette_;
  std::int16_t& GrabOffsetX;
  PaletteActions& actions_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  SystemServices& system_;
};

}  // namespace velkaro
