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

// Where TintChannelBoxes puts the thumb for channel v: W / 255 x v, in 32-bit floats.
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

ChannelSlider::ChannelSlider(ControlList& w, Control* parent, const char* names[3], float top, float thumbTop)
    : container{w, names[0], parent, {375, top, 1385, 285}},
      track{w, names[1], &container, {75, 10, 1215, 90}},
      thumb{w, names[2], &container, {0, thumbTop, 165, 150}, PictureId::SliderThumb} {
  container.twipScale = true;
}

namespace {
const char* kRedNames[3] = {"Picture3", "Picture_R", "Image_R"};
const char* kGreenNames[3] = {"Picture4", "Picture_G", "Image_G"};
const char* kBlueNames[3] = {"Picture7", "Picture_B", "Image_B"};
}  // namespace

ChannelPanel::ChannelPanel(ControlList& w)
    : frame{w, "Frame4", nullptr, Px(132, 40, 153, 110), "基色:"},
      labels{{{w, "Label_R", &frame, {60, 255, 360, 360}, "R：", 12},
              {w, "Label_G", &frame, {60, 720, 360, 360}, "G：", 12},
              {w, "Label_B", &frame, {60, 1175, 360, 360}, "B：", 12}}},
      sliders{{{w, &frame, kRedNames, 300, 105}, {w, &frame, kGreenNames, 765, 110}, {w, &frame, kBlueNames, 1220, 110}}},
      boxes{{{w, "Text_R", &frame, {1755, 300, 480, 270}, "0"},
             {w, "Text_G", &frame, {1755, 765, 480, 270}, "0"},
             {w, "Text_B", &frame, {1755, 1220, 480, 270}, "0"}}} {}

ChannelSliders::ChannelSliders(ChannelPanel& panel, Workspace& workspace, const Units& units, ScreenPointer& screen,
                               WindowHost& window, SystemServices& system)
    : panel_(panel), workspace_(workspace), units_(units), screen_(screen), window_(window), system_(system) {
  for (int ch = 0; ch < 3; ++ch) {
    ChannelSlider& s = Slider(ch);
    s.thumb.onMouseDown = [this](const MouseEvent& e) { ThumbDown(e); };
    s.thumb.onMouseMove = [this, ch](const MouseEvent& e) { ThumbMove(ch, e); };
    s.track.onMouseDown = [this, ch](const MouseEvent& e) { TrackDown(ch, e); };
    s.track.onMouseMove = [this, ch](const MouseEvent& e) { TrackMove(ch, e); };
    for (Control* c : {static_cast<Control*>(&s.thumb), static_cast<Control*>(&s.track)}) {
      c->onMouseUp = [this](const MouseEvent&) { SliderUp(); };
      c->onCaptureLost = [this] { SliderUp(); };
    }
  }
}

// The update of one step: the thumb at the proposed place, clamped to the track, and the
// channel read from where it stands (v = floor(255 x L / W)).
void ChannelSliders::SliderUpdate(int channel, float proposedLeft) {
  ChannelSlider& s = Slider(channel);
  TextBox& box = panel_.boxes[static_cast<std::size_t>(channel)];
  const float W = s.track.place.width;
  s.thumb.place.left = proposedLeft;
  ConfineCursor(s.container);
  if (s.thumb.place.left <= 0) s.thumb.place.left = 0;
  if (s.thumb.place.left >= W) s.thumb.place.left = W;
  const std::int32_t v = ChannelAt(s.thumb.place.left, W);
  box.text = DecimalText(v);
  box.backColor = PureChannel(channel, v);
  workspace_.RefreshValues();
}

bool ChannelSliders::ThumbOnTrack(int channel) {
  const ChannelSlider& s = Slider(channel);
  return s.thumb.place.left >= 0 && s.thumb.place.left <= s.track.place.width;
}

void ChannelSliders::ThumbDown(const MouseEvent& e) {
  if (e.buttons == kLeftButton) grabOffsetX = Whole16(e.x);
}

void ChannelSliders::ThumbMove(int channel, const MouseEvent& e) {
  screen_.SetHandCursor();
  if (e.buttons == kLeftAlone && ThumbOnTrack(channel)) {
    // The grabbed point of the thumb stays under the pointer.
    SliderUpdate(channel, Slider(channel).thumb.place.left - grabOffsetX + e.x);
  } else {
    ReleaseCursorClip();
  }
}

// A press on the track confines the pointer and rewrites the channel from where the thumb
// stands; the thumb does not jump, since the offset was just taken from X.
void ChannelSliders::TrackDown(int channel, const MouseEvent& e) {
  if (e.buttons == kLeftButton) grabOffsetX = Whole16(e.x);
  screen_.SetHandCursor();
  if (e.buttons == kLeftAlone && ThumbOnTrack(channel))
    SliderUpdate(channel, Slider(channel).thumb.place.left - grabOffsetX + e.x);
  else
    ReleaseCursorClip();
}

// The thumb's left edge goes to the pointer's distance along the track, in twips.
void ChannelSliders::TrackMove(int channel, const MouseEvent& e) {
  screen_.SetHandCursor();
  if (e.buttons == kLeftAlone && ThumbOnTrack(channel))
    SliderUpdate(channel, static_cast<float>(PixelsToTwips(e.x, e.y)));
  else
    ReleaseCursorClip();
}

void ChannelSliders::SliderUp() {
  workspace_.RefreshDisplay();
  ReleaseCursorClip();
}

void ChannelSliders::ConfineCursor(const Control& c) { velkaro::ConfineCursor(screen_, window_, units_, c); }

void ChannelSliders::ReleaseCursorClip() { velkaro::ReleaseCursorClip(screen_); }

// Thumbs: L = W / 255 x channel, in 32-bit floats, in the containers' twips.
void ChannelSliders::ChannelsWritten(std::int32_t r, std::int32_t g, std::int32_t b) {
  const std::int32_t channels[3] = {r, g, b};
  for (int ch = 0; ch < 3; ++ch) Slider(ch).thumb.place.left = ThumbPlace(Slider(ch).track.place.width, channels[ch]);
}

/* Each track shows its channel running 0..255 with the other two as they are. The ramp
 * is n = W / 16 columns long, W the track width in twips (76 columns for 1215): W / 16
 * stands in for the width in pixels, so the ramp keeps its length at any density, and
 * the columns past it show the channel at 255. One-pixel lines, one per column. */
void ChannelSliders::DrawChannelRamps(std::int32_t r, std::int32_t g, std::int32_t b) {
  const auto W = static_cast<std::int32_t>(RoundTiesToEven(Slider(0).track.place.width));
  const std::int32_t n = static_cast<std::int32_t>(RoundTiesToEven(W / 16.0));
  const std::int32_t last = static_cast<std::int32_t>(RoundTiesToEven(W / 16.0 + n));
  for (int ch = 0; ch < 3; ++ch) {
    Surface& s = Slider(ch).track.surface;
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
