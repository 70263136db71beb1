// The icon in the notification area, from start-up until the program ends: a left click
// shows or hides the main window, a right click opens the menu (the recent colours with
// their export and clearing, the settings, about, exit). The icon comes back when the
// taskbar is restarted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform.h"

namespace velkaro {

// What the icon reports: a left or right button released over it, or anything else.
enum class TrayClick { Left, Right, Other };

// What the menu's items do; an empty one does nothing.
struct TrayMenuActions {
  std::function<void()> exitProgram, showAbout;
  std::function<const std::vector<ColorValue>&()> recent;
  std::function<void(ColorValue)> chooseRecent;
  std::function<void()> exportRecent, clearRecent;
  std::function<TrayMenuState()> settings;                // the ticks the menu shows
  std::function<void(const TrayMenuChoice&)> settingChosen;  // Topmost, StartWithWindows, CopyForm
};

class TrayIcon {
 public:
  TrayIcon(WindowState& windowState, bool& shown, WindowHost& window, TrayServices& tray, TrayMenuActions actions)
      : windowState_(windowState), shown_(shown), window_(window), tray_(tray), actions_(std::move(actions)) {}

  void AddTrayIcon(const std::string& tip);
  void ModifyTrayIcon(const std::string& tip);
  void RemoveTrayIcon();  // nothing when no icon is installed
  // The icon really is in the notification area (the shell took it).
  bool Installed() const { return installed_; }

  void Clicked(TrayClick click);
  void TaskbarCreated();

 private:
  WindowState& windowState_;
  bool& shown_;
  WindowHost& window_;
  TrayServices& tray_;
  TrayMenuActions actions_;
  bool wanted_ = false;     // from the add to the removal
  bool installed_ = false;  // the shell took it
  std::string tip_;
};

}  // namespace velkaro
