#include "window_frame.h"

namespace velkaro {

// Their behaviour arrives with the frame work; the handlers already call them.
void WindowFrame::DragWindow() {}
void WindowFrame::PicEn() {}
// No image button shows a hover or pressed picture yet.
bool WindowFrame::HoverPicturesAtRest() const { return true; }

void WindowFrame::DragSurfaceMove() {
  DragWindow();
  PicEn();
  if (windowState_ != WindowState::Minimised) placement_.SavePlacement();
}

void WindowFrame::获取鼠标坐标() {
  const ScreenRect r = window_.MainWindowRect();
  WindowRect = {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
                static_cast<float>(r.height)};
}

void WindowFrame::HoverTimerProc() {
  // PicEn only puts hover pictures back; with every button at rest it would change
  // nothing, so the two queries that decide on it (a server round trip each under Wine,
  // a hundred times a second) are spared.
  if (HoverPicturesAtRest()) {
    magnifier_.屏幕预览();
    return;
  }
  const bool inFront = window_.IsMainWindowForeground();
  magnifier_.屏幕预览();
  if (!inFront) {
    PicEn();
    return;
  }
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos) return;
  const float x = static_cast<float>(pos->x), y = static_cast<float>(pos->y);
  const FloatRect& r = WindowRect;
  if (x > r.left && x < r.left + r.width && y > r.top && y < r.top + r.height) return;
  PicEn();
}

}  // namespace velkaro
