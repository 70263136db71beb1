#include "win32_platform.h"

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

}  // namespace velkaro
