// The platform's roles on Windows, one adapter each, and the bundle the main window's
// model is given.
#pragma once

#include <windows.h>

#include <functional>

#include "gdi.h"
#include "platform.h"

namespace velkaro {

class Win32Screen : public ScreenPointer {
 public:
  int DpiX() override;
  int DpiY() override;
  ScreenRect PrimaryScreen() override;
  std::vector<ScreenRect> Monitors() override;
  std::optional<Point> CursorPos() override;
  bool SetCursorPos(Point p) override;
  bool SetHandCursor() override;
  void ClipCursor(const std::optional<ScreenRect>& area) override;
  ColorValue ScreenPixel(Point p) override;
  bool CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) override;
  void DrawCurrentPointer(Surface& dest, int x, int y) override;

 private:
  DibSection block_, pointer_;  // kept between pictures
};

class Win32WindowHost : public WindowHost {
 public:
  void SetMainWindow(HWND hwnd) { main_ = hwnd; }
  void SetTimerCallback(TIMERPROC proc) { timerProc_ = proc; }
  void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

  void ShowWindowRestored() override;
  void FlashWindowOnce() override;
  void MinimiseWindow() override;
  void HideWindow() override;
  ScreenRect MainWindowRect() override;
  void MoveMainWindow(const ScreenRect& r) override;
  ScreenRect ClientToScreen(const ScreenRect& r) override;
  void FocusMainWindow() override;
  bool IsMainWindowForeground() override;
  void RepaintNow(const std::vector<const Control*>& controls) override;
  std::uint32_t StartHoverTimer(int periodMs) override;
  void KillHoverTimer(std::uint32_t id) override;

 private:
  HWND main_ = nullptr;
  TIMERPROC timerProc_ = nullptr;
  std::function<void()> repaint_;
};

class Win32Settings : public SettingsStore {
 public:
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) override;
  bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

class Win32Clipboard : public Clipboard {
 public:
  void SetOwner(HWND hwnd) { owner_ = hwnd; }
  bool SetClipboardText(const std::string& text) override;

 private:
  HWND owner_ = nullptr;
};

class Win32System : public SystemServices {
 public:
  void SetOwner(HWND hwnd) { owner_ = hwnd; }  // of the message boxes
  void EnableDebugPrivilege() override;
  void PostQuit(int exitCode) override;
  void TerminateProcess(int exitCode) override;
  void Beep() override;
  void ShowMessage(const std::string& text, const std::string& title, int icon) override;

 private:
  HWND owner_ = nullptr;
};

struct Win32Platform {
  Win32Screen screen;
  Win32WindowHost window;
  Win32Settings settings;
  Win32Clipboard clipboard;
  Win32System system;

  Platform Roles() { return {screen, window, settings, clipboard, system}; }
  void SetMainWindow(HWND hwnd) {
    window.SetMainWindow(hwnd);
    clipboard.SetOwner(hwnd);
    system.SetOwner(hwnd);
  }
};

}  // namespace velkaro
