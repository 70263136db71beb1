// Units of the window's layout. Places are kept in twips, as the program stores them, and
// turned into device pixels with the screen's density only where they are shown or hit.
#pragma once

#include <cstdint>

#include "colour.h"
#include "platform.h"

namespace velkaro {

inline constexpr float kTwipsPerInch = 1440;
inline constexpr float kTwipsPerPixelAt96Dpi = 15;  // 1440 / 96
inline constexpr int kFixed3DBorderPx = 2;          // a sunken picture box's border, each side
inline constexpr int kTitleBandRows = 38;           // the dark band across the top, at 96 dpi
inline constexpr int kClientWidthPx = 654, kClientHeightPx = 495;  // at 96 dpi

struct TwipRect {
  float left = 0, top = 0, width = 0, height = 0;
};

// Pixel places of the layout, written as pixels at 96 dpi and stored as twips.
constexpr TwipRect Px(float left, float top, float width, float height) {
  const float k = kTwipsPerPixelAt96Dpi;
  return {left * k, top * k, width * k, height * k};
}

// Twips per pixel at a density; an unreadable density counts as 96 dpi.
inline float TwipsPerPixel(int dpi) {
  return dpi > 0 ? kTwipsPerInch / static_cast<float>(dpi) : kTwipsPerPixelAt96Dpi;
}

class Units {
 public:
  Units(int dpiX, int dpiY) : twipsPerPixelX_(TwipsPerPixel(dpiX)), twipsPerPixelY_(TwipsPerPixel(dpiY)) {}

  float TwipsPerPixelX() const { return twipsPerPixelX_; }
  float TwipsPerPixelY() const { return twipsPerPixelY_; }
  int Dpi() const { return static_cast<int>(RoundTiesToEven(kTwipsPerInch / twipsPerPixelY_)); }
  int PixelsX(float twips) const { return static_cast<int>(RoundTiesToEven(twips / twipsPerPixelX_)); }
  int PixelsY(float twips) const { return static_cast<int>(RoundTiesToEven(twips / twipsPerPixelY_)); }
  // A length given in pixels at 96 dpi, in this screen's pixels.
  int ScaledX(int px96) const { return PixelsX(static_cast<float>(px96) * kTwipsPerPixelAt96Dpi); }
  int ScaledY(int px96) const { return PixelsY(static_cast<float>(px96) * kTwipsPerPixelAt96Dpi); }
  // A control's outer rectangle in client pixels (parents' offsets and borders added).
  ScreenRect ClientPixels(const Control& c) const;

 private:
  float twipsPerPixelX_, twipsPerPixelY_;
};

// Each picture box of a window gets a surface of its inner area at this density: the outer
// size less a 3-D border.
void SizeSurfaces(const ControlList& window, const Units& units);

// While a slider or a palette is held, the pointer stays inside the control's rectangle.
void ConfineCursor(ScreenPointer& screen, WindowHost& window, const Units& units, const Control& c);
inline void ReleaseCursorClip(ScreenPointer& screen) { screen.ClipCursor(std::nullopt); }

// Pixels to twips along an axis (0: x) at the screen's density now, rounded to whole
// twips; 0 with a message box when that cannot be done.
std::int32_t PixelsToTwips(ScreenPointer& screen, SystemServices& system, float value, float axis);

}  // namespace velkaro
