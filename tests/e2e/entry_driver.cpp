// Sets colours by hand with real keys and pointer events, as a user would: typing into a
// channel box, clicking notation rows, dragging a slider thumb past its end; then reads
// the clipboard from this process, the stored placement from the registry, and starts
// the program over stored, off-screen and garbled placements.
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

const wchar_t kSettings[] = L"Software\\VB and VBA Program Settings\\Pelmora_Color\\Soft_Stat";

void Store(const wchar_t* left, const wchar_t* top) {
  HKEY k;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSettings, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr);
  for (auto [name, value] : {std::pair{L"Left", left}, {L"Top", top}, {L"Width", L"9810"}, {L"Height", L"7425"}})
    RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
}

void Tap(WORD vk) {
  Key(vk, true);
  Key(vk, false);
  Pump(150);
}

void Click(POINT p, bool left) {
  PointerTo(p);
  Pump(150);
  Button(left, true);
  Pump(100);
  Button(left, false);
  Pump(300);
}

void FirstStartIsCentred(Session& s) {
  const POINT corner = WindowCorner(s.hwnd);
  s.checks.Expect(corner.x == 313 && (corner.y == 264 || corner.y == 265),
                  "first start: centred at " + std::to_string(corner.x) + "," + std::to_string(corner.y));
}

// Typing into the green box: emptied it reads 0, then 3, 30, and 300 becomes 255.
void TypingIntoGreen(Session& s) {
  Click(s.At("Text_G", 20, 9), true);
  Tap(VK_END);
  for (int i = 0; i < 3; ++i) Tap(VK_BACK);
  s.checks.ExpectText("emptied green box", s.Text("Text_G"), "0");
  s.checks.ExpectText("clipboard after emptying", ClipboardText(), "0");
  Tap('3');
  s.checks.ExpectText("green after 3", s.Text("Text_G"), "3");
  Tap('0');
  s.checks.ExpectText("green after 30", s.Text("Text_G"), "30");
  Tap('0');
  s.checks.ExpectText("green after 300", s.Text("Text_G"), "255");
  s.checks.ExpectText("clipboard after 300", ClipboardText(), "255");
  Tap('A');
  Tap(VK_OEM_MINUS);
  s.checks.ExpectText("a letter and a minus do not appear", s.Text("Text_G"), "255");
  s.checks.ExpectText("R,G,B row", s.Text("Color_TextBox(5)"), "144,255,31");
  s.checks.ExpectText("HSV follows", s.Text("Text_HSV_H"), std::to_string(RgbToHsv(144, 255, 31).h));
  s.checks.Expect(ScreenColour(s.At("Picture4", 81 + 5, 7 + 6)) != RGB(232, 232, 232),
                  "the green thumb stands at the right end");
  // Keys that change nothing leave another program's copy on the clipboard; at 255, End
  // then Backspace gives 25, and a 5 typed after it 255 again.
  PutClipboardText(L"77");
  Tap(VK_END);
  Tap(VK_LEFT);
  Tap(VK_HOME);
  s.checks.ExpectText("the clipboard after End, Left and Home", ClipboardText(), "77");
  Tap(VK_END);
  Tap(VK_BACK);
  s.checks.ExpectText("green after End and Backspace at 255", s.Text("Text_G"), "25");
  s.checks.ExpectText("the clipboard after Backspace to 25", ClipboardText(), "77");
  Tap('5');
  s.checks.ExpectText("green after a 5", s.Text("Text_G"), "255");
}

// Notation rows copy their text, with either button.
void NotationRowsCopy(Session& s) {
  Click(s.At("Color_TextBox(6)", 20, 9), true);
  s.checks.ExpectText("clipboard after a click on Hex:", ClipboardText(), s.Text("Color_TextBox(6)"));
  Click(s.At("Color_TextBox(1)", 20, 9), false);
  Tap(VK_ESCAPE);  // the edit's context menu
  s.checks.ExpectText("clipboard after a right click on Html、PS:", ClipboardText(), "#90FF1F");
}

// The red thumb dragged to the end and beyond: 255, and the pointer stays in the slider.
void RedThumbPastTheEnd(Session& s) {
  const ScreenRect slider = s.Layout().units.ClientPixels(s.ids.Get("Picture3"));
  POINT sliderRight{slider.left + slider.width - 1, 0};
  ClientToScreen(s.hwnd, &sliderRight);
  const POINT thumb = s.At("Picture3", 46 + 5, 7 + 5);
  PointerTo(thumb);
  Pump(150);
  Button(true, true);
  Pump(150);
  LONG furthest = 0;
  for (int i = 1; i <= 40; ++i) {
    PointerTo({thumb.x + i * 8, thumb.y});
    Pump(20);
    POINT at;
    GetCursorPos(&at);
    furthest = std::max(furthest, at.x);
  }
  Pump(300);
  s.checks.ExpectText("red after dragging past the end", s.Text("Text_R"), "255");
  s.checks.Expect(furthest <= sliderRight.x, "the pointer stayed in the slider (furthest x " +
                                                 std::to_string(furthest) + ", edge " + std::to_string(sliderRight.x) + ")");
  Button(true, false);
  Pump(300);
  PointerTo({thumb.x + 300, thumb.y + 200});
  Pump(200);
  POINT free;
  GetCursorPos(&free);
  s.checks.Expect(free.x == thumb.x + 300, "after the release the pointer moves freely");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

// A move over a drag surface stores the placement.
void DragSurfaceStoresThePlace(Session& s) {
  const POINT corner = WindowCorner(s.hwnd);
  PointerTo(s.At("picZoom", 30, 30));
  Pump(300);
  s.checks.ExpectText("stored Left", StoredPlacement(L"Left"), std::to_string(corner.x * 15));
  s.checks.ExpectText("stored Top", StoredPlacement(L"Top"), std::to_string(corner.y * 15));
  s.checks.ExpectText("stored Width", StoredPlacement(L"Width"), "9810");
  s.checks.ExpectText("stored Height", StoredPlacement(L"Height"), "7425");
  EndSession(s.hwnd, *s.program);
}

void RestartsOverStoredPlaces(Session& s) {
  struct Restart {
    const wchar_t *left, *top;
    int x, y;
    const char* what;
  };
  for (const Restart& r : {Restart{L"1500", L"1200", 100, 80, "a stored place"},
                           Restart{L"-90000", L"1200", 313, 265, "a place off every screen"},
                           Restart{L"abc", L"1200", 313, 265, "a place that is not a number"}}) {
    Store(r.left, r.top);
    Program program(s.exe);
    HWND hwnd = program.WaitForWindow(20000);
    const POINT corner = hwnd ? WindowCorner(hwnd) : POINT{-1, -1};
    s.checks.Expect(corner.x == r.x && (corner.y == r.y || corner.y == r.y - 1),
                    std::string("started with ") + r.what + ": at " + std::to_string(corner.x) + "," +
                        std::to_string(corner.y));
    if (hwnd) EndSession(hwnd, program);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color");
  return RunDriver(argc, argv,
                   {{"the first start", FirstStartIsCentred},
                    {"typing into the green box", TypingIntoGreen},
                    {"notation rows copy", NotationRowsCopy},
                    {"the red thumb past its end", RedThumbPastTheEnd},
                    {"a drag surface stores the place", DragSurfaceStoresThePlace},
                    {"starts over stored places", RestartsOverStoredPlaces}});
}
