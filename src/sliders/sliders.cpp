// The red, green and blue sliders: a thumb dragged along a track sets its channel, with
// the pointer confined to the slider while the button is held.
#include <cmath>

#include "form1.h"

namespace velkaro {

namespace {
constexpr int kLeftAlone = 1;
constexpr int kLeftButton = 1;

ColorValue PureChannel(int channel, std::int32_t v) {
  return ComposeColor(channel == 0 ? v : 0, channel == 1 ? v : 0, channel == 2 ? v : 0);
}

std::int16_t Whole16(float x) { return RoundHalfEven<std::int16_t>(x).value_or(0); }
}  // namespace

Form1::ChannelSlider Form1::SliderOf(int channel) {
  switch (channel) {
    case 0: return {Picture3, Picture_R, Image_R, Text_R, 0};
    case 1: return {Picture4, Picture_G, Image_G, Text_G, 1};
    default: return {Picture7, Picture_B, Image_B, Text_B, 2};
  }
}

// The update of one step: the thumb at the proposed place, clamped to the track, and the
// channel read from where it stands (v = floor(255 x L / W)).
void Form1::SliderUpdate(int channel, float proposedLeft) {
  ChannelSlider s = SliderOf(channel);
  const float W = s.track.place.width;
  s.thumb.place.left = proposedLeft;
  ConfineCursor(s.container);
  if (s.thumb.place.left <= 0) s.thumb.place.left = 0;
  if (s.thumb.place.left >= W) s.thumb.place.left = W;
  const auto v = static_cast<std::int32_t>(std::floor(255 * (static_cast<double>(s.thumb.place.left) / W)));
  s.box.text = DecimalText(v);
  s.box.backColor = PureChannel(channel, v);
  RefreshDisplay();
  RefreshValues();
}

bool Form1::ThumbOnTrack(int channel) {
  const ChannelSlider s = SliderOf(channel);
  return s.thumb.place.left >= 0 && s.thumb.place.left <= s.track.place.width;
}

void Form1::Thumb_MouseDown(int, int Button, int, float X, float) {
  if (Button == kLeftButton) GrabOffsetX = Whole16(X);
}

void Form1::Thumb_MouseMove(int channel, int Button, int, float X, float) {
  SetHandCursor();
  if (Button == kLeftAlone && ThumbOnTrack(channel)) {
    // The grabbed point of the thumb stays under the pointer.
    SliderUpdate(channel, SliderOf(channel).thumb.place.left - GrabOffsetX + X);
  } else {
    ReleaseCursorClip();
  }
}

// A press on the track confines the pointer and rewrites the channel from where the thumb
// stands; the thumb does not jump, since the offset was just taken from X.
void Form1::Track_MouseDown(int channel, int Button, int, float X, float) {
  if (Button == kLeftButton) GrabOffsetX = Whole16(X);
  SetHandCursor();
  if (Button == kLeftAlone && ThumbOnTrack(channel))
    SliderUpdate(channel, SliderOf(channel).thumb.place.left - GrabOffsetX + X);
  else
    ReleaseCursorClip();
}

// The thumb's left edge goes to the pointer's distance along the track, in twips.
void Form1::Track_MouseMove(int channel, int Button, int, float X, float Y) {
  SetHandCursor();
  if (Button == kLeftAlone && ThumbOnTrack(channel))
    SliderUpdate(channel, static_cast<float>(PixelsToTwips(X, Y)));
  else
    ReleaseCursorClip();
}

void Form1::Slider_MouseUp(int) {
  RefreshDisplay();
  ReleaseCursorClip();
}

void Form1::ConfineCursor(const Control& c) { platform_.ClipCursor(platform_.ClientToScreen(ClientPixels(c))); }

void Form1::ReleaseCursorClip() { platform_.ClipCursor(std::nullopt); }

}  // namespace velkaro
