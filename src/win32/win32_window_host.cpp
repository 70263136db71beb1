// The main window and the hover timer, as the model asks for them.
#include <vector>

#include "input.h"
#include "win32_platform.h"

namespace velkaro {

void Win32WindowHost::ShowWindowRestored() { ShowWindow(main_, SW_RESTORE); }
void Win32WindowHost::FlashWindowOnce() { FlashWindow(main_, TRUE); }
void Win32WindowHost::MinimiseWindow() { ShowWindow(main_, SW_MINIMIZE); }
void Win32WindowHost::HideWindow() { ShowWindow(main_, SW_HIDE); }

ScreenRect Win32WindowHost::MainWindowRect() {
  RECT r{};
  if (!GetWindowRect(main_, &r)) return {};
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32WindowHost::MoveMainWindow(const ScreenRect& r) {
  SetWindowPos(main_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

ScreenRect Win32WindowHost::ClientToScreen(const ScreenRect& r) {
  POINT origin{0, 0};
  ::ClientToScreen(main_, &origin);
  return {r.left + origin.x, r.top + origin.y, r.width, r.height};
}

void Win32WindowHost::FocusMainWindow() { SetFocus(main_); }

void Win32WindowHost::AddTaskbarMenu() {
  SetWindowLongPtrW(main_, GWL_STYLE, GetWindowLongPtrW(main_, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);
}

// The system's move loop takes over while the primary button is held. It is not entered
// otherwise: the window must not start moving on a plain hover.
// The system's loop moves the window from where the pointer is when it starts, which is
// already the first move away from the press: that first step is made here, so the window
// follows the pointer's whole offset.
void Win32WindowHost::DragMainWindow() {
  ReleaseCapture();
  const bool fromPress = pressed_;
  pressed_ = false;
  if (!PrimaryButtonHeld()) return;
  POINT now{};
  RECT r{};
  if (fromPress && GetCursorPos(&now) && GetWindowRect(main_, &r))
    SetWindowPos(main_, nullptr, r.left + now.x - pressPoint_.x, r.top + now.y - pressPoint_.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;  // 0xF012
  SendMessageW(main_, WM_SYSCOMMAND, kMoveByCaption, 0);
}

bool Win32WindowHost::IsMainWindowForeground() { return GetForegroundWindow() == main_; }

namespace {

std::vector<HWND> OwnedWindows(HWND owner) {
  struct Found {
    HWND owner;
    std::vector<HWND> windows;
  } found{owner, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Found*>(p);
        if (GetWindow(w, GW_OWNER) == f->owner) f->windows.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.windows;
}

bool IsTopmost(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

void Win32WindowHost::SetTopmost(bool topmost) {
  const auto place = [this, topmost] {
    SetWindowPos(main_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  };
  place();
  if (IsTopmost(main_) == topmost) return;
  // Wine keeps a window that owns popups (the tool tips) out of the topmost band unless it
  // is the foreground window, as at a start from the log-on: its owned windows are set
  // aside for the change.
  const std::vector<HWND> owned = OwnedWindows(main_);
  for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, 0);
  place();
  for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(main_));
}

std::uint32_t Win32WindowHost::StartHoverTimer(int periodMs) {
  return static_cast<std::uint32_t>(SetTimer(nullptr, 0, static_cast<UINT>(periodMs), timerProc_));
}

void Win32WindowHost::KillHoverTimer(std::uint32_t id) { KillTimer(nullptr, id); }

}  // namespace velkaro
