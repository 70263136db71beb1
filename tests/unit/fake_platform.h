// Fakes of the platform's roles for the tests: each records what the program asked for in
// one shared log and answers from a script. FakePlatform holds them all.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls.h"
#include "platform.h"
#include "surface.h"

namespace velkaro {

// The calls of every role, in the order they were made.
struct FakeLog {
  FakeLog() = default;
  FakeLog(const FakeLog&) = delete;  // shared by the role fakes of one platform
  FakeLog& operator=(const FakeLog&) = delete;
  std::vector<std::string> calls;
  int queries = 0;  // foreground and pointer queries: a server round trip each on Windows
};

class FakeScreen : public ScreenPointer, public virtual FakeLog {
 public:
  int dpi = 96;
  int DpiX() override { return dpi; }
  int DpiY() override { return dpi; }
  std::vector<ScreenRect> monitors{{0, 0, 1280, 1024}};
  ScreenRect PrimaryScreen() override { return monitors.front(); }
  std::vector<ScreenRect> Monitors() override { return monitors; }

  // The pointer and a scripted screen: a colour for every pixel, unreadable ones -1.
  std::optional<Point> cursor = Point{512, 384};
  std::function<ColorValue(Point)> screen = [](Point) { return kBlack; };
  bool screenReadable = true;
  std::optional<Point> CursorPos() override {
    ++queries;
    return cursor;
  }
  bool SetCursorPos(Point p) override {
    cursor = p;
    calls.push_back("SetCursorPos " + std::to_string(p.x) + "," + std::to_string(p.y));
    return true;
  }
  bool SetHandCursor() override {
    calls.push_back("SetHandCursor");
    return true;
  }
  bool leftHeld = true;
  bool LeftButtonHeld() override { return leftHeld; }
  std::optional<ScreenRect> clip;
  void ClipCursor(const std::optional<ScreenRect>& area) override { clip = area; }
  ColorValue ScreenPixel(Point p) override { return screenReadable ? screen(p) : kNoColor; }
  std::vector<std::string> blocks;
  bool CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) override {
    blocks.push_back(std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(w) + "x" +
                     std::to_string(h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) dest.Set(dx + x, dy + y, screen({p.x + x, p.y + y}));
    return true;
  }
  std::vector<Point> pointerDraws;
  void DrawCurrentPointer(Surface&, int x, int y) override { pointerDraws.push_back({x, y}); }
};

class FakeWindow : public WindowHost, public virtual FakeLog {
 public:
  ScreenRect windowRect{313, 264, 654, 495};
  std::uint32_t nextTimerId = 0;
  void ShowWindowRestored() override { calls.push_back("ShowWindowRestored"); }
  bool topmost = false;
  void SetTopmost(bool on) override {
    topmost = on;
    calls.push_back(on ? "SetTopmost on" : "SetTopmost off");
  }
  void FlashWindowOnce() override { calls.push_back("FlashWindowOnce"); }
  void MinimiseWindow() override { calls.push_back("MinimiseWindow"); }
  void HideWindow() override { calls.push_back("HideWindow"); }
  ScreenRect MainWindowRect() override { return windowRect; }
  void MoveMainWindow(const ScreenRect& r) override {
    windowRect = r;
    calls.push_back("MoveMainWindow " + std::to_string(r.left) + "," + std::to_string(r.top));
  }
  Point clientOrigin{313, 264};
  ScreenRect ClientToScreen(const ScreenRect& r) override {
    return {r.left + clientOrigin.x, r.top + clientOrigin.y, r.width, r.height};
  }
  void FocusMainWindow() override { calls.push_back("FocusMainWindow"); }
  void AddTaskbarMenu() override { calls.push_back("AddTaskbarMenu"); }
  void DragMainWindow() override { calls.push_back("DragMainWindow"); }
  bool foreground = true;
  bool IsMainWindowForeground() override {
    ++queries;
    return foreground;
  }
  std::uint32_t StartHoverTimer(int ms) override {
    calls.push_back("StartHoverTimer " + std::to_string(ms));
    return nextTimerId;
  }
  void KillHoverTimer(std::uint32_t id) override { calls.push_back("KillHoverTimer " + std::to_string(id)); }
};

class FakeSettings : public SettingsStore {
 public:
  std::map<std::string, std::string> settings;  // "app\section\key"
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) override {
    const auto it = settings.find(app + "\\" + section + "\\" + key);
    return it == settings.end() ? "" : it->second;
  }
  bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override {
    settings[app + "\\" + section + "\\" + key] = value;
    return true;
  }
};

class FakeClipboard : public Clipboard {
 public:
  std::string clipboard;
  bool SetClipboardText(const std::string& text) override {
    clipboard = text;
    return true;
  }
};

