// The services the program asks of the system, grouped by role. The Windows adapters
// implement them and the tests use fakes that record calls and give scripted answers; an
// area is given only the roles it calls. Failures come back as values; nothing throws
// across this boundary.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "colour.h"

namespace velkaro {

class Surface;
struct Control;
class ControlList;
class AboutBox;

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

enum class WindowState { Normal, Minimised };

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// The screen, its monitors and density, and the pointer on it. Positions are physical
// screen pixels, negative left of or above the primary monitor.
class ScreenPointer {
 public:
  virtual ~ScreenPointer() = default;
  // Dots per inch (0 when it cannot be read).
  virtual int DpiX() = 0;
  virtual int DpiY() = 0;
  virtual ScreenRect PrimaryScreen() = 0;
  virtual std::vector<ScreenRect> Monitors() = 0;  // every monitor

  virtual std::optional<Point> CursorPos() = 0;
  virtual bool SetCursorPos(Point p) = 0;
  virtual bool SetHandCursor() = 0;  // false when the system has no hand pointer
  // The primary button (the right one when the user swapped them), as it physically is,
  // whatever messages say.
  virtual bool LeftButtonHeld() = 0;
  // Pointer confinement; nothing lifts it.
  virtual void ClipCursor(const std::optional<ScreenRect>& area) = 0;

  virtual ColorValue ScreenPixel(Point p) = 0;  // kNoColor when it cannot be read
  // Copies a w x h block of the screen at p to (dx, dy) of dest, layered windows included.
  virtual bool CopyScreenBlock(Point p, int w, int h, Surface& dest, int dx, int dy) = 0;
  // Draws the current system pointer with its top-left corner at (x, y) of dest.
  virtual void DrawCurrentPointer(Surface& dest, int x, int y) = 0;
};

// The main window as the system sees it, and the window-less hover timer.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void ShowWindowRestored() = 0;  // shown, in its normal state
  virtual void FlashWindowOnce() = 0;
  virtual void MinimiseWindow() = 0;
  virtual void HideWindow() = 0;
  virtual ScreenRect MainWindowRect() = 0;  // outer rectangle, screen pixels
  virtual void MoveMainWindow(const ScreenRect& r) = 0;
  // A client-area rectangle of the main window in screen pixels.
  virtual ScreenRect ClientToScreen(const ScreenRect& r) = 0;
  virtual void FocusMainWindow() = 0;  // takes the keyboard focus from the text boxes
  // Gives the borderless window the taskbar's system menu, with minimise.
  virtual void AddTaskbarMenu() = 0;
  // Drops any mouse capture and, while the left button is held, lets the system move the
  // window with the pointer; returns when the button is released, at once when it is not held.
  virtual void DragMainWindow() = 0;
  virtual bool IsMainWindowForeground() = 0;
  // Above every window that is not itself topmost, or back among the others.
  virtual void SetTopmost(bool topmost) = 0;

  // 0 means "not created".
  virtual std::uint32_t StartHoverTimer(int periodMs) = 0;
  virtual void KillHoverTimer(std::uint32_t id) = 0;
};

// The per-user settings store.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Empty text for a missing value.
  virtual std::string GetSetting(const std::string& app, const std::string& section,
                                 const std::string& key) = 0;
  virtual bool SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual bool SetClipboardText(const std::string& text) = 0;  // UTF-8
};

enum class MessageIcon { Error };
enum class LaunchWindow { Normal, Maximised };
// The programs the launch commands start, each with fixed arguments: a command shell, one
// that opens drive C in the file manager, the file manager on a search portal's page.
// Nothing of a received string is ever added to them.
enum class LaunchCommand { CommandShell, DriveC, SearchPortal };

// The process and what the system says to the user.
class SystemServices {
 public:
  virtual ~SystemServices() = default;
  virtual void EnableDebugPrivilege() = 0;  // best effort, nothing reported
  virtual void PostQuit(int exitCode) = 0;
  virtual void TerminateProcess(int exitCode) = 0;  // does not return on Windows
  virtual void Beep() = 0;
  virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // A yes-or-no question, "no" the default; true for yes.
  virtual bool Confirm(const std::string& text, const std::string& title) = 0;
  // This program's own full path.
  virtual std::string ProgramPath() = 0;
  // What the system runs at log-on under the program's name (HKCU's Run value "Velkaro"),
  // nothing when there is none; and setting it, nothing removing it.
  virtual std::optional<std::string> StartupCommand() = 0;
  virtual bool SetStartupCommand(const std::optional<std::string>& command) = 0;
  // Writes a whole file: to a temporary name in the same folder, then renamed over the
  // target, so that a failure never leaves half a file. Nothing on success, else what the
  // system said.
  virtual std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
};

// Command strings longer than this are taken and ignored, never copied.
inline constexpr std::size_t kLongestCommand = 64 * 1024;

