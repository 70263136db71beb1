#include "win32_platform.h"

#include <algorithm>
#include <cstring>

#include "gdi.h"
#include "surface.h"

namespace velkaro {

namespace {

// A screen device context that is given back however the caller leaves.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

int ScreenDensity(int index) {
  ScreenDc dc;
  return dc.get() ? GetDeviceCaps(dc.get(), index) : 0;
}

}  // namespace

// Enabled if the account holds the privilege; every result is ignored.
void Win32Platform::EnableDebugPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
    TOKEN_PRIVILEGES previous{};
    DWORD length = 0;
    AdjustTokenPrivileges(token, FALSE, &privileges, sizeof previous, &previous, &length);
  }
  CloseHandle(token);
}

void Win32Platform::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void Win32Platform::TerminateProcess(int exitCode) {
  ::TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
}

std::uint32_t Win32Platform::StartHoverTimer(int periodMs) {
  return static_cast<std::uint32_t>(SetTimer(nullptr, 0, static_cast<UINT>(periodMs), timerProc_));
}

void Win32Platform::KillHoverTimer(std::uint32_t id) { KillTimer(nullptr, id); }

int Win32Platform::DpiX() { return ScreenDensity(LOGPIXELSX); }
int Win32Platform::DpiY() { return ScreenDensity(LOGPIXELSY); }

void Win32Platform::ShowWindowRestored() { ShowWindow(main_, SW_RESTORE); }
void Win32Platform::FlashWindowOnce() { FlashWindow(main_, TRUE); }
void Win32Platform::MinimiseWindow() { ShowWindow(main_, SW_MINIMIZE); }
void Win32Platform::HideWindow() { ShowWindow(main_, SW_HIDE); }

ScreenRect Win32Platform::MainWindowRect() {
  RECT r{};
  if (!GetWindowRect(main_, &r)) return {};
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Platform::FocusMainWindow() { SetFocus(main_); }

bool Win32Platform::IsMainWindowForeground() { return GetForegroundWindow() == main_; }

// The view decides how to paint; the model only asks for it now.
void Win32Platform::RepaintNow(const std::vector<const Control*>&) {
  if (repaint_) repaint_();
}

std::optional<Point> Win32Platform::CursorPos() {
  POINT p;
  if (!GetCursorPos(&p)) return std::nullopt;
  return Point{p.x, p.y};
}

bool Win32Platform::SetCursorPos(Point p) { return ::SetCursorPos(p.x, p.y) != FALSE; }

bool Win32Platform::SetHandCursor() {
  HCURSOR hand = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
  if (!hand) return false;
  SetCursor(hand);
  return true;
}

ColorValue Win32Platform::ScreenPixel(Point p) {
  ScreenDc dc;
  if (!dc.get()) return kNoColor;
  const COLORREF c = GetPixel(dc.get(), p.x, p.y);
  return c == CLR_INVALID ? kNoColor : static_cast<ColorValue>(c);
}

Win32Platform::~Win32Platform() {
  for (Scratch* s : {&block_, &pointer_}) {
    if (!s->dc) continue;
    SelectObject(s->dc, s->old);
    DeleteObject(s->bitmap);
    DeleteDC(s->dc);
  }
}

bool Win32Platform::EnsureScratch(Scratch& s, int w, int h) {
  if (s.dc && s.width >= w && s.height >= h) return true;
  if (s.dc) {
    SelectObject(s.dc, s.old);
    DeleteObject(s.bitmap);
    DeleteDC(s.dc);
    s = {};
  }
  ScreenDc screen;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = std::max(w, 1);
  info.bmiHeader.biHeight = -std::max(h, 1);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  s.bitmap = CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!s.bitmap) return false;
  s.dc = CreateCompatibleDC(screen.get());
  s.old = SelectObject(s.dc, s.bitmap);
  s.bits = static_cast<std::uint32_t*>(bits);
  s.width = std::max(w, 1);
  s.height = std::max(h, 1);
  return true;
}

