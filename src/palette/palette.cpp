#include "palette.h"

#include <chrono>

#include "swatch.h"

namespace velkaro {

namespace {
constexpr std::int16_t kTrue = -1, kFalse = 0;
constexpr ColorValue kStripEnd = 0xFF00FF;  // magenta, where the rainbow starts and ends

double MicrosSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t).count();
}
}  // namespace

ColorValue PointAt(const Surface& picture, float x, float y) {
  if (x < 0 || y < 0) return kNoColor;
  return picture.Get(static_cast<int>(RoundTiesToEven(x)), static_cast<int>(RoundTiesToEven(y)));
}

HueStripPanel::HueStripPanel(ControlList& w)
    : strip{w, "Picture_色板", nullptr, Px(288, 152, 361, 77)}, marker{w, "Shape2", &strip, {2640, 480, 135, 135}} {}

SwatchPanel::SwatchPanel(ControlList& w)
    : frame{w, "Frame3", nullptr, {14040, 120, 4260, 1095}, "色板:"},
      cells{w, "调色板1", &frame, {120, 240, 4050, 630}},
      marker{w, "Shape1", &cells, {1320, 120, 135, 135}} {}

Palette::Palette(HueStripPanel& strip, SwatchPanel& swatches, PictureBox& hueTrack, Workspace& workspace,
                 const Units& units, ScreenPointer& screen, WindowHost& window, DialogServices& dialogs)
    : strip_(strip), swatches_(swatches), hueTrack_(hueTrack), workspace_(workspace), units_(units), screen_(screen),
      window_(window), dialogs_(dialogs) {
  for (PictureBox* picture : {&strip_.strip, &swatches_.cells}) {
    picture->onMouseDown = [this, picture](const MouseEvent& e) { PaletteDown(*picture, e); };
    picture->onMouseMove = [this, picture](const MouseEvent& e) { PaletteMove(*picture, e); };
    picture->onMouseUp = [this](const MouseEvent&) { PaletteUp(); };
    picture->onCaptureLost = [this] { PaletteUp(); };
  }
}

void Palette::DrawSwatches() { DrawSwatchPalette(swatches_.cells.surface); }

ColorValue Palette::ColourUnderMarker() const {
  return PointAt(swatches_.cells.surface, MarkerLeft(swatches_.marker), MarkerTop(swatches_.marker));
}

/* Six segments of s = W / 6 columns, each running one channel up or down with d =
 * i x 255 / s: magenta to red, red to yellow, yellow to green, green to cyan, cyan to
 * blue, blue to magenta. A column where two segments meet gets the same colour twice.
 * Where W is not a multiple of 6 plus one (at 144 dpi and more), the columns past the
 * last segment keep the closing magenta rather than the bare background. */
void Palette::DrawHueStrip(std::int32_t, std::int32_t, std::int32_t) {
  Surface& strip = strip_.strip.surface;
  const auto W = static_cast<std::int32_t>(RoundTiesToEven(ScaleWidth(strip_.strip)));
  const auto H = static_cast<std::int32_t>(RoundTiesToEven(ScaleHeight(strip_.strip)));
  const auto s = static_cast<std::int32_t>(RoundTiesToEven(W / 6.0));
  if (s > 0 && H > 0) {
    auto column = [&strip, H](std::int32_t x, ColorValue c) {
      for (std::int32_t y = 0; y <= H; ++y) strip.Set(x, y, c);
    };
    for (std::int32_t i = 0; i <= s; ++i) {
      const auto d = static_cast<std::int32_t>(RoundTiesToEven(i * 255.0 / s));
      column(i, ComposeColor(255, 0, 255 - d));
      column(s + i, ComposeColor(255, d, 0));
      column(2 * s + i, ComposeColor(255 - d, 255, 0));
      column(3 * s + i, ComposeColor(0, 255, d));
      column(4 * s + i, ComposeColor(0, 255 - d, 255));
      column(5 * s + i, ComposeColor(d, 0, 255));
    }
    for (std::int32_t x = 6 * s + 1; x < strip.Width(); ++x) column(x, kStripEnd);
  }
  hueTrack_.surface.StretchFrom(strip, 0, 0, strip.Width(), strip.Height(), 0, 0, hueTrack_.surface.Width(),
                                hueTrack_.surface.Height());
  stripRecolour.HdcSrc(&strip);
  hueTrackRecolour.HdcSrc(&hueTrack_.surface);
}

