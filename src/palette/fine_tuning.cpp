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

TuningRow::TuningRow(ControlList& w, Control* parent, const Layout& l)
    : label{w, l.names[0], parent, l.label, l.caption, 10.5f},
      container{w, l.names[1], parent, l.container},
      track{w, l.names[2], &container, {75, 120, 3735, 90}},
      thumb{w, l.names[3], &container, l.thumb, PictureId::SliderThumb},
      box{w, l.names[4], parent, l.box, l.value, true} {
  container.twipScale = true;
}

TuningPanel::TuningPanel(ControlList& w)
    : frame{w, "Frame11", nullptr, Px(288, 288, 361, 100), "色板微调:", 9},
      hue{w, &frame,
          {{"Label32", "Picture11", "Picture12", "Image_HSLv1", "Text3"}, "色相：", {265, 240, 630, 300},
           {840, 220, 3900, 390}, {1920, 225, 165, 150}, {4800, 240, 480, 270}, "0"}},
      saturation{w, &frame,
                 {{"Label30", "Picture9", "Picture10", "Image_Hls2", "Text2"}, "饱和度：", {55, 630, 840, 300},
                  {840, 650, 3900, 390}, {3720, 225, 165, 150}, {4800, 720, 465, 270}, "100"}},
      lightness{w, &frame,
                {{"Label31", "Picture6", "Picture8", "Image_Hls3", "Text1"}, "亮度：", {265, 1065, 630, 300},
                 {840, 1085, 3900, 390}, {1920, 215, 165, 150}, {4800, 1110, 480, 270}, "50"}} {}

FineTuning::FineTuning(TuningPanel& panel, HueStripPanel& strip, Palette& palette, std::int16_t& grabOffsetX,
                       const Units& units, ScreenPointer& screen, WindowHost& window, SystemServices& system)
    : panel_(panel), strip_(strip), palette_(palette), grabOffsetX_(grabOffsetX), units_(units), screen_(screen),
      window_(window), system_(system) {
  for (int row = kHue; row <= kLightness; ++row) {
    TuningRow& r = RowOf(row);
    r.thumb.onMouseDown = [this, row](const MouseEvent& e) { ThumbDown(row, e); };
    r.thumb.onMouseMove = [this, row](const MouseEvent& e) { ThumbMove(row, e); };
    r.thumb.onMouseUp = [this](const MouseEvent&) { ThumbUp(); };
    r.track.onMouseDown = [this, row](const MouseEvent& e) { TrackDown(row, e); };
    r.track.onMouseMove = [this, row](const MouseEvent& e) { TrackMove(row, e); };
    r.track.onMouseUp = [this, row](const MouseEvent& e) { TrackUp(row, e); };
    // The hold ended without a release: only the confinement is lifted.
    r.thumb.onCaptureLost = r.track.onCaptureLost = [this] { ReleaseCursorClip(screen_); };
  }
}

TuningRow& FineTuning::RowOf(int row) {
  switch (row) {
    case kHue: return panel_.hue;
    case kSaturation: return panel_.saturation;
    default: return panel_.lightness;
  }
}

bool FineTuning::ThumbOnTrack(int row) {
  TuningRow& s = RowOf(row);
  return s.thumb.place.left >= 0 && s.thumb.place.left <= s.track.place.width;
}

void FineTuning::ClampThumb(int row) {
  TuningRow& s = RowOf(row);
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
  const double L = panel_.hue.thumb.place.left, W = panel_.hue.track.place.width;
  palette_.hueShift = static_cast<float>(L / ((W / 2) / 360 * 100) * 100 - 360);
  panel_.hue.box.text = FloorText(palette_.hueShift);
}

void FineTuning::RowSteps(int row, From from) {
  TuningRow& s = RowOf(row);
  const double L = s.thumb.place.left, W = s.track.place.width;
  switch (row) {
    case kHue:
      if (from != From::TrackMove) PlaceMarkerFromHue();
      HueValue();
      break;
    case kSaturation:
      palette_.saturationShift = static_cast<float>(from == From::Thumb ? L / (W / 100 * 100) * 100 - 100
                                                                        : L / ((W / 2) / 100 * 100) * 100 - 100);
      panel_.saturation.box.text = DecimalText(static_cast<std::int64_t>(std::floor(palette_.saturationShift)) + 100);
      break;
    default:
      if (from == From::TrackMove) {
        palette_.lightnessShift = Whole32(L / ((W / 2) / 50 * 100) * 100 - 50);
        panel_.lightness.box.text = DecimalText(palette_.lightnessShift);
      } else {
        palette_.lightnessShift = Whole32(L / (W / 100 * 100) * 100 - 50);
        panel_.lightness.box.text = DecimalText(palette_.lightnessShift + 50);
      }
  }
}

