// The colour dialog, the About window and opening an address, on Windows.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <array>

#include "about_window.h"
#include "unicode.h"
#include "win32_platform.h"

namespace velkaro {

// Filled afresh each time: basic form, nothing preselected, sixteen black custom colours
// that are forgotten when it closes.
std::optional<ColorValue> Win32Dialogs::ChooseColour() {
  std::array<COLORREF, 16> custom{};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = main_;
  cc.hInstance = reinterpret_cast<HWND>(instance_);
  cc.rgbResult = 0;
  cc.lpCustColors = custom.data();
  cc.Flags = 0;
  if (!ChooseColorW(&cc)) return std::nullopt;
  return static_cast<ColorValue>(cc.rgbResult & 0xFFFFFF);
}

void Win32Dialogs::ShowAboutWindow(AboutBox& about) {
  AboutWindow window(about, dpi_);
  window.RunModal(instance_, main_, icon_);
}

void Win32Dialogs::BringAboutWindowToFront() {
  if (HWND about = FindWindowW(kAboutWindowClass, nullptr)) SetForegroundWindow(about);
}

void Win32Dialogs::OpenUrl(const std::string& address) {
  ShellExecuteW(nullptr, L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace velkaro
