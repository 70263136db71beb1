// The screen and the pointer on Windows.
#include <algorithm>

#include "input.h"
#include "surface.h"
#include "win32_platform.h"

namespace velkaro {

namespace {
int ScreenDensity(int index) {
  ScreenDc dc;
  return dc.get() ? GetDeviceCaps(dc.get(), index) : 0;
}
}  // namespace

int Win32Screen::DpiX() { return windowDpi_ > 0 ? windowDpi_ : ScreenDensity(LOGPIXELSX); }
int Win32Screen::DpiY() { return windowDpi_ > 0 ? windowDpi_ : ScreenDensity(LOGPIXELSY); }

ScreenRect Win32Screen::PrimaryScreen() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<ScreenRect> Win32Screen::Monitors() {
  std::vector<ScreenRect> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR, HDC, LPRECT r, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(
            {r->left, r->top, r->right - r->left, r->bottom - r->top});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) monitors.push_back(PrimaryScreen());
  return monitors;
}

std::optional<Point> Win32Screen::CursorPos() {
  POINT p;
  if (!GetCursorPos(&p)) return std::nullopt;
  return Point{p.x, p.y};
}

bool Win32Screen::SetCursorPos(Point p) { return ::SetCursorPos(p.x, p.y) != FALSE; }

bool Win32Screen::SetHandCursor() {
  HCURSOR hand = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
  if (!hand) return false;
  SetCursor(hand);
  return true;
}

// The logical left button, as the user sees it with swapped buttons too.
bool Win32Screen::LeftButtonHeld() { return PrimaryButtonHeld(); }

void Win32Screen::ClipCursor(const std::optional<ScreenRect>& area) {
  if (!area) {
    ::ClipCursor(nullptr);
    return;
  }
  const RECT r{area->left, area->top, area->left + area->width, area->top + area->height};
  ::ClipCursor(&r);
}

ColorValue Win32Screen::ScreenPixel(Point p) {
  ScreenDc dc;
  if (!dc.get()) return kNoColor;
  const COLORREF c = GetPixel(dc.get(), p.x, p.y);
  return c == CLR_INVALID ? kNoColor : static_cast<ColorValue>(c);
}

bool Win32Screen::CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) {
  if (w <= 0 || h <= 0 || !block_.Ensure(w, h)) return false;
  ScreenDc screen;
  if (!screen.get() || !BitBlt(block_.dc(), 0, 0, w, h, screen.get(), p.x, p.y, SRCCOPY | CAPTUREBLT))
    return false;
  GdiFlush();
  const int rows = std::min(h, dest.Height() - dy), cols = std::min(w, dest.Width() - dx);
  for (int y = std::max(0, -dy); y < rows; ++y)
    for (int x = std::max(0, -dx); x < cols; ++x) dest.Row(dy + y)[dx + x] = block_.At(x, y) & 0xFFFFFF;
  dest.Touch();
  return true;
}

// Draws the pointer on a small copy of the surface around (x, y), then copies it back.
void Win32Screen::DrawCurrentPointer(Surface& dest, int x, int y) {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor) return;
  const int w = GetSystemMetrics(SM_CXCURSOR), h = GetSystemMetrics(SM_CYCURSOR);
  if (!pointer_.Ensure(w, h)) return;
  auto inside = [&](int px, int py) { return dest.Contains(x + px, y + py); };
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) pointer_.At(px, py) = inside(px, py) ? dest.Row(y + py)[x + px] : 0;
  DrawIconEx(pointer_.dc(), 0, 0, info.hCursor, w, h, 0, nullptr, DI_NORMAL);
  GdiFlush();
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px)
      if (inside(px, py)) dest.Row(y + py)[x + px] = pointer_.At(px, py) & 0xFFFFFF;
  dest.Touch();
}

}  // namespace velkaro
