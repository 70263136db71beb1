// The pick hotkey, area averaging and the recent colours, with real input: the hotkey
// typed while the window is hidden in the tray, clicks and Esc ending the pick, Ctrl held
// during a drag over a checker, and the tray menu's recent colours after a restart.
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

void Hotkey() {
  Key(VK_CONTROL, true);
  Key(VK_MENU, true);
  Key('C', true);
  Key('C', false);
  Key(VK_MENU, false);
  Key(VK_CONTROL, false);
  Pump(400);
}

std::string Html(COLORREF c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

// The menu windows the program shows, topmost first.
std::vector<HWND> MenuWindows() {
  std::vector<HWND> menus;
  EnumWindows(
      [](HWND w, LPARAM list) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (IsWindowVisible(w) && std::wstring(cls) == L"#32768") reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&menus));
  return menus;
}

constexpr COLORREF kA = RGB(200, 40, 60), kB = RGB(30, 150, 210);
constexpr COLORREF kLight = RGB(250, 240, 10), kDark = RGB(10, 20, 100);
constexpr POINT kOnA{80, 120}, kOnB{200, 120}, kOnChecker{100, 680};

std::string Rgb3(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}
std::string Channels(const Session& s) { return s.Text("Text_R") + "," + s.Text("Text_G") + "," + s.Text("Text_B"); }

// Over the checker the pointer's pixel is light: 5 light and 4 dark pixels, each
// channel's mean rounded half to even (no ties with nine).
COLORREF Mean3x3() {
  auto meanOf = [](int x, int y) { return (5 * x + 4 * y + 4) / 9; };
  return RGB(meanOf(GetRValue(kLight), GetRValue(kDark)), meanOf(GetGValue(kLight), GetGValue(kDark)),
             meanOf(GetBValue(kLight), GetBValue(kDark)));
}

void Boards(Session& s) {
  ShowBoard({40, 40, 240, 200}, kA, kB);
  ShowBoard({40, 600, 200, 760}, kLight, kDark, true);
  Pump(500);
  s.checks.Expect(ScreenColour(kOnA) == kA && ScreenColour(kOnB) == kB, "the board shows its colours");
  s.checks.Expect(ScreenColour(kOnChecker) == kLight && ScreenColour({101, 680}) == kDark, "the checker alternates");
}

void Start(Session& s) { s.Start(); }

// A click on the target reads the swatch under the lifted target: the colour stays, and
// the recent colours (stored at the end) gain nothing. A right click reads the target's
// own picture, which is no colour the user went to get either.
void AClickOnTheTarget(Session& s) {
  const std::string before = Channels(s);
  PointerTo(s.At("Picture2", 16, 16));
  Pump(300);
  Button(true, true);
  Pump(150);
  Button(true, false);
  Pump(400);
  s.checks.ExpectText("a left click on the target keeps the colour", Channels(s), before);
  Button(false, true);
  Pump(150);
  Button(false, false);
  Pump(400);
}

// Hidden in the tray, the hotkey brings the window back and the pick follows the pointer.
void HotkeyFromTheTray(Session& s) {
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
  s.checks.Expect(WaitUntil([&] { return !IsWindowVisible(s.hwnd); }, 3000), "the window is hidden in the tray");
  PointerTo({kOnA.x - 5, kOnA.y});
  Pump(200);
  Hotkey();
  s.checks.Expect(WaitUntil([&] { return IsWindowVisible(s.hwnd) && !IsIconic(s.hwnd); }, 3000),
                "Ctrl+Alt+C shows the window");
  PointerTo(kOnA);
  Pump(400);
  s.checks.ExpectText("the pick follows the pointer onto A", Channels(s), Rgb3(kA));
  s.checks.ExpectText("the caption shows the position", s.Text("Frame5"),
                    "像素坐标校准:X:" + std::to_string(kOnA.x) + ",Y:" + std::to_string(kOnA.y));
  Button(true, true);
  Pump(100);
  Button(true, false);
  Pump(400);
  s.checks.ExpectText("a left click ends the pick and copies the Html text", ClipboardText(), Html(kA));
  PointerTo(kOnB);
  Pump(300);
  s.checks.ExpectText("after the click a move picks nothing", Channels(s), Rgb3(kA));
}