void Palette::RecolourByShifts() {
  if (hueShift == 0 && saturationShift == 0 && lightnessShift == 0) return;  // the strip as drawn
  Recolour();
}

void Palette::Recolour() {
  stripRecolour.ChangeHSL(static_cast<float>(hueShift / 60.0), static_cast<float>(saturationShift / 100.0),
                           static_cast<float>(lightnessShift / 100.0));
  Surface* dc = nullptr;
  stripRecolour.DibPaint(dc);
  hueTrackRecolour.ChangeHSL(static_cast<float>(hueShift / 60.0), 0, 0);
  dc = nullptr;
  hueTrackRecolour.DibPaint(dc);
}

void Palette::ApplyTuningShifts() {
  const auto started = std::chrono::steady_clock::now();
  Recolour();
  const double recolour = MicrosSince(started);
  workspace_.ShowColour(PointAt(strip_.strip.surface, MarkerLeft(strip_.marker), MarkerTop(strip_.marker)));
  ++fineTuneTimings.steps;
  fineTuneTimings.recolourMicros += recolour;
  fineTuneTimings.stepMicros += MicrosSince(started);
}

void Palette::CentreMarker(Shape& marker, float x, float y) {
  SetMarkerLeft(marker, x - MarkerWidth(marker) / 2);
  SetMarkerTop(marker, y - MarkerHeight(marker) / 2);
}

// The swatches take the colour at the pointer and nothing more; the strip then applies
// the shifts again and takes the colour at the marker's corner (unless that lies off
// the strip, within half a marker of its left or top edge).
void Palette::PaletteDown(PictureBox& picture, const MouseEvent& e) {
  const float x = e.x, y = e.y;
  palettePressed = kTrue;
  CentreMarker(MarkerOf(picture), x, y);
  workspace_.ShowColour(PointAt(picture.surface, x, y));
  if (&picture == &strip_.strip) ApplyTuningShifts();
}

// While pressed, the pointer stays on the picture and the marker follows it, held inside
// the picture (the right edge only past it, the bottom already at it); the colour is the
// one under the pointer, as the last shifts left it.
void Palette::PaletteMove(PictureBox& picture, const MouseEvent& e) {
  const float x = e.x, y = e.y;
  const bool strip = &picture == &strip_.strip;
  if (strip && stripHovered) stripHovered();
  if (palettePressed == kFalse) {
    ReleaseCursorClip(screen_);
    return;
  }
  ConfineCursor(screen_, window_, units_, picture);
  Shape& marker = MarkerOf(picture);
  CentreMarker(marker, x, y);
  const float right = ScaleWidth(picture) - MarkerWidth(marker);
  const float bottom = ScaleHeight(picture) - MarkerHeight(marker);
  if (x <= 0)
    SetMarkerLeft(marker, 0);
  else if (x > right)
    SetMarkerLeft(marker, right);
  if (y <= 0)
    SetMarkerTop(marker, 0);
  else if (y >= bottom)
    SetMarkerTop(marker, bottom);
  workspace_.ShowColour(PointAt(picture.surface, x, y));
}

void Palette::PaletteUp() {
  palettePressed = kFalse;
  ReleaseCursorClip(screen_);
}

// No ShowColour here: the strips only ShowColour draws keep their colours.
bool Palette::ChooseFromColourDialog() {
  const std::optional<ColorValue> chosen = dialogs_.ChooseColour();
  if (!chosen) return false;
  workspace_.ShowChannels(SplitChannels(*chosen));
  return true;
}

}  // namespace velkaro