/* The marker goes to the thumb's share of the strip, P = L / W x SW, its top edge on the
 * strip's middle line; at the right end it steps back by its width so that it stays on
 * the strip. */
void FineTuning::PlaceMarkerFromHue() {
  const double L = panel_.hue.thumb.place.left, W = panel_.hue.track.place.width;
  const double SW = palette_.ScaleWidth(strip_.strip);
  std::int32_t P = Whole32(L / W * 100 * SW / 100);
  if (P > 0 && P >= SW) P = Whole32(L / W * 100 * SW / 100 - palette_.MarkerWidth(strip_.marker));
  if (P <= 0) P = 0;
  palette_.SetMarkerLeft(strip_.marker, static_cast<float>(P));
  palette_.SetMarkerTop(strip_.marker, palette_.ScaleHeight(strip_.strip) / 2);
}

void FineTuning::ThumbDown(int row, const MouseEvent& e) {
  if (e.buttons != kLeftButton) return;
  grabOffsetX_ = Whole16(e.x);
  if (row == kLightness) screen_.SetHandCursor();
}

// The grabbed point of the thumb stays under the pointer.
void FineTuning::ThumbMove(int row, const MouseEvent& e) {
  screen_.SetHandCursor();
  if (e.buttons != kLeftAlone || !ThumbOnTrack(row)) return ReleaseCursorClip(screen_);
  TuningRow& s = RowOf(row);
  ConfineCursor(screen_, window_, units_, s.container);
  s.thumb.place.left = s.thumb.place.left - grabOffsetX_ + e.x;
  ClampThumb(row);
  RowSteps(row, From::Thumb);
  palette_.ApplyTuningShifts();
}

void FineTuning::ThumbUp() { ReleaseCursorClip(screen_); }

// A press on the track applies the slider where its thumb stands; only the saturation's
// thumb jumps to the pointer.
void FineTuning::TrackDown(int row, const MouseEvent& e) {
  if (e.buttons == kLeftButton) grabOffsetX_ = Whole16(e.x);
  screen_.SetHandCursor();
  if (e.buttons != kLeftAlone || !ThumbOnTrack(row)) return ReleaseCursorClip(screen_);
  TuningRow& s = RowOf(row);
  ConfineCursor(screen_, window_, units_, s.container);
  if (row == kSaturation)
    s.thumb.place.left = static_cast<float>(PixelsToTwips(screen_, system_, e.x, e.y));
  else
    s.thumb.place.left = s.thumb.place.left - grabOffsetX_ + e.x;
  ClampThumb(row);
  RowSteps(row, From::TrackPress);
  palette_.ApplyTuningShifts();
}

// The thumb's left edge goes to the pointer's distance along the track, in twips. The
// hue's marker stays where it is until the release.
void FineTuning::TrackMove(int row, const MouseEvent& e) {
  screen_.SetHandCursor();
  if (e.buttons != kLeftAlone || !ThumbOnTrack(row)) return ReleaseCursorClip(screen_);
  TuningRow& s = RowOf(row);
  ConfineCursor(screen_, window_, units_, s.container);
  s.thumb.place.left = static_cast<float>(PixelsToTwips(screen_, system_, e.x, e.y));
  ClampThumb(row);
  RowSteps(row, From::TrackMove);
  palette_.ApplyTuningShifts();
}

// Any button's release on the hue track moves the thumb to the pointer and applies the
// hue, even after a press that changed nothing; the marker is placed from where the
// thumb stood before.
void FineTuning::TrackUp(int row, const MouseEvent& e) {
  switch (row) {
    case kHue:
      PlaceMarkerFromHue();
      panel_.hue.thumb.place.left = static_cast<float>(PixelsToTwips(screen_, system_, e.x, e.y));
      ClampThumb(kHue);
      HueValue();
      palette_.ApplyTuningShifts();
      ReleaseCursorClip(screen_);
      break;
    case kSaturation:
      ReleaseCursorClip(screen_);
      palette_.ApplyTuningShifts();
      break;
    default: ReleaseCursorClip(screen_);
  }
}

}  // namespace velkaro
