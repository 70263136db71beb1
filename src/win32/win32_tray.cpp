// The notification-area icon and its menu on Windows.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "icons.h"
#include "pictures.h"
#include "window_messages.h"
#include "unicode.h"
#include "win32_platform.h"

namespace velkaro {

namespace {

constexpr UINT kMenuAbout = 1, kMenuExit = 2, kMenuExport = 3, kMenuClear = 4, kMenuTopmost = 5,
               kMenuStartWithWindows = 6;
constexpr UINT kMenuRecentFirst = 100;    // the recent colours: 100 the newest, 101 the one before, ...
constexpr UINT kMenuCopyFormFirst = 200;  // the copy forms, in their order
constexpr wchar_t kRecentText[] = L"最近颜色";
constexpr wchar_t kExportText[] = L"导出…";
constexpr wchar_t kClearText[] = L"清空";
constexpr wchar_t kSettingsText[] = L"设置";
constexpr wchar_t kTopmostText[] = L"窗口置顶";
constexpr wchar_t kStartWithWindowsText[] = L"开机启动";
constexpr wchar_t kCopyFormText[] = L"取色热键复制";
constexpr int kMenuPictureWidth = 15, kMenuPictureHeight = 13;
constexpr wchar_t kAboutText[] = L"关于软件";
constexpr wchar_t kExitText[] = L"退出";

// A menu item's picture: the drawing laid over the menu's own colour, as a plain bitmap.
HBITMAP MenuBitmap(const ArgbPicture& picture) {
  const COLORREF back = GetSysColor(COLOR_MENU);
  const BITMAPINFO info = TopDown32(picture.width, picture.height);
  void* bits = nullptr;
  ScreenDc screen;
  HBITMAP bitmap = CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const std::uint32_t p = picture.pixels[i], a = p >> 24;
    auto mix = [a](std::uint32_t fore, std::uint32_t bg) { return (fore * a + bg * (255 - a) + 127) / 255; };
    out[i] = mix(p >> 16 & 0xFF, GetRValue(back)) << 16 | mix(p >> 8 & 0xFF, GetGValue(back)) << 8 |
             mix(p & 0xFF, GetBValue(back));
  }
  return bitmap;
}

// A recent colour's swatch: the colour framed in grey, the size of the other items' pictures.
HBITMAP SwatchBitmap(ColorValue colour) {
  ArgbPicture picture;
  picture.width = kMenuPictureWidth;
  picture.height = kMenuPictureHeight;
  const auto [r, g, b] = SplitChannels(colour);
  const std::uint32_t fill = 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, fill);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (x == 0 || y == 0 || x == picture.width - 1 || y == picture.height - 1)
        picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = 0xFF808080u;
  return MenuBitmap(picture);
}

}  // namespace

bool Win32Tray::RegisterPickHotkey() {
  return RegisterHotKey(main_, kPickHotkeyId, MOD_CONTROL | MOD_ALT | MOD_NOREPEAT, 'C') != FALSE;
}

bool Win32Tray::Notify(DWORD what, const std::string& tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = main_;
  data.uID = 0;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon_;
  const std::wstring text = Widen(tip);
  wcsncpy(data.szTip, text.c_str(), sizeof data.szTip / sizeof data.szTip[0] - 1);
  return Shell_NotifyIconW(what, &data) != FALSE;
}

bool Win32Tray::AddTrayIcon(const std::string& tip) { return Notify(NIM_ADD, tip); }
bool Win32Tray::ModifyTrayIcon(const std::string& tip) { return Notify(NIM_MODIFY, tip); }

