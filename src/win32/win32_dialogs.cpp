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

// A name typed with the extension of one of the types is that type, whichever the list
// shows; one typed without an extension gets the chosen type's.
std::optional<DialogServices::SaveChoice> Win32Dialogs::ChooseSaveFile(const std::vector<FileType>& types,
                                                                       const std::string& name) {
  if (types.empty()) return std::nullopt;
  std::wstring filter;
  for (const FileType& t : types) filter += Widen(t.label) + L'\0' + L"*." + Widen(t.extension) + L'\0';
  filter += L'\0';
  std::wstring file = Widen(name);
  file.resize(32768, L'\0');
  const std::wstring extension = Widen(types.front().extension);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = main_;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = extension.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  std::size_t type = ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= types.size() ? ofn.nFilterIndex - 1 : 0;
  const std::size_t slash = file.find_last_of(L"\\/");
  const std::size_t dot = file.find_last_of(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) {
    file += L"." + Widen(types[type].extension);
  } else {
    const std::wstring typed = file.substr(dot + 1);
    for (std::size_t i = 0; i < types.size(); ++i)
      if (CompareStringOrdinal(typed.c_str(), -1, Widen(types[i].extension).c_str(), -1, TRUE) == CSTR_EQUAL) type = i;
  }
  return SaveChoice{Narrow(file), type};
}

}  // namespace velkaro