// Esc and a right click cancel: the colour from before comes back.
void EscAndRightClickCancel(Session& s) {
  Hotkey();
  PointerTo(kOnB);
  Pump(400);
  s.checks.ExpectText("a second hotkey pick shows B", Channels(s), Rgb3(kB));
  Key(VK_ESCAPE, true);
  Key(VK_ESCAPE, false);
  Pump(400);
  s.checks.ExpectText("Esc brings back A", Channels(s), Rgb3(kA));
  Hotkey();
  PointerTo({kOnB.x + 2, kOnB.y});
  Pump(400);
  s.checks.ExpectText("a third hotkey pick shows B", Channels(s), Rgb3(kB));
  Button(false, true);
  Pump(100);
  Button(false, false);
  Pump(400);
  s.checks.ExpectText("a right click brings back A", Channels(s), Rgb3(kA));
  s.checks.Expect(MenuWindows().empty(), "the right click opened no menu anywhere");
  s.checks.ExpectText("the clipboard still holds A", ClipboardText(), Html(kA));
}

// Enter and Space end a hotkey pick on the pixel under the pointer, as a left click does.
void EnterAndSpaceEndAPick(Session& s) {
  for (const auto& [key, colour] : {std::pair<WORD, COLORREF>{VK_RETURN, kB}, {VK_SPACE, kA}}) {
    const std::string name = key == VK_RETURN ? "Enter" : "Space";
    Hotkey();
    PointerTo(colour == kB ? kOnB : kOnA);
    Pump(400);
    Key(key, true);
    Key(key, false);
    Pump(400);
    s.checks.ExpectText(name + " ends the pick and copies the Html text", ClipboardText(), Html(colour));
    PointerTo({colour == kB ? kOnA.x : kOnB.x, kOnA.y});
    Pump(300);
    s.checks.ExpectText("after " + name + " a move picks nothing", Channels(s), Rgb3(colour));
  }
}

// Ctrl held during a drag over the checker: 5 light and 4 dark pixels (the pointer's
// own pixel light), each channel's mean rounded half to even.
void CtrlAveragesADrag(Session& s) {
  const COLORREF mean = Mean3x3();
  const POINT target = ScreenPoint(s.hwnd, s.Layout(), s.ids.Get("Picture2"), 16, 16);
  PointerTo(target);
  Pump(200);
  Button(true, true);
  Pump(150);
  for (int i = 1; i <= 20; ++i) {
    PointerTo({target.x + (kOnChecker.x - target.x) * i / 20, target.y + (kOnChecker.y - target.y) * i / 20});
    Pump(20);
  }
  Pump(300);
  s.checks.ExpectText("dragged onto the checker: its pixel", Channels(s), Rgb3(kLight));
  // The keys are pressed where the pointer rests. (Under Wine on a virtual X display, a
  // pointer move reports the keys as X knows them, and X never saw the injected Ctrl:
  // moving after it would let it go. The model's tests move with the keys held.)
  Key(VK_CONTROL, true);
  Pump(400);
  s.checks.ExpectText("Ctrl during the drag gives the 3 x 3 mean", Channels(s), Rgb3(mean));
  s.checks.ExpectText("the caption tells of the averaging", s.Text("Frame5"),
                    "像素坐标校准:X:" + std::to_string(kOnChecker.x) + ",Y:" + std::to_string(kOnChecker.y) + " 3x3");
  Key(VK_SHIFT, true);
  Pump(400);
  auto meanOf5 = [](int x, int y) { return (13 * x + 12 * y + 12) / 25; };  // no ties with 25
  const COLORREF mean5 = RGB(meanOf5(GetRValue(kLight), GetRValue(kDark)), meanOf5(GetGValue(kLight), GetGValue(kDark)),
                             meanOf5(GetBValue(kLight), GetBValue(kDark)));
  s.checks.ExpectText("Ctrl+Shift gives the 5 x 5 mean", Channels(s), Rgb3(mean5));
  s.checks.ExpectText("the caption says 5x5", s.Text("Frame5"),
                    "像素坐标校准:X:" + std::to_string(kOnChecker.x) + ",Y:" + std::to_string(kOnChecker.y) + " 5x5");
  Key(VK_SHIFT, false);
  Pump(400);
  s.checks.Expect(s.Screenshot(), "screenshot saved (the magnifier outlines 3 x 3)");
  Key(VK_CONTROL, false);
  Pump(400);
  s.checks.ExpectText("Ctrl let go: the pixel itself", Channels(s), Rgb3(kLight));
  s.checks.ExpectText("and the caption says so", s.Text("Frame5"),
                    "像素坐标校准:X:" + std::to_string(kOnChecker.x) + ",Y:" + std::to_string(kOnChecker.y));
  Key(VK_CONTROL, true);
  Pump(400);
  Button(true, false);
  Key(VK_CONTROL, false);
  Pump(300);
  s.checks.ExpectText("the drag ends on the mean", Channels(s), Rgb3(mean));
}

