#include "fine_tuning.h"

#include <cmath>

namespace velkaro {

namespace {
constexpr int kLeftAlone = 1;  // the button state of a drag: the left button and no other
constexpr int kLeftButton = 1;

std::int16_t Whole16(float x) { return RoundHalfEven<std::int16_t>(x).value_or(0); }
std::int32_t Whole32(double x) { return RoundHalfEven<std::int32_t>(x).value_or(0); }
std::string FloorText(float x) { return DecimalText(static_cast<std::int64_t>(std::floor(x))); }
}  // namespace

FineTuning::Slider FineTuning::SliderOf(int row) {
  switch (row) {
    case kHue: return {Picture11, Picture12, Image_HSLv1, Text3};
    case kSaturation: return {Picture9, Picture10, Image_Hls2, Text2};
    default: return {Picture6, Picture8, Image_Hls3, Text1};
  }
}

bool FineTuning::ThumbOnTrack(int row) {
  const Slider s = SliderOf(row);
  return s.thumb.place.left >= 0 && s.thumb.place.left <= s.track.place.width;
}

void FineTuning::ClampThumb(int row) {
  const Slider s = SliderOf(row);
  if (s.thumb.place.left <= 0) s.thumb.place.left = 0;
  if (s.thumb.place.left >= s.track.place.width) s.thumb.place.left = s.track.place.width;
}

/* The shifts from the thumb's place L on a track W twips wide, in doubles and in the
 * program's own form of each formula (it decides the last bit):
 *   hue         L / ((W / 2) / 360 x 100) x 100 - 360          -360..360 degrees
 *   saturation  L / (W / 100 x 100) x 100 - 100  (thumb)        -100..0 percent
 *               L / ((W / 2) / 100 x 100) x 100 - 100  (track)   -100..100
 *   lightness   L / (W / 100 x 100) x 100 - 50, whole           -50..50 percent
 * The readouts: floor of the hue, floor of the saturation + 100, lightness + 50 (the
 * shift itself after a track move). */
void FineTuning::HueValue() {
  const double L = Image_HSLv1.place.left, W = Picture12.place.width;
  palette_.HueShift = static_cast<float>(L / ((W / 2) / 360 * 100) * 100 - 360);
  Text3.text = FloorText(palette_.HueShift);
}

void FineTuning::RowSteps(int row, From from) {
  const Slider s = SliderOf(row);
  const double L = s.thumb.place.left, W = s.track.place.width;
  switch (row) {
    case kHue:
      if (from != From::TrackMove) PlaceMarkerFromHue();
      HueValue();
      break;
    case kSaturation:
      palette_.SaturationShift = static_cast<float>(from == From::Thumb ? L / (W / 100 * 100) * 100 - 100
                                                                        : L / ((W / 2) / 100 * 100) * 100 - 100);
      Text2.text = DecimalText(static_cast<std::int64_t>(std::floor(palette_.SaturationShift)) + 100);
      break;
    default:
      if (from == From::TrackMove) {
        palette_.LightnessShift = Whole32(L / ((W / 2) / 50 * 100) * 100 - 50);
        Text1.text = DecimalText(palette_.LightnessShift);
      } else {
        palette_.LightnessShift = Whole32(L / (W / 100 * 100) * 100 - 50);
        Text1.text = DecimalText(palette_.LightnessShift + 50);
      }
  }
}

/* The marker goes to the thumb's share of the strip, P = L / W x SW, its top edge on the
 * strip's middle line; at the right end it steps back by its width so that it stays on
 * the strip. */
void FineTuning::PlaceMarkerFromHue() {
  const double L = Image_HSLv1.place.left, W = Picture12.place.width;
  const double SW = palette_.ScaleWidth(Picture_色板);
  std::int32_t P = Whole32(L / W * 100 * SW / 100);
  if (P > 0 && P >= SW) P = Whole32(L / W * 100 * SW / 100 - palette_.MarkerWidth(Shape2));
  if (P <= 0) P = 0;
  palette_.SetMarkerLeft(Shape2, static_cast<float>(P));
  palette_.SetMarkerTop(Shape2, palette_.ScaleHeight(Picture_色板) / 2);
}

void FineTuning::Thumb_MouseDown(int row, int Button, int, float X, float) {
  if (Button != kLeftButton) return;
  GrabOffsetX = Whole16(X);
  if (row == kLightness) screen_.SetHandCursor();
}

// The grabbed point of the thumb stays under the pointer.
void FineTuning::Thumb_MouseMove(int row, int Button, int, float X, float) {
  screen_.SetHandCursor();
  if (Button != kLeftAlone || !ThumbOnTrack(row)) return ReleaseCursorClip(screen_);
  const Slider s = SliderOf(row);
  ConfineCursor(screen_, window_, units_, s.container);
  s.thumb.place.left = s.thumb.place.left - GrabOffsetX + X;
  ClampThumb(row);
  RowSteps(row, From::Thumb);
  palette_.拖动杆变化();
  actions_.控件刷新();
}

void FineTuning::Thumb_MouseUp(int, int, int, float, float) { ReleaseCursorClip(screen_); }

// A press on the track applies the slider where its thumb stands; only the saturation's
// thumb jumps to the pointer.
void FineTuning::Track_MouseDown(int row, int Button, int, float X, float Y) {
  if (Button == kLeftButton) GrabOffsetX = Whole16(X);
  screen_.SetHandCursor();
  if (Button != kLeftAlone || !ThumbOnTrack(row)) return ReleaseCursorClip(screen_);
  const Slider s = SliderOf(row);
  ConfineCursor(screen_, window_, units_, s.container);
  if (row == kSaturation)
    s.thumb.place.left = static_cast<float>(PixelsToTwips(screen_, system_, X, Y));
  else
    s.thumb.place.left = s.thumb.place.left - GrabOffsetX + X;
  ClampThumb(row);
  RowSteps(row, From::TrackPress);
  palette_.拖动杆变化();
  actions_.控件刷新();
}

// The thumb's left edge goes to the pointer's distance along the track, in twips. The
// hue's marker stays where it is until the release.
void FineTuning::Track_MouseMove(int row, int Button, int, float X, float Y) {
  screen_.SetHandCursor();
  if (Button != kLeftAlone || !ThumbOnTrack(row)) return ReleaseCursorClip(screen_);
  const Slider s = SliderOf(row);
  ConfineCursor(screen_, window_, units_, s.container);
  s.thumb.place.left = static_cast<float>(PixelsToTwips(screen_, system_, X, Y));
  ClampThumb(row);
  RowSteps(row, From::TrackMove);
  palette_.拖动杆变化();
  if (row != kLightness) actions_.控件刷新();
}

// Any button's release on the hue track moves the thumb to the pointer and applies the
// hue, even after a press that changed nothing; the marker is placed from where the
// thumb stood before.
void FineTuning::Track_MouseUp(int row, int, int, float X, float Y) {
  switch (row) {
    case kHue:
      PlaceMarkerFromHue();
      Image_HSLv1.place.left = static_cast<float>(PixelsToTwips(screen_, system_, X, Y));
      ClampThumb(kHue);
      HueValue();
      palette_.拖动杆变化();
      ReleaseCursorClip(screen_);
      break;
    case kSaturation:
      ReleaseCursorClip(screen_);
      palette_.拖动杆变化();
      actions_.控件刷新();
      break;
    default: ReleaseCursorClip(screen_);
  }
}

}  // namespace velkaro
