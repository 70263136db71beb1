// The choices in the tray menu's "设置": the window kept above others, the program started
// with Windows, and what the hotkey pick and a chosen recent colour copy. The first and
// the last are stored beside the window's place (a damaged or missing value is the
// default); starting with Windows is the system's Run value itself, read each time the
// menu opens, so that one written by the installer or removed elsewhere shows as it is.
#pragma once

#include <cstddef>
#include <string>

#include "colour.h"
#include "platform.h"

namespace velkaro {

inline constexpr std::size_t kCopyHtml = 1, kCopyCssRgb = 7, kCopyCssHsl = 8, kCopyCssOklch = 9;

class UserSettings {
 public:
  UserSettings(SettingsStore& store, SystemServices& system, WindowHost& window)
      : store_(store), system_(system), window_(window) {}
  // The stored choices; the window goes above the others when that was chosen.
  void Load();
  TrayMenuState MenuState();
  // A choice of the menu: Topmost and StartWithWindows toggle, CopyForm picks.
  void Chosen(const TrayMenuChoice& choice);
  bool Topmost() const { return topmost_; }
  std::size_t CopyForm() const { return copyForm_; }
  // The colour as the chosen form writes it.
  std::string CopyText(ColorValue c) const;
  // The Run value names this program: quoted or not, in any case.
  bool StartsWithWindows();

 private:
  SettingsStore& store_;
  SystemServices& system_;
  WindowHost& window_;
  bool topmost_ = false;
  std::size_t copyForm_ = kCopyHtml;
};

}  // namespace velkaro
