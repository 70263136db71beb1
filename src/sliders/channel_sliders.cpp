#include "channel_sliders.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velkaro {

namespace {
constexpr int kLeftAlone = 1;
constexpr int kLeftButton = 1;

ColorValue PureChannel(int channel, std::int32_t v) {
  return ComposeColor(channel == 0 ? v : 0, channel == 1 ? v : 0, channel == 2 ? v : 0);
}

std::int16_t Whole16(float x) { return RoundHalfEven<std::int16_t>(x).value_or(0); }

// Where 文本颜色 puts the thumb for channel v: W / 255 x v, in 32-bit floats.
float ThumbPlace(float W, std::int32_t v) { return W / 255.0f * static_cast<float>(v); }
}  // namespace

/* The channel at thumb place L: floor(255 x L / W). The float product that placed a thumb
 * for v lands a hair below v x W / 255 for most v, and the floor alone would read v - 1:
 * a press that does not move would lower the channel. So a place within a thousandth of
 * a twip of the next channel's thumb place (the float steps of a drag that does not move
 * sideways, L - offset + X, shift it by a few millionths) reads as that channel; every
 * other place reads as before. */
std::int32_t ChannelSliders::ChannelAt(float L, float W) {
  constexpr float kSameTwip = 1e-3f;
  auto v = static_cast<std::int32_t>(std::floor(255 * (static_cast<double>(L) / W)));
  v = std::clamp(v, 0, 255);
  if (v < 255 && ThumbPlace(W, v + 1) - L <= kSameTwip) ++v;
  return v;
}

ChannelSliders::ChannelSlider ChannelSliders::SliderOf(int channel) {
  switch (channel) {
    case 0: return {Picture3, Picture_R, Image_R, Text_R};
    case 1: return {Picture4, Picture_G, Image_G, Text_G};
    default: return {Picture7, Picture_B, Image_B, Text_B};
  }
}

// The update of one step: the thumb at the proposed place, clamped to the track, and the
// channel read from where it stands (v = floor(255 x L / W)).
void ChannelSliders::SliderUpdate(int channel, float proposedLeft) {
  ChannelSlider s = SliderOf(channel);
  const float W = s.track.place.width;
  s.thumb.place.left = proposedLeft;
  ConfineCursor(s.container);
  if (s.thumb.place.left <= 0) s.thumb.place.left = 0;
  if (s.thumb.place.left >= W) s.thumb.place.left = W;
  const std::int32_t v = ChannelAt(s.thumb.place.left, W);
  s.box.text = DecimalText(v);
  s.box.backColor = PureChannel(channel, v);
  workspace_.RefreshDisplay();
  workspace_.RefreshValues();
}

bool ChannelSliders::ThumbOnTrack(int channel) {
  const ChannelSlider s = SliderOf(channel);
  return s.thumb.place.left >= 0 && s.thumb.place.left <= s.track.place.width;
}

void ChannelSliders::Thumb_MouseDown(int, int Button, int, float X, float) {
  if (Button == kLeftButton) GrabOffsetX = Whole16(X);
}

void ChannelSliders::Thumb_MouseMove(int channel, int Button, int, float X, float) {
  screen_.SetHandCursor();
  if (Button == kLeftAlone && ThumbOnTrack(channel)) {
    // The grabbed point of the thumb stays under the pointer.
    SliderUpdate(channel, SliderOf(channel).thumb.place.left - GrabOffsetX + X);
  } else {
    ReleaseCursorClip();
  }
}

// A press on the track confines the pointer and rewrites the channel from where the thumb
// stands; the thumb does not jump, since the offset was just taken from X.
void ChannelSliders::Track_MouseDown(int channel, int Button, int, float X, float) {
  if (Button == kLeftButton) GrabOffsetX = Whole16(X);
  screen_.SetHandCursor();
  if (Button == kLeftAlone && ThumbOnTrack(channel))
    SliderUpdate(channel, SliderOf(channel).thumb.place.left - GrabOffsetX + X);
  else
    ReleaseCursorClip();
}

// The thumb's left edge goes to the pointer's distance along the track, in twips.
void ChannelSliders::Track_MouseMove(int channel, int Button, int, float X, float Y) {
  screen_.SetHandCursor();
  if (Button == kLeftAlone && ThumbOnTrack(channel))
    SliderUpdate(channel, static_cast<float>(PixelsToTwips(X, Y)));
  else
    ReleaseCursorClip();
}

void ChannelSliders::Slider_MouseUp(int) {
  workspace_.RefreshDisplay();
  ReleaseCursorClip();
}

void ChannelSliders::ConfineCursor(const Control& c) { velkaro::ConfineCursor(screen_, window_, units_, c); }

void ChannelSliders::ReleaseCursorClip() { velkaro::ReleaseCursorClip(screen_); }

// Thumbs: L = W / 255 x channel, in 32-bit floats, in the containers' twips.
void ChannelSliders::ChannelsWritten(std::int32_t R, std::int32_t G, std::int32_t B) {
  Image_R.place.left = ThumbPlace(Picture_R.place.width, R);
  Image_G.place.left = ThumbPlace(Picture_G.place.width, G);
  Image_B.place.left = ThumbPlace(Picture_B.place.width, B);
}

/* Each track shows its channel running 0..255 with the other two as they are. The ramp
 * is n = W / 16 columns long, W the track width in twips (76 columns for 1215): W / 16
 * stands in for the width in pixels, so the ramp keeps its length at any density, and
 * the columns past it show the channel at 255. One-pixel lines, one per column. */
void ChannelSliders::初始化三原色(std::int32_t r, std::int32_t g, std::int32_t b) {
  const auto W = static_cast<std::int32_t>(RoundTiesToEven(Picture_R.place.width));
  const std::int32_t n = static_cast<std::int32_t>(RoundTiesToEven(W / 16.0));
  const std::int32_t last = static_cast<std::int32_t>(RoundTiesToEven(W / 16.0 + n));
  PictureBox* tracks[3] = {&Picture_R, &Picture_G, &Picture_B};
  for (int ch = 0; ch < 3; ++ch) {
    Surface& s = tracks[ch]->surface;
    const std::uint64_t key = (3ull << 56) | static_cast<std::uint64_t>(ComposeColor(r, g, b)) << 8 | ch;
    if (s.Shows(key) || s.Width() == 0) continue;
    std::vector<std::uint32_t> row(s.Row(0), s.Row(0) + s.Width());
    for (std::int32_t i = 0; i <= last && i < s.Width(); ++i) {
      const auto v = static_cast<std::int32_t>(RoundTiesToEven(i * 255.0 / n));
      row[i] = Surface::ToPixel(ch == 0 ? ComposeColor(v, g, b) : ch == 1 ? ComposeColor(r, v, b) : ComposeColor(r, g, v));
    }
    for (int y = 0; y < s.Height(); ++y) std::copy(row.begin(), row.end(), s.Row(y));
    s.Touch();
    s.Mark(key);
  }
}

std::int32_t ChannelSliders::PixelsToTwips(float value, float axis) {
  return velkaro::PixelsToTwips(screen_, system_, value, axis);
}

}  // namespace velkaro