// Other copies of the program, and the programs this one starts.
class InstanceServices {
 public:
  virtual ~InstanceServices() = default;
  // Creates the named mutex, owned by this copy for the rest of its life. Exists: another
  // copy already holds it, and this copy's handle is given up at once. Denied: the name
  // exists but this copy may not open it (a copy running elevated holds it).
  enum class MutexOpen { Created, Exists, Denied };
  virtual MutexOpen OpenMutex(const std::string& name) = 0;
  // Sends one command string to the copy that serves (application, topic), letting that
  // copy take the foreground. It gives up after a few seconds when nobody answers;
  // failures are not reported.
  virtual void SendCommand(const std::string& application, const std::string& topic,
                           const std::string& command) = 0;
  // Starts taking command strings on (application, topic); each reaches the main window's
  // execute handler on the user-interface thread, after the messages already queued.
  virtual void ServeCommands(const std::string& application, const std::string& topic) = 0;
  // Sends one command string to the running copy, as SendCommand does, then waits up to
  // waitMs for that copy's process to end (its files are then free to replace). False
  // when it still runs, or when no running copy's process could be found to wait for.
  virtual bool SendCommandAndWaitForEnd(const std::string& application, const std::string& topic,
                                        const std::string& command, int waitMs) = 0;
  // Starts one of the fixed programs from the system's own folders, its window shown as
  // asked; failures ignored.
  virtual void Launch(LaunchCommand command, LaunchWindow show) = 0;
};

enum class TrayMenuItem { None, About, Exit, Recent, ExportRecent, ClearRecent, Topmost, StartWithWindows, CopyForm };
struct TrayMenuChoice {
  TrayMenuItem item = TrayMenuItem::None;
  std::size_t recent = 0;  // which of the recent colours, for TrayMenuItem::Recent
  std::size_t form = 0;    // which of the copy forms, for TrayMenuItem::CopyForm
};

// What the hotkey pick's click and a chosen recent colour copy: the window's seven
// notations in their row order, then three CSS forms.
inline constexpr std::size_t kCopyForms = 10;
inline constexpr const char* kCopyFormLabels[kCopyForms] = {
    "VB", "Html、PS", "Delphi", "BASIC", "其他", "R,G,B", "Hex", "CSS rgb()", "CSS hsl()", "CSS oklch()"};
// The settings' ticks as the menu shows them.
struct TrayMenuState {
  bool topmost = false, startWithWindows = false;
  std::size_t copyForm = 1;  // Html
};

// The notification-area icon of the main window and its menu.
class TrayServices {
 public:
  virtual ~TrayServices() = default;
  virtual bool AddTrayIcon(const std::string& tip) = 0;
  virtual bool ModifyTrayIcon(const std::string& tip) = 0;
  virtual bool DeleteTrayIcon() = 0;
  // The main window to the front, so that the menu closes when the user clicks elsewhere.
  virtual void BringMainWindowToFront() = 0;
  // The menu at the pointer, with a submenu of the recent colours (newest first) when
  // there are any; returns once it is closed, with the item chosen.
  // The settings submenu follows, its ticks from `state`.
  virtual TrayMenuChoice PopUpTrayMenu(const std::vector<ColorValue>& recent, const TrayMenuState& state) = 0;
  // The system-wide pick hotkey (Ctrl+Alt+C); false when another program holds it.
  virtual bool RegisterPickHotkey() = 0;
};

// The system's dialogs and the program's own modal About window.
class DialogServices {
 public:
  virtual ~DialogServices() = default;
  // The colour dialog in its basic form, nothing preselected, every custom colour black;
  // nothing when it is cancelled or fails.
  virtual std::optional<ColorValue> ChooseColour() = 0;
  // Shows the About window modally; returns when the user has closed it.
  virtual void ShowAboutWindow(AboutBox& about) = 0;
  virtual void BringAboutWindowToFront() = 0;
  virtual void OpenUrl(const std::string& address) = 0;  // failures ignored
  // The Save dialog with one file type per entry of `types` ("GIMP 调色板 (*.gpl)", "gpl"),
  // the first chosen; the path and the index of the type chosen, nothing when cancelled.
  struct SaveChoice {
    std::string path;
    std::size_t type = 0;
  };
  struct FileType {
    std::string label, extension;
  };
  virtual std::optional<SaveChoice> ChooseSaveFile(const std::vector<FileType>& types, const std::string& name) = 0;
};

// Every role, for the window that composes the areas.
struct Platform {
  ScreenPointer& screen;
  WindowHost& window;
  SettingsStore& settings;
  Clipboard& clipboard;
  SystemServices& system;
  InstanceServices& instance;
  TrayServices& tray;
  DialogServices& dialogs;
};

}  // namespace velkaro
