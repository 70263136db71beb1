// The services the program asks of the system, behind one interface: the Windows
// adapter implements it, and the tests use a fake that records calls and gives scripted
// answers. Failures come back as values; nothing throws across this boundary.
#pragma once

#include <cstdint>

namespace velkaro {

enum class WindowState { Normal, Minimised };

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Process
  virtual void EnableDebugPrivilege() = 0;  // best effort, nothing reported
  virtual void PostQuit(int exitCode) = 0;
  virtual void TerminateProcess(int exitCode) = 0;  // does not return on Windows

  // Timers: the window-less hover timer. 0 means "not created".
  virtual std::uint32_t StartHoverTimer(int periodMs) = 0;
  virtual void KillHoverTimer(std::uint32_t id) = 0;

  // Screen density, dots per inch (0 when it cannot be read).
  virtual int DpiX() = 0;
  virtual int DpiY() = 0;

  // The main window
  virtual void ShowWindowRestored() = 0;  // shown, in its normal state
  virtual void FlashWindowOnce() = 0;
  virtual void MinimiseWindow() = 0;
  virtual void HideWindow() = 0;
  virtual ScreenRect MainWindowRect() = 0;  // outer rectangle, screen pixels
  virtual void FocusMainWindow() = 0;       // takes the keyboard focus from the text boxes
};

}  // namespace velkaro