void End(Session& s) { EndSession(s.hwnd, *s.program); }

// The next run lists the picks, newest first, under the tray menu's recent colours.
void RecentColoursAfterARestart(Session& s) {
  if (!s.Start()) return;
  PointerTo({900, 900});
  Pump(200);
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_RBUTTONUP);
  s.checks.Expect(WaitUntil([&] { return !MenuWindows().empty(); }, 3000), "a right click on the icon opens the menu");
  Pump(300);
  Key(VK_DOWN, true);  // the first item: the recent colours
  Key(VK_DOWN, false);
  Pump(200);
  Key(VK_RIGHT, true);  // its submenu
  Key(VK_RIGHT, false);
  Pump(500);
  s.checks.Expect(MenuWindows().size() == 2, "the recent colours open as a submenu");
  if (const std::wstring menuShot = s.Extra(0); !menuShot.empty())
    s.checks.Expect(SaveWindowBitmap(GetDesktopWindow(), menuShot), "menu screenshot saved");
  Key(VK_DOWN, true);  // the second: A, picked (by Space) before the mean
  Key(VK_DOWN, false);
  Pump(200);
  Key(VK_RETURN, true);
  Key(VK_RETURN, false);
  s.checks.Expect(WaitUntil([&] { return MenuWindows().empty(); }, 3000), "choosing closes the menu");
  Pump(400);
  s.checks.ExpectText("the chosen recent colour is the colour", s.Text("Color_TextBox(1)"), Html(kA));
  s.checks.ExpectText("and its Html text is copied", ClipboardText(), Html(kA));
  HKEY k;
  wchar_t stored[256] = {};
  DWORD size = sizeof stored - sizeof(wchar_t);
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color\\Soft_Stat", 0,
                    KEY_READ, &k) == ERROR_SUCCESS) {
    RegQueryValueExW(k, L"History", nullptr, nullptr, reinterpret_cast<BYTE*>(stored), &size);
    RegCloseKey(k);
  }
  s.checks.ExpectText("the stored history", Narrow(stored), Html(Mean3x3()) + "," + Html(kA) + "," + Html(kB));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color");
  return RunDriver(argc, argv,
                   {{"boards of known colours", Boards},
                    {"the start", Start},
                    {"a click on the target", AClickOnTheTarget},
                    {"the hotkey from the tray", HotkeyFromTheTray},
                    {"Esc and a right click cancel", EscAndRightClickCancel},
                    {"Enter and Space end a pick", EnterAndSpaceEndAPick},
                    {"Ctrl averages a drag", CtrlAveragesADrag},
                    {"the end of the session", End},
                    {"the recent colours after a restart", RecentColoursAfterARestart},
                    {"the end of the session", End}},
                   StartFirst::No);
}
