// The icon in the notification area, from start-up until the program ends: a left click
// shows or hides the main window, a right click opens the menu (the recent colours, about,
// exit). The icon comes back when the taskbar is restarted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform.h"

namespace velkaro {

inline constexpr int kTrayCallbackMessage = 0x500;  // WM_USER + 0x100
// The mouse messages the icon reports.
inline constexpr int kTrayLeftButtonUp = 0x202, kTrayRightButtonUp = 0x205;

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
  bool Installed() const { return installed_; }

  // The icon's callback message, with the mouse message it reports.
  void TrayCallback(int mouseMessage);
  void TaskbarCreated();

 private:
  WindowState& windowState_;
  bool& shown_;
  WindowHost& window_;
  TrayServices& tray_;
  std::function<void()> exitProgram_, showAbout_;
  std::function<const std::vector<ColorValue>&()> recent_;
  std::function<void(ColorValue)> chooseRecent_;
  bool installed_ = false;
  std::string tip_;
};

}  // namespace velkaro
