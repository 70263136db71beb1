#include "tray_icon.h"

namespace velkaro {

// No balloon: a blank one at every start tells the user nothing.
// At log-on the shell may not take the icon yet: what it refused is asked for again at the
// next change, and when the taskbar announces itself.
void TrayIcon::AddTrayIcon(const std::string& tip) {
  tip_ = tip;
  wanted_ = true;
  if (installed_) {
    tray_.ModifyTrayIcon(tip_);
    return;
  }
  installed_ = tray_.AddTrayIcon(tip_);
}

void TrayIcon::ModifyTrayIcon(const std::string& tip) {
  tip_ = tip;
  if (!installed_) {
    if (wanted_) installed_ = tray_.AddTrayIcon(tip_);
    return;
  }
  tray_.ModifyTrayIcon(tip_);
}

void TrayIcon::RemoveTrayIcon() {
  wanted_ = false;
  if (!installed_) return;
  tray_.DeleteTrayIcon();
  installed_ = false;
}

void TrayIcon::Clicked(TrayClick click) {
  if (!installed_) return;
  if (click == TrayClick::Left) {
    if (windowState_ == WindowState::Minimised) {
      windowState_ = WindowState::Normal;
      shown_ = true;
      window_.ShowWindowRestored();
      window_.FlashWindowOnce();
    } else {
      windowState_ = WindowState::Minimised;
      window_.MinimiseWindow();
      window_.HideWindow();
      shown_ = false;
    }
  } else if (click == TrayClick::Right) {
    tray_.BringMainWindowToFront();
    // A copy: the choice may add to the list the menu was built from.
    const std::vector<ColorValue> recent = actions_.recent ? actions_.recent() : std::vector<ColorValue>{};
    const TrayMenuChoice choice =
        tray_.PopUpTrayMenu(recent, actions_.settings ? actions_.settings() : TrayMenuState{});
    auto run = [](const std::function<void()>& action) {
      if (action) action();
    };
    switch (choice.item) {
      case TrayMenuItem::About: run(actions_.showAbout); break;
      case TrayMenuItem::Exit: run(actions_.exitProgram); break;
      case TrayMenuItem::Recent:
        if (choice.recent < recent.size() && actions_.chooseRecent) actions_.chooseRecent(recent[choice.recent]);
        break;
      case TrayMenuItem::ExportRecent: run(actions_.exportRecent); break;
      case TrayMenuItem::ClearRecent: run(actions_.clearRecent); break;
      case TrayMenuItem::Topmost:
      case TrayMenuItem::StartWithWindows:
      case TrayMenuItem::CopyForm:
        if (actions_.settingChosen) actions_.settingChosen(choice);
        break;
      case TrayMenuItem::None: break;
    }
  }
}

// The shell forgot every icon when the taskbar went; ours is added again as it was.
void TrayIcon::TaskbarCreated() {
  if (wanted_) installed_ = tray_.AddTrayIcon(tip_);
}

}  // namespace velkaro
