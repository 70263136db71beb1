// The skinned frame, as a user meets it: hover and pressed pictures of the image buttons
// by real pointer moves (read back from the screen), minimise and close by their buttons,
// a drag of the window by its background, the taskbar menu's close, the colour dialog
// driven by its controls, and the About window.
#include <string>

#include "about_window.h"
#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

std::string Hex(COLORREF c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d,%d,%d", GetRValue(c), GetGValue(c), GetBValue(c));
  return buf;
}

// The window was closed to the tray or minimised: the tray icon's left click brings it back.
void BringBack(HWND hwnd) { PostMessageW(hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP); }

HWND FindOwnedDialog(DWORD pid) {
  struct Search { DWORD pid; HWND found; } search{pid, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t cls[32] = {};
        GetClassNameW(hwnd, cls, 32);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == s->pid && std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd)) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Visible top-level windows of a class.
int CountWindows(const wchar_t* cls) {
  struct Count { const wchar_t* cls; int n; } count{cls, 0};
  EnumWindows(
      [](HWND hwnd, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Count*>(p);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (IsWindowVisible(hwnd) && std::wstring(name) == c->cls) ++c->n;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.n;
}

// The colours of a screen area, to see a headline change.
std::vector<COLORREF> AreaPixels(RECT r) {
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(nullptr);
  for (int y = r.top; y < r.bottom; y += 2)
    for (int x = r.left; x < r.right; x += 2) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(nullptr, dc);
  return pixels;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

void Foreground(Session& s) {
  SetForegroundWindow(s.hwnd);
  Pump(500);
}

// Resting pictures, then hover and pressed by real moves.
void ButtonPictures(Session& s) {
  struct Look { const char* button; int dx, dy; COLORREF resting, hover; };
  const Look looks[] = {{"关于我们0", 6, 17, RGB(45, 125, 215), RGB(30, 100, 185)},
                        {"系统调色板0", 6, 17, RGB(45, 125, 215), RGB(30, 100, 185)},
                        {"最小0", 3, 3, RGB(33, 33, 38), RGB(90, 90, 98)},
                        {"关闭0", 3, 3, RGB(33, 33, 38), RGB(215, 45, 45)}};
  for (const Look& l : looks) {
    const POINT p = s.At(l.button, l.dx, l.dy);
    s.checks.Expect(ScreenColour(p) == l.resting, std::string(l.button) + " rests at " + Hex(l.resting) + " (reads " +
                                                    Hex(ScreenColour(p)) + ")");
    PointerTo(s.At(l.button, 60 < l.dx ? 0 : 17, 17));
    s.checks.Expect(WaitForScreenColour(p, l.hover, 3000), std::string(l.button) + " shows its hover picture (reads " +
                                                             Hex(ScreenColour(p)) + ")");
  }
  s.checks.Expect(s.Screenshot(), "screenshot with the buttons saved");
  PointerTo(s.At("picZoom", 100, 100));  // a drag surface: every button rests again
  s.checks.Expect(WaitForScreenColour(s.At("关闭0", 3, 3), RGB(33, 33, 38), 3000), "moving over the magnifier puts the close button back");
}

// Pressed, then released on the minimise button: the window is minimised, not hidden.
void MinimiseButton(Session& s) {
  PointerTo(s.At("最小0", 17, 17));
  Pump(200);
  Button(true, true);
  s.checks.Expect(WaitForScreenColour(s.At("最小0", 3, 3), RGB(60, 60, 66), 3000), "a press shows the minimise button pressed");
  Button(true, false);
  s.checks.Expect(WaitUntil([&] { return IsIconic(s.hwnd) && IsWindowVisible(s.hwnd); }, 5000),
                "最小0 minimises the window, which stays on the taskbar");
  BringBack(s.hwnd);
  s.checks.Expect(WaitUntil([&] { return !IsIconic(s.hwnd) && IsWindowVisible(s.hwnd); }, 5000), "the tray brings it back");
  Pump(500);
}

// The close button hides the window to the tray; the program goes on.
void CloseButton(Session& s) {
  PointerTo(s.At("关闭0", 17, 17));
  Pump(200);
  Button(true, true);
  Pump(100);
  Button(true, false);
  s.checks.Expect(WaitUntil([&] { return !IsWindowVisible(s.hwnd); }, 5000), "关闭0 hides the window");
  s.checks.Expect(s.program->Running(), "the program keeps running in the tray");
  BringBack(s.hwnd);
  s.checks.Expect(WaitUntil([&] { return IsWindowVisible(s.hwnd) && !IsIconic(s.hwnd); }, 5000),
                "its tray icon still answers and shows the window");
  Pump(500);
}

// A drag by the background (the title band right of the slogan) moves the window by the
// pointer's offset and stores the new place.
void DragByTheBackground(Session& s) {
  RECT before{};
  GetWindowRect(s.hwnd, &before);
  POINT grab{before.left + 500, before.top + 20};
  PointerTo(grab);
  Pump(300);
  Button(true, true);
  Pump(100);
  for (int i = 1; i <= 10; ++i) {
    PointerTo({grab.x + 4 * i, grab.y + 3 * i});
    Pump(40);
  }
  Pump(200);
  Button(true, false);
  Pump(500);
  RECT after{};
  GetWindowRect(s.hwnd, &after);
  s.checks.Expect(after.left - before.left == 40 && after.top - before.top == 30,
                "a drag by the background moves the window by (" + std::to_string(after.left - before.left) + ", " +
                    std::to_string(after.top - before.top) + "), expected (40, 30)");
  PointerTo({after.left + 300, after.top + 20});  // a move after the drag saves the place
  Pump(500);
  s.checks.ExpectText("stored Left", StoredPlacement(L"Left"), std::to_string(after.left * 15));
  s.checks.ExpectText("stored Top", StoredPlacement(L"Top"), std::to_string(after.top * 15));
  PointerTo({after.left + 30, after.top + 60});  // a label: no drag
  Button(true, true);
  Pump(100);
  PointerTo({after.left + 60, after.top + 90});
  Pump(200);
  Button(true, false);
  Pump(300);
  RECT still{};
  GetWindowRect(s.hwnd, &still);
  s.checks.Expect(still.left == after.left && still.top == after.top, "pressing on a label does not drag the window");
}

// The taskbar menu's close hides the window.
void TaskbarClose(Session& s) {
  PostMessageW(s.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  s.checks.Expect(WaitUntil([&] { return !IsWindowVisible(s.hwnd); }, 5000), "the system close hides the window");
  s.checks.Expect(s.program->Running(), "and the program goes on");
  BringBack(s.hwnd);
  s.checks.Expect(WaitUntil([&] { return IsWindowVisible(s.hwnd); }, 5000), "shown again from the tray");
  SetForegroundWindow(s.hwnd);
  Pump(500);
}

// The colour dialog: 18, 52, 86 with OK, then cancel.
void ColourDialog(Session& s) {
  for (const bool ok : {true, false}) {
    PointerTo(s.At("系统调色板0", 60, 17));
    Pump(200);
    Button(true, true);
    Pump(100);
    Button(true, false);
    HWND dialog = nullptr;
    s.checks.Expect(WaitUntil([&] { return (dialog = FindOwnedDialog(ProcessOf(s.hwnd))) != nullptr; }, 5000), "the colour dialog opens");
    if (!dialog) return;
    Sleep(300);
    // The window showed the button at rest before the dialog took over.
    const POINT plate = s.At("系统调色板0", 6, 17);
    RECT over{};
    GetWindowRect(dialog, &over);
    if (!PtInRect(&over, plate))
      s.checks.Expect(ScreenColour(plate) == RGB(45, 125, 215), "the palette button rests while the dialog is open (reads " +
                                                                   Hex(ScreenColour(plate)) + ")");
    SetDlgItemInt(dialog, 706, 18, FALSE);
    SetDlgItemInt(dialog, 707, 52, FALSE);
    SetDlgItemInt(dialog, 708, 86, FALSE);
    Sleep(200);
    SendMessageW(GetDlgItem(dialog, ok ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    s.checks.Expect(WaitUntil([&] { return !IsWindow(dialog); }, 5000), "the dialog closes");
    Pump(500);
    const std::string channels = s.Text("Text_R") + "," + s.Text("Text_G") + "," + s.Text("Text_B");
    s.checks.ExpectText(ok ? "channels after OK" : "channels after cancel", channels, "18,52,86");
    s.checks.ExpectText("BASIC notation", s.Text("Color_TextBox(3)"), "5649426");
    s.checks.ExpectText("HSV hue", s.Text("Text_HSV_H"), DecimalText(RgbToHsv(18, 52, 86).h));
    s.checks.ExpectText("Lab L", s.Text("Text_Lab_L"), DecimalText(RgbToLab(18, 52, 86).l));
  }
}

// The About window: modal, its headline changes colour, its close box closes it.
void TheAboutWindow(Session& s) {
  PointerTo(s.At("关于我们0", 60, 17));
  Pump(200);
  Button(true, true);
  Pump(100);
  Button(true, false);
  HWND about = nullptr;
  s.checks.Expect(WaitUntil([&] { return (about = FindWindowW(L"VelkaroAboutWindow", nullptr)) && IsWindowVisible(about); }, 5000),
                "the About window opens");
  if (about) {
    wchar_t caption[64] = {};
    GetWindowTextW(about, caption, 64);
    s.checks.ExpectText("About caption", Narrow(caption), "关于我们!（#^.^#)");
    s.checks.Expect(!IsWindowEnabled(s.hwnd), "the main window takes no input meanwhile");
    RECT client{};
    GetClientRect(about, &client);
    s.checks.Expect(client.right == 561 && client.bottom == 208,
                  "its client area is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
    POINT origin{0, 0};
    ClientToScreen(about, &origin);
    const RECT headline{origin.x + 256, origin.y, origin.x + 536, origin.y + 24};
    Sleep(400);
    const auto first = AreaPixels(headline);
    Sleep(700);
    s.checks.Expect(AreaPixels(headline) != first, "its headline changes colour within a second");
    if (const std::wstring aboutShot = s.Extra(0); !aboutShot.empty())
      s.checks.Expect(SaveWindowBitmap(about, aboutShot), "screenshot of the About window saved");
    // The tray's "关于软件" while it is open (the icon's messages still reach the window):
    // the open one comes forward, no second opens.
    PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_RBUTTONUP);
    s.checks.Expect(WaitUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; }, 5000),
                    "the tray menu opens over the About window");
    Sleep(300);
    for (WORD vk : {WORD{VK_UP}, WORD{VK_UP}, WORD{VK_RETURN}}) {
      Key(vk, true);
      Key(vk, false);
      Sleep(100);
    }
    Pump(800);
    s.checks.Expect(CountWindows(kAboutWindowClass) == 1, "still one About window (" +
                                                              std::to_string(CountWindows(kAboutWindowClass)) + ")");
    RECT r{};
    GetWindowRect(about, &r);
    const int closeX = r.right - GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXSIZE) / 2;
    const int closeY = r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    PointerTo({closeX, closeY});
    Pump(300);
    Button(true, true);
    Pump(100);
    Button(true, false);
    s.checks.Expect(WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 5000),
                  "its close box closes it");
    s.checks.Expect(WaitUntil([&] { return IsWindowEnabled(s.hwnd) != FALSE; }, 3000), "and the main window takes input again");
  }
  // Opened again, Esc closes it, as it closes any modal window.
  PointerTo(s.At("关于我们0", 60, 17));
  Pump(200);
  Button(true, true);
  Pump(100);
  Button(true, false);
  s.checks.Expect(WaitUntil([&] { return (about = FindWindowW(kAboutWindowClass, nullptr)) && IsWindowVisible(about); }, 5000),
                  "the About window opens again");
  Pump(500);
  Key(VK_ESCAPE, true);
  Key(VK_ESCAPE, false);
  s.checks.Expect(WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 5000), "Esc closes it");
  s.checks.Expect(WaitUntil([&] { return IsWindowEnabled(s.hwnd) != FALSE; }, 3000), "and the main window takes input again");
}

void End(Session& s) { s.checks.Expect(s.EndSession() == 0, "the program ends with exit code 0"); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv,
                   {{"in front", Foreground},
                    {"the image buttons' pictures", ButtonPictures},
                    {"the minimise button", MinimiseButton},
                    {"the close button", CloseButton},
                    {"a drag by the background", DragByTheBackground},
                    {"the taskbar menu's close", TaskbarClose},
                    {"the colour dialog", ColourDialog},
                    {"the About window", TheAboutWindow},
                    {"the end of the session", End}});
}