bool Win32Platform::CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) {
  if (w <= 0 || h <= 0 || !EnsureScratch(block_, w, h)) return false;
  ScreenDc screen;
  if (!screen.get() || !BitBlt(block_.dc, 0, 0, w, h, screen.get(), p.x, p.y, SRCCOPY | CAPTUREBLT))
    return false;
  GdiFlush();
  const int rows = std::min(h, dest.Height() - dy), cols = std::min(w, dest.Width() - dx);
  for (int y = std::max(0, -dy); y < rows; ++y)
    for (int x = std::max(0, -dx); x < cols; ++x)
      dest.Row(dy + y)[dx + x] = block_.bits[static_cast<std::size_t>(y) * block_.width + x] & 0xFFFFFF;
  dest.Touch();
  return true;
}

// Draws the pointer on a small copy of the surface around (x, y), then copies it back.
void Win32Platform::DrawCurrentPointer(Surface& dest, int x, int y) {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor) return;
  const int w = GetSystemMetrics(SM_CXCURSOR), h = GetSystemMetrics(SM_CYCURSOR);
  if (!EnsureScratch(pointer_, w, h)) return;
  auto inside = [&](int px, int py) { return dest.Contains(x + px, y + py); };
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px)
      pointer_.bits[static_cast<std::size_t>(py) * pointer_.width + px] =
          inside(px, py) ? dest.Row(y + py)[x + px] : 0;
  DrawIconEx(pointer_.dc, 0, 0, info.hCursor, w, h, 0, nullptr, DI_NORMAL);
  GdiFlush();
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px)
      if (inside(px, py))
        dest.Row(y + py)[x + px] = pointer_.bits[static_cast<std::size_t>(py) * pointer_.width + px] & 0xFFFFFF;
  dest.Touch();
}

void Win32Platform::Beep() { MessageBeep(0xFFFFFFFF); }

void Win32Platform::ClipCursor(const std::optional<ScreenRect>& area) {
  if (!area) {
    ::ClipCursor(nullptr);
    return;
  }
  const RECT r{area->left, area->top, area->left + area->width, area->top + area->height};
  ::ClipCursor(&r);
}

ScreenRect Win32Platform::ClientToScreen(const ScreenRect& r) {
  POINT origin{0, 0};
  ::ClientToScreen(main_, &origin);
  return {r.left + origin.x, r.top + origin.y, r.width, r.height};
}

bool Win32Platform::SetClipboardText(const std::string& text) {
  const std::wstring wide = Widen(text);
  if (!OpenClipboard(main_)) return false;
  EmptyClipboard();
  bool ok = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t))) {
    if (void* p = GlobalLock(memory)) {
      std::memcpy(p, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
      GlobalUnlock(memory);
      ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!ok) GlobalFree(memory);
  }
  CloseClipboard();
  return ok;
}

namespace {
// Where settings of this kind have always lived for the current user.
std::wstring SettingsKey(const std::string& app, const std::string& section) {
  return L"Software\\VB and VBA Program Settings\\" + Widen(app) + L"\\" + Widen(section);
}
}  // namespace

std::string Win32Platform::GetSetting(const std::string& app, const std::string& section, const std::string& key) {
  wchar_t buf[256] = {};
  DWORD size = sizeof buf - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), Widen(key).c_str(), RRF_RT_REG_SZ,
                   nullptr, buf, &size) != ERROR_SUCCESS)
    return {};
  return Narrow(buf);
}

bool Win32Platform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &k, nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring text = Widen(value);
  const LONG result = RegSetValueExW(k, Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  return result == ERROR_SUCCESS;
}

ScreenRect Win32Platform::PrimaryScreen() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<ScreenRect> Win32Platform::Monitors() {
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

void Win32Platform::MoveMainWindow(const ScreenRect& r) {
  SetWindowPos(main_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::ShowMessage(const std::string& text, const std::string& title, int icon) {
  MessageBoxW(main_, Widen(text).c_str(), Widen(title).c_str(), static_cast<UINT>(icon));
}

}  // namespace velkaro
