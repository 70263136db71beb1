// The icon in the notification area, from start-up until the program ends: a left click
// shows or hides the main window, a right click opens the menu (the recent colours, about,
// exit). The icon comes back when the taskbar is restarted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform.h"

namespace velkaro {

// What the icon reports: a left or right button released over it, or anything else.
enum class TrayClick { Left, Right, Other };

class TrayIcon {
 public:
  TrayIcon(WindowState& windowState, bool& shown, WindowHost& window, TrayServices& tray,
           std::function<void()> exitProgram, std::function<void()> showAbout,
           std::function<const std::vector<ColorValue>&()> recent = nullptr,
           std::function<void(ColorValue)> chooseRecent = nullptr)
      : windowState_(windowState), shown_(shown), window_(window), tray_(tray),
        exitProgram_(std::move(exitProgram)), showAbout_(std::move(showAbout)), recent_(std::move(recent)),
        chooseRecent_(std::move(chooseRecent)) {}

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
  std::function<void()> exitProgram_, showAbout_;
  std::function<const std::vector<ColorValue>&()> recent_;
  std::function<void(ColorValue)> chooseRecent_;
  bool wanted_ = false;     // from the add to the removal
  bool installed_ = false;  // the shell took it
  std::string tip_;
};

}  // namespace velkaro
