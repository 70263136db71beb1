// The platform's roles on Windows, one adapter each, and the bundle the main window's
// model is given.
#pragma once

#include <windows.h>
#include <ddeml.h>

#include <functional>

#include "gdi.h"
#include "platform.h"
#include "window_messages.h"

namespace velkaro {

class Win32Screen : public ScreenPointer {
 public:
  // The window's density, once it changed from the screen's (a monitor of another scale):
  // pixels on the window convert to twips at it.
  void SetWindowDensity(int dpi) { windowDpi_ = dpi; }
  int DpiX() override;
  int DpiY() override;
  ScreenRect PrimaryScreen() override;
  std::vector<ScreenRect> Monitors() override;
  std::optional<Point> CursorPos() override;
  bool SetCursorPos(Point p) override;
  bool SetHandCursor() override;
  bool LeftButtonHeld() override;
  void ClipCursor(const std::optional<ScreenRect>& area) override;
  ColorValue ScreenPixel(Point p) override;
  bool CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) override;
  void DrawCurrentPointer(Surface& dest, int x, int y) override;

 private:
  DibSection block_, pointer_;  // kept between pictures
  int windowDpi_ = 0;
};

class Win32WindowHost : public WindowHost {
 public:
  void SetMainWindow(HWND hwnd) { main_ = hwnd; }
  void SetTimerCallback(TIMERPROC proc) { timerProc_ = proc; }
  // Where the left button went down, in screen pixels: a drag moves the window by the
  // pointer's offset from there.
  void SetPressPoint(POINT p) {
    pressPoint_ = p;
    pressed_ = true;
  }

  void ShowWindowRestored() override;
  void FlashWindowOnce() override;
  void MinimiseWindow() override;
  void HideWindow() override;
  ScreenRect MainWindowRect() override;
  void MoveMainWindow(const ScreenRect& r) override;
  ScreenRect ClientToScreen(const ScreenRect& r) override;
  void FocusMainWindow() override;
  void AddTaskbarMenu() override;
  void DragMainWindow() override;
  bool IsMainWindowForeground() override;
  void SetTopmost(bool topmost) override;
  std::uint32_t StartHoverTimer(int periodMs) override;
  void KillHoverTimer(std::uint32_t id) override;

 private:
  HWND main_ = nullptr;
  TIMERPROC timerProc_ = nullptr;
  POINT pressPoint_{};
  bool pressed_ = false;
};

class Win32Settings : public SettingsStore {
 public:
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) override;
  bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

// Another program may hold the clipboard open (a clipboard manager, a remote desktop). A
// copy made then is retried on a timer for a few seconds, the newest text winning, and
// dropped after that; the window never waits for the clipboard.
class Win32Clipboard : public Clipboard {
 public:
  void SetOwner(HWND hwnd) { owner_ = hwnd; }
  // True when the text is on the clipboard now; false when it waits for a retry or failed.
  bool SetClipboardText(const std::string& text) override;

 private:
  bool CopyNow(const std::wstring& text);
  static void CALLBACK Retry(HWND hwnd, UINT, UINT_PTR id, DWORD);
  HWND owner_ = nullptr;
  std::wstring pending_;
  ULONGLONG pendingUntil_ = 0;  // GetTickCount64 time at which the pending copy is dropped
  bool retrying_ = false;
};

class Win32System : public SystemServices {
 public:
  void SetOwner(HWND hwnd) { owner_ = hwnd; }  // of the message boxes
  void EnableDebugPrivilege() override;
  void PostQuit(int exitCode) override;
  void TerminateProcess(int exitCode) override;
  void Beep() override;
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  bool Confirm(const std::string& text, const std::string& title) override;
  std::string ProgramPath() override;
  std::optional<std::string> StartupCommand() override;
  bool SetStartupCommand(const std::optional<std::string>& command) override;
  std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes) override;

 private:
  HWND owner_ = nullptr;
};


class Win32Instance : public InstanceServices {
 public:
  ~Win32Instance() override;
  void SetMainWindow(HWND hwnd) { main_ = hwnd; }
  MutexOpen OpenMutex(const std::string& name) override;
  void SendCommand(const std::string& application, const std::string& topic, const std::string& command) override;
  void ServeCommands(const std::string& application, const std::string& topic) override;
  bool SendCommandAndWaitForEnd(const std::string& application, const std::string& topic, const std::string& command,
                                int waitMs) override;
  void Launch(LaunchCommand command, LaunchWindow show) override;

 private:
  static HDDEDATA CALLBACK DdeCallback(UINT type, UINT format, HCONV, HSZ topic, HSZ service, HDDEDATA data,
                                       ULONG_PTR, ULONG_PTR);
  std::wstring ExecuteText(HDDEDATA data) const;
  HWND main_ = nullptr;
  HANDLE mutex_ = nullptr;  // kept, and owned, until the process ends
  DWORD ddeInstance_ = 0;
  bool ansiServer_ = false;
  HSZ service_ = nullptr, topic_ = nullptr;
};

class Win32Tray : public TrayServices {
 public:
  void SetMainWindow(HWND hwnd, HICON icon) {
    main_ = hwnd;
    icon_ = icon;
  }
  bool AddTrayIcon(const std::string& tip) override;
  bool ModifyTrayIcon(const std::string& tip) override;
  bool DeleteTrayIcon() override;
  void BringMainWindowToFront() override;
  TrayMenuChoice PopUpTrayMenu(const std::vector<ColorValue>& recent, const TrayMenuState& state) override;
  bool RegisterPickHotkey() override;

 private:
  bool Notify(DWORD what, const std::string& tip);
  void MakeMenuPictures();
  HWND main_ = nullptr;
  HICON icon_ = nullptr;
  GdiObject<HBITMAP> aboutBitmap_, exitBitmap_;
};

class Win32Dialogs : public DialogServices {
 public:
  void SetMainWindow(HWND hwnd, HINSTANCE instance, HICON icon) {
    main_ = hwnd;
    instance_ = instance;
    icon_ = icon;
  }
  void SetDensity(int dpi) { dpi_ = dpi; }
  std::optional<ColorValue> ChooseColour() override;
  void ShowAboutWindow(AboutBox& about) override;
  void BringAboutWindowToFront() override;
  void OpenUrl(const std::string& address) override;
  std::optional<SaveChoice> ChooseSaveFile(const std::vector<FileType>& types, const std::string& name) override;

 private:
  HWND main_ = nullptr;
  HINSTANCE instance_ = nullptr;
  HICON icon_ = nullptr;
  int dpi_ = 96;
};

struct Win32Platform {
  Win32Screen screen;
  Win32WindowHost window;
  Win32Settings settings;
  Win32Clipboard clipboard;
  Win32System system;
  Win32Instance instance;
  Win32Tray tray;
  Win32Dialogs dialogs;

  Platform Roles() { return {screen, window, settings, clipboard, system, instance, tray, dialogs}; }
  void SetMainWindow(HWND hwnd, HINSTANCE module, HICON icon) {
    dialogs.SetMainWindow(hwnd, module, icon);
    window.SetMainWindow(hwnd);
    clipboard.SetOwner(hwnd);
    system.SetOwner(hwnd);
    instance.SetMainWindow(hwnd);
    tray.SetMainWindow(hwnd, icon);
  }
};

}  // namespace velkaro
