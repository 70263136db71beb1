// The platform services on Windows.
#pragma once

#include <windows.h>

#include "platform.h"

namespace velkaro {

class Win32Platform : public Platform {
 public:
  void SetMainWindow(HWND hwnd) { main_ = hwnd; }
  void SetTimerCallback(TIMERPROC proc) { timerProc_ = proc; }

  void EnableDebugPrivilege() override;
  void PostQuit(int exitCode) override;
  void TerminateProcess(int exitCode) override;
  std::uint32_t StartHoverTimer(int periodMs) override;
  void KillHoverTimer(std::uint32_t id) override;
  int DpiX() override;
  int DpiY() override;
  void ShowWindowRestored() override;
  void FlashWindowOnce() override;
  void MinimiseWindow() override;
  void HideWindow() override;
  ScreenRect MainWindowRect() override;
  void FocusMainWindow() override;

 private:
  HWND main_ = nullptr;
  TIMERPROC timerProc_ = nullptr;
};

}  // namespace velkaro