class FakeSystem : public SystemServices, public virtual FakeLog {
 public:
  void EnableDebugPrivilege() override { calls.push_back("EnableDebugPrivilege"); }
  void PostQuit(int code) override { calls.push_back("PostQuit " + std::to_string(code)); }
  void TerminateProcess(int code) override { calls.push_back("TerminateProcess " + std::to_string(code)); }
  int beeps = 0;
  void Beep() override { ++beeps; }
  std::vector<std::string> messages;
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back(title + "|" + text + "|" + (icon == MessageIcon::Error ? "error" : "?"));
  }
  bool confirmAnswer = false;
  bool Confirm(const std::string& text, const std::string& title) override {
    messages.push_back(title + "|" + text + "|question");
    return confirmAnswer;
  }
  std::string programPath = "C:\\Tools\\Velkaro\\Velkaro.exe";
  std::string ProgramPath() override { return programPath; }
  std::optional<std::string> runValue;  // HKCU's Run value "Velkaro"
  std::optional<std::string> StartupCommand() override { return runValue; }
  bool SetStartupCommand(const std::optional<std::string>& command) override {
    runValue = command;
    return true;
  }
  std::map<std::string, std::string> files;  // what was written whole, by path
  std::optional<std::string> writeFailure;   // the system's answer when writing fails
  std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes) override {
    if (!writeFailure) files[path] = bytes;
    return writeFailure;
  }
};

class FakeInstance : public InstanceServices, public virtual FakeLog {
 public:
  bool otherCopyRunning = false;
  bool otherCopyElevated = false;  // the name exists but this copy may not open it
  MutexOpen OpenMutex(const std::string& name) override {
    calls.push_back("Mutex " + name);
    return otherCopyElevated ? MutexOpen::Denied : otherCopyRunning ? MutexOpen::Exists : MutexOpen::Created;
  }
  void SendCommand(const std::string& application, const std::string& topic, const std::string& command) override {
    calls.push_back("SendCommand " + application + "|" + topic + " " + command);
  }
  void ServeCommands(const std::string& application, const std::string& topic) override {
    calls.push_back("ServeCommands " + application + "|" + topic);
  }
  bool otherCopyEnds = true;  // the running copy ends when asked to
  bool SendCommandAndWaitForEnd(const std::string& application, const std::string& topic, const std::string& command,
                                int waitMs) override {
    calls.push_back("SendCommandAndWait " + application + "|" + topic + " " + command + " " + std::to_string(waitMs));
    return otherCopyEnds;
  }
  std::vector<std::string> launched;  // "program|normal or maximised"
  void Launch(LaunchCommand command, LaunchWindow show) override {
    const char* names[] = {"command shell", "drive C", "search portal"};
    launched.push_back(std::string(names[static_cast<int>(command)]) + "|" +
                       (show == LaunchWindow::Maximised ? "maximised" : "normal"));
  }
};

class FakeTray : public TrayServices, public virtual FakeLog {
 public:
  TrayMenuItem menuChoice = TrayMenuItem::None;
  std::size_t recentChoice = 0;
  bool hotkeyFree = true;
  bool RegisterPickHotkey() override {
    calls.push_back("RegisterPickHotkey");
    return hotkeyFree;
  }
  int trayAddsRefused = 0;  // how many adds the shell refuses, as at a slow log-on
  bool AddTrayIcon(const std::string& tip) override {
    calls.push_back("AddTrayIcon " + tip);
    if (trayAddsRefused == 0) return true;
    --trayAddsRefused;
    return false;
  }
  bool ModifyTrayIcon(const std::string& tip) override {
    calls.push_back("ModifyTrayIcon " + tip);
    return true;
  }
  bool DeleteTrayIcon() override {
    calls.push_back("DeleteTrayIcon");
    return true;
  }
  void BringMainWindowToFront() override { calls.push_back("BringMainWindowToFront"); }
  std::vector<ColorValue> menuRecent;  // the recent colours the last menu showed
  TrayMenuState menuState;             // and its settings' ticks
  std::size_t formChoice = 0;
  TrayMenuChoice PopUpTrayMenu(const std::vector<ColorValue>& recent, const TrayMenuState& state) override {
    calls.push_back("PopUpTrayMenu");
    menuRecent = recent;
    menuState = state;
    return {menuChoice, recentChoice, formChoice};
  }
};

class FakeDialogs : public DialogServices, public virtual FakeLog {
 public:
  std::optional<ColorValue> chosenColour;  // nothing: the dialog is cancelled
  std::optional<ColorValue> ChooseColour() override {
    calls.push_back("ChooseColour");
    return chosenColour;
  }
  std::function<void(AboutBox&)> whileAboutOpen = [](AboutBox&) {};
  void ShowAboutWindow(AboutBox& about) override {
    calls.push_back("ShowAboutWindow");
    whileAboutOpen(about);
  }
  void BringAboutWindowToFront() override { calls.push_back("BringAboutWindowToFront"); }
  void OpenUrl(const std::string& address) override { calls.push_back("OpenUrl " + address); }
  std::optional<SaveChoice> saveChoice;  // nothing: the dialog is cancelled
  std::vector<FileType> saveTypes;       // what the last Save dialog offered
  std::optional<SaveChoice> ChooseSaveFile(const std::vector<FileType>& types, const std::string& name) override {
    calls.push_back("ChooseSaveFile " + name);
    saveTypes = types;
    return saveChoice;
  }
};

class FakePlatform : public FakeScreen, public FakeWindow, public FakeSettings, public FakeClipboard,
                     public FakeSystem, public FakeInstance, public FakeTray, public FakeDialogs {
 public:
  operator Platform() { return {*this, *this, *this, *this, *this, *this, *this, *this}; }
};

}  // namespace velkaro
