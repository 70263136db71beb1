// The platform services on Windows.
#pragma once

#include <windows.h>

#include <functional>

#include "platform.h"

namespace velkaro {

class Win32Platform : public Platform {
 public:
  void SetMainWindow(HWND hwnd) { main_ = hwnd; }
  void SetTimerCallback(TIMERPROC proc) { timerProc_ = proc; }
  void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

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
  bool IsMainWindowForeground() override;
  void RepaintNow(const std::vector<const Control*>& controls) override;
  std::optional<Point> CursorPos() override;
  bool SetCursorPos(Point p) override;
  bool SetHandCursor() override;
  ColorValue ScreenPixel(Point p) override;
  bool CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) override;
  void DrawCurrentPointer(Surface& dest, int x, int y) override;
  void Beep() override;
  void ClipCursor(const std::optional<ScreenRect>& area) override;
  ScreenRect ClientToScreen(const ScreenRect& r) override;
  bool SetClipboardText(const std::string& text) override;
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) override;
  bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
  ScreenRect PrimaryScreen() override;
  std::vector<ScreenRect> Monitors() override;
  void MoveMainWindow(const ScreenRect& r) override;
  void ShowMessage(const std::string& text, const std::string& title, int icon) override;

 private:
  // A DIB section the screen is copied into, kept between pictures and grown on demand.
  struct Scratch {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    std::uint32_t* bits = nullptr;
    int width = 0, height = 0;
  };
  bool EnsureScratch(Scratch& s, int w, int h);

  HWND main_ = nullptr;
  TIMERPROC timerProc_ = nullptr;
  std::function<void()> repaint_;
  Scratch block_, pointer_;

 public:
  ~Win32Platform() override;
};

}  // namespace velkaro
