// The red, green and blue sliders: a thumb dragged along a track sets its channel, with
// the pointer confined to the slider while the button is held. The tracks show ramps of
// their channel, and the thumbs follow the colour however it was set.
#pragma once

#include <array>
#include <cstdint>

#include "controls.h"
#include "platform.h"
#include "units.h"
#include "workspace.h"

namespace velkaro {

// One channel's slider: a container in twips holding the track and the thumb below it.
struct ChannelSlider {
  ChannelSlider(ControlList& w, Control* parent, const char* names[3], float top, float thumbTop);
  PictureBox container;
  PictureBox track;
  Image thumb;
};

// The base colours: red, green and blue, each a label, a slider and the box holding the
// channel (the boxes are the current colour).
struct ChannelPanel {
  explicit ChannelPanel(ControlList& window);
  Frame frame;
  std::array<Label, 3> labels;
  std::array<ChannelSlider, 3> sliders;
  std::array<TextBox, 3> boxes;
};

class ChannelSliders : public ColourFollower {
 public:
  ChannelSliders(ChannelPanel& panel, Workspace& workspace, const Units& units, ScreenPointer& screen,
                 WindowHost& window, SystemServices& system);

  // Handlers of a slider's thumb and track; channel 0 red, 1 green, 2 blue.
  void ThumbDown(const MouseEvent& e);
  void ThumbMove(int channel, const MouseEvent& e);
  void TrackDown(int channel, const MouseEvent& e);
  void TrackMove(int channel, const MouseEvent& e);
  void SliderUp();

  void DrawChannelRamps(std::int32_t r, std::int32_t g, std::int32_t b);  // the track ramps
  // Pixels to twips along an axis (0: x) at the screen's density now; 0 with a message
  // box when that cannot be done.
  std::int32_t PixelsToTwips(float value, float axis);

  void ChannelsWritten(std::int32_t r, std::int32_t g, std::int32_t b) override;
  void ColourShown(std::int32_t r, std::int32_t g, std::int32_t b) override { DrawChannelRamps(r, g, b); }

  // The channel a thumb at place L of a track W wide stands for.
  static std::int32_t ChannelAt(float L, float W);

  std::int16_t grabOffsetX = 0;

 private:
  void SliderUpdate(int channel, float proposedLeft);
  bool ThumbOnTrack(int channel);
  void ConfineCursor(const Control& c);
  void ReleaseCursorClip();
  ChannelSlider& Slider(int channel) { return panel_.sliders[static_cast<std::size_t>(channel)]; }

  ChannelPanel& panel_;
  Workspace& workspace_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  SystemServices& system_;
};

}  // namespace velkaro