bool Win32Tray::DeleteTrayIcon() {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = main_;
  data.uID = 0;
  return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

void Win32Tray::BringMainWindowToFront() { SetForegroundWindow(main_); }

void Win32Tray::MakeMenuPictures() {
  aboutBitmap_.reset(MenuBitmap(DrawMenuAbout(kMenuPictureWidth, kMenuPictureHeight)));
  exitBitmap_.reset(MenuBitmap(DrawMenuExit(kMenuPictureWidth, kMenuPictureHeight)));
}

// The menu is made for each opening: the recent colours and the settings' ticks change
// between two right clicks. Its submenus go with it.
TrayMenuChoice Win32Tray::PopUpTrayMenu(const std::vector<ColorValue>& recent, const TrayMenuState& state) {
  if (!aboutBitmap_.get()) MakeMenuPictures();
  HMENU menu = CreatePopupMenu();
  if (!menu) return {};
  std::vector<GdiObject<HBITMAP>> swatches;
  if (HMENU colours = recent.empty() ? nullptr : CreatePopupMenu()) {
    for (std::size_t i = 0; i < recent.size(); ++i) {
      const std::wstring text = Widen(NotationTexts(recent[i])[1].str());
      AppendMenuW(colours, MF_STRING, kMenuRecentFirst + i, text.c_str());
      swatches.emplace_back(SwatchBitmap(recent[i]));
      SetMenuItemBitmaps(colours, static_cast<UINT>(i), MF_BYPOSITION, swatches.back().get(), nullptr);
    }
    AppendMenuW(colours, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(colours, MF_STRING, kMenuExport, kExportText);
    AppendMenuW(colours, MF_STRING, kMenuClear, kClearText);
    AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(colours), kRecentText);
  }
  if (HMENU settings = CreatePopupMenu()) {
    AppendMenuW(settings, MF_STRING | (state.topmost ? MF_CHECKED : MF_UNCHECKED), kMenuTopmost, kTopmostText);
    AppendMenuW(settings, MF_STRING | (state.startWithWindows ? MF_CHECKED : MF_UNCHECKED), kMenuStartWithWindows,
                kStartWithWindowsText);
    if (HMENU forms = CreatePopupMenu()) {
      for (std::size_t i = 0; i < kCopyForms; ++i)
        AppendMenuW(forms, MF_STRING, kMenuCopyFormFirst + i, Widen(kCopyFormLabels[i]).c_str());
      CheckMenuRadioItem(forms, kMenuCopyFormFirst, kMenuCopyFormFirst + kCopyForms - 1,
                         kMenuCopyFormFirst + static_cast<UINT>(std::min(state.copyForm, kCopyForms - 1)), MF_BYCOMMAND);
      AppendMenuW(settings, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(forms), kCopyFormText);
    }
    AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(settings), kSettingsText);
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kMenuAbout, kAboutText);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kMenuExit, kExitText);
  SetMenuItemBitmaps(menu, kMenuAbout, MF_BYCOMMAND, aboutBitmap_.get(), nullptr);
  SetMenuItemBitmaps(menu, kMenuExit, MF_BYCOMMAND, exitBitmap_.get(), nullptr);
  POINT at{};
  GetCursorPos(&at);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, main_, nullptr));
  // Without a message after it, the menu's window can linger until the next input.
  PostMessageW(main_, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen >= kMenuRecentFirst && chosen < kMenuRecentFirst + recent.size())
    return {TrayMenuItem::Recent, chosen - kMenuRecentFirst};
  if (chosen >= kMenuCopyFormFirst && chosen < kMenuCopyFormFirst + kCopyForms)
    return {TrayMenuItem::CopyForm, 0, chosen - kMenuCopyFormFirst};
  switch (chosen) {
    case kMenuAbout: return {TrayMenuItem::About};
    case kMenuExit: return {TrayMenuItem::Exit};
    case kMenuExport: return {TrayMenuItem::ExportRecent};
    case kMenuClear: return {TrayMenuItem::ClearRecent};
    case kMenuTopmost: return {TrayMenuItem::Topmost};
    case kMenuStartWithWindows: return {TrayMenuItem::StartWithWindows};
    default: return {};
  }
}

}  // namespace velkaro
