// The red, green and blue sliders: a thumb dragged along a track sets its channel, with
// the pointer confined to the slider while the button is held. The tracks show ramps of
// their channel, and the thumbs follow the colour however it was set.
#pragma once

#include <cstdint>

#include "controls.h"
#include "platform.h"
#include "units.h"
#include "workspace.h"

namespace velkaro {

struct SliderControls {
  PictureBox &Picture3, &Picture_R;  // red: the container in twips, and its track
  Image& Image_R;                    // the thumb
  TextBox& Text_R;
  PictureBox &Picture4, &Picture_G;
  Image& Image_G;
  TextBox& Text_G;
  PictureBox &Picture7, &Picture_B;
  Image& Image_B;
  TextBox& Text_B;
};

class ChannelSliders : private SliderControls, public ColourFollower {
 public:
  ChannelSliders(const SliderControls& controls, Workspace& workspace, const Units& units, ScreenPointer& screen,
                 WindowHost& window, SystemServices& system)
      : SliderControls(controls), workspace_(workspace), units_(units), screen_(screen), window_(window),
        system_(system) {}

  struct ChannelSlider {
    PictureBox& container;
    PictureBox& track;
    Image& thumb;
    TextBox& box;
  };
  ChannelSlider SliderOf(int channel);

  // Handlers of a slider's thumb and track; channel 0 red, 1 green, 2 blue.
  void Thumb_MouseDown(int channel, int Button, int Shift, float X, float Y);
  void Thumb_MouseMove(int channel, int Button, int Shift, float X, float Y);
  void Track_MouseDown(int channel, int Button, int Shift, float X, float Y);
  void Track_MouseMove(int channel, int Button, int Shift, float X, float Y);
  void Slider_MouseUp(int channel);

  void 初始化三原色(std::int32_t r, std::int32_t g, std::int32_t b);  // the track ramps
  // Pixels to twips along an axis (0: x) at the screen's density now; 0 with a message
  // box when that cannot be done.
  std::int32_t PixelsToTwips(float value, float axis);

  void ChannelsWritten(std::int32_t R, std::int32_t G, std::int32_t B) override;
  void ColourShown(std::int32_t r, std::int32_t g, std::int32_t b) override { 初始化三原色(r, g, b); }

  // The channel a thumb at place L of a track W wide stands for.
  static std::int32_t ChannelAt(float L, float W);

  std::int16_t GrabOffsetX = 0;

 private:
  void SliderUpdate(int channel, float proposedLeft);
  bool ThumbOnTrack(int channel);
  void ConfineCursor(const Control& c);
  void ReleaseCursorClip();

  Workspace& workspace_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  SystemServices& system_;
};

}  // namespace velkaro
