// The notification-area icon and its menu on Windows.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "icons.h"
#include "pictures.h"
#include "window_messages.h"
#include "unicode.h"
#include "win32_platform.h"

namespace velkaro {

namespace {

constexpr UINT kMenuAbout = 1, kMenuExit = 2;
constexpr UINT kMenuRecentFirst = 100;  // the recent colours: 100 the newest, 101 the one before, ...
constexpr wchar_t kRecentText[] = L"最近颜色";
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

Win32Tray::~Win32Tray() {
  if (menu_) DestroyMenu(menu_);
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

void Win32Tray::MakeMenu() {
  menu_ = CreatePopupMenu();
  AppendMenuW(menu_, MF_STRING, kMenuAbout, kAboutText);
  AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu_, MF_STRING, kMenuExit, kExitText);
  aboutBitmap_.reset(MenuBitmap(DrawMenuAbout(kMenuPictureWidth, kMenuPictureHeight)));
  exitBitmap_.reset(MenuBitmap(DrawMenuExit(kMenuPictureWidth, kMenuPictureHeight)));
  SetMenuItemBitmaps(menu_, 0, MF_BYPOSITION, aboutBitmap_.get(), nullptr);
  SetMenuItemBitmaps(menu_, 2, MF_BYPOSITION, exitBitmap_.get(), nullptr);
}

// The recent colours go in a submenu above the menu's own items, made for this opening
// only: the list changes between two right clicks.
TrayMenuChoice Win32Tray::PopUpTrayMenu(const std::vector<ColorValue>& recent) {
  if (!menu_) MakeMenu();
  HMENU colours = nullptr;
  std::vector<GdiObject<HBITMAP>> swatches;
  if (!recent.empty() && (colours = CreatePopupMenu())) {
    for (std::size_t i = 0; i < recent.size(); ++i) {
      const std::wstring text = Widen(NotationTexts(recent[i])[1].str());
      AppendMenuW(colours, MF_STRING, kMenuRecentFirst + i, text.c_str());
      swatches.emplace_back(SwatchBitmap(recent[i]));
      SetMenuItemBitmaps(colours, static_cast<UINT>(i), MF_BYPOSITION, swatches.back().get(), nullptr);
    }
    InsertMenuW(menu_, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuW(menu_, 0, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(colours), kRecentText);
  }
  POINT at{};
  GetCursorPos(&at);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, main_, nullptr));
  // Without a message after it, the menu's window can linger until the next input.
  PostMessageW(main_, WM_NULL, 0, 0);
  if (colours) {
    RemoveMenu(menu_, 0, MF_BYPOSITION);  // the submenu, which is destroyed here, not with the menu
    RemoveMenu(menu_, 0, MF_BYPOSITION);  // its separator
    DestroyMenu(colours);
  }
  if (chosen >= kMenuRecentFirst && chosen < kMenuRecentFirst + recent.size())
    return {TrayMenuItem::Recent, chosen - kMenuRecentFirst};
  switch (chosen) {
    case kMenuAbout: return {TrayMenuItem::About};
    case kMenuExit: return {TrayMenuItem::Exit};
    default: return {};
  }
}

}  // namespace velkaro
