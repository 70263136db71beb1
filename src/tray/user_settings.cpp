#include "user_settings.h"

#include <cctype>
#include <string_view>

#include "oklab.h"

namespace velkaro {

namespace {

const std::string kApp = "Pelmora_Color", kSection = "Soft_Stat", kTopmostKey = "TopMost", kCopyKey = "HotkeyCopy";
// The stored names of the copy forms, in their menu order.
constexpr std::string_view kCopyFormKeys[kCopyForms] = {"vb",      "html",    "delphi",  "basic",  "other",
                                                        "rgb",     "hex",     "css-rgb", "css-hsl", "css-oklch"};

bool SamePath(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

void UserSettings::Load() {
  topmost_ = store_.GetSetting(kApp, kSection, kTopmostKey) == "1";
  const std::string form = store_.GetSetting(kApp, kSection, kCopyKey);
  copyForm_ = kCopyHtml;
  for (std::size_t i = 0; i < kCopyForms; ++i)
    if (form == kCopyFormKeys[i]) copyForm_ = i;
  if (topmost_) window_.SetTopmost(true);
}

bool UserSettings::StartsWithWindows() {
  const std::optional<std::string> command = system_.StartupCommand();
  if (!command) return false;
  const std::string path = system_.ProgramPath();
  return !path.empty() && (SamePath(*command, "\"" + path + "\"") || SamePath(*command, path));
}

TrayMenuState UserSettings::MenuState() { return {topmost_, StartsWithWindows(), copyForm_}; }

// Ticking "start with Windows" writes the value again even over one that names another
// place: the program may have moved, and this copy is the one the user is running.
void UserSettings::Chosen(const TrayMenuChoice& choice) {
  switch (choice.item) {
    case TrayMenuItem::Topmost:
      topmost_ = !topmost_;
      window_.SetTopmost(topmost_);
      store_.SaveSetting(kApp, kSection, kTopmostKey, topmost_ ? "1" : "0");
      break;
    case TrayMenuItem::StartWithWindows:
      if (StartsWithWindows())
        system_.SetStartupCommand(std::nullopt);
      else
        system_.SetStartupCommand("\"" + system_.ProgramPath() + "\"");
      break;
    case TrayMenuItem::CopyForm:
      if (choice.form >= kCopyForms) break;
      copyForm_ = choice.form;
      store_.SaveSetting(kApp, kSection, kCopyKey, std::string(kCopyFormKeys[copyForm_]));
      break;
    default: break;
  }
}

std::string UserSettings::CopyText(ColorValue c) const {
  switch (copyForm_) {
    case kCopyCssRgb: return CssRgbText(c);
    case kCopyCssHsl: return CssHslText(c);
    case kCopyCssOklch: return OkLchText(c);
    default: return NotationTexts(c)[copyForm_].str();
  }
}

}  // namespace velkaro
