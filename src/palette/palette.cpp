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
  return picture.Get(static_cast<int>(RoundTiesToEven(x)), static_cast<int>(RoundTiesToEven(y)));
}

void Palette::DrawSwatches() { DrawSwatchPalette(调色板1.surface); }

ColorValue Palette::ColourUnderMarker() const {
  return PointAt(调色板1.surface, MarkerLeft(Shape1), MarkerTop(Shape1));
}

/* Six segments of s = W / 6 columns, each running one channel up or down with d =
 * i x 255 / s: magenta to red, red to yellow, yellow to green, green to cyan, cyan to
 * blue, blue to magenta. A column where two segments meet gets the same colour twice.
 * Where W is not a multiple of 6 plus one (at 144 dpi and more), the columns past the
 * last segment keep the closing magenta rather than the bare background. */
void Palette::色板三原色(std::int32_t, std::int32_t, std::int32_t) {
  Surface& strip = Picture_色板.surface;
  const auto W = static_cast<std::int32_t>(RoundTiesToEven(ScaleWidth(Picture_色板)));
  const auto H = static_cast<std::int32_t>(RoundTiesToEven(ScaleHeight(Picture_色板)));
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
  Picture12.surface.StretchFrom(strip, 0, 0, strip.Width(), strip.Height(), 0, 0, Picture12.surface.Width(),
                                Picture12.surface.Height());
  PaletteRecolor.HdcSrc(&strip);
  HueTrackRecolor.HdcSrc(&Picture12.surface);
}

void Palette::拖动杆变化() {
  const auto started = std::chrono::steady_clock::now();
  PaletteRecolor.ChangeHSL(static_cast<float>(HueShift / 60.0), static_cast<float>(SaturationShift / 100.0),
                           static_cast<float>(LightnessShift / 100.0));
  Surface* dc = nullptr;
  PaletteRecolor.DibPaint(dc);
  HueTrackRecolor.ChangeHSL(static_cast<float>(HueShift / 60.0), 0, 0);
  dc = nullptr;
  HueTrackRecolor.DibPaint(dc);
  const double recolour = MicrosSince(started);
  workspace_.zhuan(PointAt(Picture_色板.surface, MarkerLeft(Shape2), MarkerTop(Shape2)));
  ++fineTuneTimings.steps;
  fineTuneTimings.recolourMicros += recolour;
  fineTuneTimings.stepMicros += MicrosSince(started);
}

void Palette::CentreMarker(Shape& marker, float X, float Y) {
  SetMarkerLeft(marker, X - MarkerWidth(marker) / 2);
  SetMarkerTop(marker, Y - MarkerHeight(marker) / 2);
}

// The swatches take the colour at the pointer and nothing more; the strip then applies
// the shifts again and takes the colour at the marker's corner (unless that lies off
// the strip, within half a marker of its left or top edge).
void Palette::Palette_MouseDown(PictureBox& picture, int, int, float X, float Y) {
  PalettePressed = kTrue;
  CentreMarker(MarkerOf(picture), X, Y);
  workspace_.zhuan(PointAt(picture.surface, X, Y));
  if (&picture == &Picture_色板) 拖动杆变化();
}

// While pressed, the pointer stays on the picture and the marker follows it, held inside
// the picture (the right edge only past it, the bottom already at it); the colour is the
// one under the pointer, as the last shifts left it.
void Palette::Palette_MouseMove(PictureBox& picture, int, int, float X, float Y) {
  const bool strip = &picture == &Picture_色板;
  if (strip) actions_.PicEn();
  if (PalettePressed == kFalse) {
    ReleaseCursorClip(screen_);
    return;
  }
  ConfineCursor(screen_, window_, units_, picture);
  Shape& marker = MarkerOf(picture);
  CentreMarker(marker, X, Y);
  const float right = ScaleWidth(picture) - MarkerWidth(marker);
  const float bottom = ScaleHeight(picture) - MarkerHeight(marker);
  if (X <= 0)
    SetMarkerLeft(marker, 0);
  else if (X > right)
    SetMarkerLeft(marker, right);
  if (Y <= 0)
    SetMarkerTop(marker, 0);
  else if (Y >= bottom)
    SetMarkerTop(marker, bottom);
  workspace_.zhuan(PointAt(picture.surface, X, Y));
  if (strip) actions_.控件刷新();
}

void Palette::Palette_MouseUp(PictureBox&, int, int, float, float) {
  PalettePressed = kFalse;
  ReleaseCursorClip(screen_);
}

// No zhuan here: the strips only zhuan draws keep their colours.
bool Palette::调用系统调色板() {
  const std::optional<ColorValue> chosen = dialogs_.ChooseColour();
  if (!chosen) return false;
  workspace_.SetChannels(SplitChannels(*chosen));
  workspace_.RefreshDisplay();
  workspace_.RefreshValues();
  return true;
}

}  // namespace velkaro
