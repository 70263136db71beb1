// What a real desktop throws at the program: stored placements of the wrong kind, another
// program holding the clipboard open, and the picked window closing under a drag. The
// program must stay answering and never take a wrong value for a right one.
#include <algorithm>
#include <cstring>
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

const wchar_t kSettings[] = L"Software\\VB and VBA Program Settings\\Pelmora_Color\\Soft_Stat";

void SetValue(HKEY k, const wchar_t* name, DWORD type, const void* data, std::size_t bytes) {
  RegSetValueExW(k, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(bytes));
}

void SetText(HKEY k, const wchar_t* name, const std::wstring& text) {
  SetValue(k, name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// Left stored wrongly beside a good Top, Width and Height. Read as the number 1500 it
// would put the window at x 100; counted as missing, it centres the window.
struct BadLeft {
  const char* what;
  void (*store)(HKEY);
};
const BadLeft kBadLefts[] = {
    {"Left as REG_DWORD 1500", [](HKEY k) { const DWORD v = 1500; SetValue(k, L"Left", REG_DWORD, &v, sizeof v); }},
    {"Left as REG_BINARY \"1500\"", [](HKEY k) { SetValue(k, L"Left", REG_BINARY, L"1500", 10); }},
    {"Left as a 64 KB string", [](HKEY k) { SetText(k, L"Left", L"1500" + std::wstring(65532, L' ')); }},
    {"Left as an empty string", [](HKEY k) { SetText(k, L"Left", L""); }},
};

// Sends WM_NULL to the window with a 200 ms limit every 20 ms for `ms`, as the desktop's
// hang detection would; counts the answers that did not come and keeps the slowest.
struct Watchdog {
  HWND hwnd;
  int sent = 0, unanswered = 0;
  DWORD slowest = 0;
  void Watch(DWORD ms) {
    const ULONGLONG until = GetTickCount64() + ms;
    do {
      const ULONGLONG before = GetTickCount64();
      DWORD_PTR result = 0;
      ++sent;
      if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 200, &result)) ++unanswered;
      slowest = std::max(slowest, static_cast<DWORD>(GetTickCount64() - before));
      Pump(20);
    } while (GetTickCount64() < until);
  }
};

void Click(POINT p, Watchdog& dog) {
  PointerTo(p);
  dog.Watch(150);
  Button(true, true);
  dog.Watch(100);
  Button(true, false);
  dog.Watch(300);
}

void Tap(WORD vk, Watchdog& dog) {
  Key(vk, true);
  Key(vk, false);
  dog.Watch(150);
}

// Called with the clipboard open.
bool PutOnClipboard(const wchar_t* text) {
  const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), text, bytes);
  GlobalUnlock(memory);
  EmptyClipboard();
  return SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
}

void CheckReadoutsShow(Checks& checks, HWND hwnd, const ControlMap& ids, COLORREF c, const std::string& when) {
  auto text = [&](const char* name) { return ReadText(GetDlgItem(hwnd, ids.Id(name))); };
  const Readouts o = ComputeReadouts(GetRValue(c), GetGValue(c), GetBValue(c));
  checks.Expect(text("Text_R") == std::to_string(GetRValue(c)) && text("Text_G") == std::to_string(GetGValue(c)) &&
                    text("Text_B") == std::to_string(GetBValue(c)) && text("Color_TextBox(1)") == o.notations[1].str() &&
                    text("Text_Lab_L") == DecimalText(o.lab.l),
                when + ": the readouts show " + o.notations[1].str() + " (R,G,B " + text("Text_R") + "," +
                    text("Text_G") + "," + text("Text_B") + ", Html " + text("Color_TextBox(1)") + ")");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring exe = Arg(argc, argv, 1), shot = Arg(argc, argv, 2);
  Checks checks;
  const ControlMap ids;
  const Form1& layout = ids.Layout();
  auto text = [&](HWND hwnd, const char* name) { return ReadText(GetDlgItem(hwnd, ids.Id(name))); };
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color");

  // A first start with nothing stored: the centred place, and a good stored size.
  POINT centred{};
  {
    Program program(exe);
    HWND hwnd = WaitForPaintedWindow(program, ids, checks);
    if (!hwnd) return checks.Finish();
    centred = WindowCorner(hwnd);
    PointerTo(ScreenPoint(hwnd, layout, ids.Get("picZoom"), 30, 30));  // a move over a drag surface stores the place
    Pump(300);
    EndSession(hwnd, program);
  }
  const std::string width = StoredPlacement(L"Width"), height = StoredPlacement(L"Height");
  checks.Expect(width != "(missing)" && height != "(missing)", "the first start stored its size " + width + " x " + height);

  // 1. Placements of the wrong kind count as missing: the window opens centred and works.
  for (const BadLeft& bad : kBadLefts) {
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettings, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr);
    RegDeleteValueW(k, L"Left");
    bad.store(k);
    SetText(k, L"Top", std::to_wstring(static_cast<int>(100 * layout.units.TwipsPerPixelY())));
    SetText(k, L"Width", Widen(width));
    SetText(k, L"Height", Widen(height));
    RegCloseKey(k);
    Program program(exe);
    HWND hwnd = WaitForPaintedWindow(program, ids, checks);
    if (!hwnd) return checks.Finish();
    const POINT corner = WindowCorner(hwnd);
    checks.Expect(std::abs(corner.x - centred.x) <= 1 && std::abs(corner.y - centred.y) <= 1,
                  std::string(bad.what) + ": the window opens centred, at " + std::to_string(corner.x) + "," +
                      std::to_string(corner.y));
    // It works: a click on the Html row copies it.
    Watchdog dog{hwnd};
    Click(ScreenPoint(hwnd, layout, ids.Get("Color_TextBox(1)"), 20, 9), dog);
    checks.ExpectText(std::string(bad.what) + ": the clipboard after a click on the Html row", ClipboardText(),
                      text(hwnd, "Color_TextBox(1)"));
    EndSession(hwnd, program);
  }

  Program program(exe);
  HWND hwnd = WaitForPaintedWindow(program, ids, checks);
  if (!hwnd) return checks.Finish();
  Watchdog dog{hwnd};

  // 2. Another program holds the clipboard for 5 s while the user clicks a row and types a
  // value that is clamped. The window keeps answering; the newest copy lands once the
  // clipboard is free.
  checks.Expect(OpenClipboard(nullptr) && PutOnClipboard(L"held by another program"), "the clipboard is held");
  const ULONGLONG heldSince = GetTickCount64();
  Click(ScreenPoint(hwnd, layout, ids.Get("Color_TextBox(6)"), 20, 9), dog);
  Click(ScreenPoint(hwnd, layout, ids.Get("Text_G"), 20, 9), dog);
  Tap(VK_END, dog);
  for (int i = 0; i < 3; ++i) Tap(VK_BACK, dog);
  for (WORD digit : {'3', '0', '0'}) Tap(digit, dog);
  checks.ExpectText("green, typed 300 while the clipboard is held", text(hwnd, "Text_G"), "255");
  Click(ScreenPoint(hwnd, layout, ids.Get("Color_TextBox(1)"), 20, 9), dog);
  const std::string html = text(hwnd, "Color_TextBox(1)");
  dog.Watch(static_cast<DWORD>(std::max<LONGLONG>(0, 5000 - static_cast<LONGLONG>(GetTickCount64() - heldSince))));
  CloseClipboard();
  checks.Expect(dog.unanswered == 0, "the window answered all " + std::to_string(dog.sent) +
                                         " WM_NULL probes within 200 ms while the clipboard was held (slowest " +
                                         std::to_string(dog.slowest) + " ms, " + std::to_string(dog.unanswered) +
                                         " unanswered)");
  std::string got;
  const bool landed = WaitUntil([&] { return (got = ClipboardText()) == html; }, 2000);
  checks.Expect(landed, "once free, the clipboard holds the newest copy \"" + html + "\" (it holds \"" + got + "\")");
  Click(ScreenPoint(hwnd, layout, ids.Get("Color_TextBox(5)"), 20, 9), dog);
  checks.ExpectText("a later click copies at once", ClipboardText(), text(hwnd, "Color_TextBox(5)"));

  // 3. The picked window closes under a drag: the pick goes on with what is under the
  // pointer now, and the drag ends cleanly.
  const COLORREF a = RGB(200, 30, 90), b = RGB(20, 160, 220);
  const RECT place{40, 40, 240, 200};
  HWND board = ShowBoard(place, a, b);
  Pump(500);
  const POINT onA{80, 120};
  checks.Expect(ScreenColour(onA) == a, "the board shows its colour");
  const POINT target = ScreenPoint(hwnd, layout, ids.Get("Picture2"), 16, 16);
  PointerTo(target);
  dog.Watch(150);
  Button(true, true);
  dog.Watch(150);
  for (int i = 1; i <= 20; ++i) {
    PointerTo({target.x + (onA.x - target.x) * i / 20, target.y + (onA.y - target.y) * i / 20});
    dog.Watch(20);
  }
  dog.Watch(300);
  CheckReadoutsShow(checks, hwnd, ids, a, "on the board");
  DestroyWindow(board);
  dog.Watch(300);
  const COLORREF under = ScreenColour({onA.x + 1, onA.y});
  PointerTo({onA.x + 1, onA.y});
  dog.Watch(300);
  CheckReadoutsShow(checks, hwnd, ids, under, "after the board closed");
  Button(true, false);
  dog.Watch(300);
  RECT clip{};
  GetClipCursor(&clip);
  checks.Expect(clip.left == 0 && clip.top == 0 && clip.right >= GetSystemMetrics(SM_CXSCREEN) &&
                    clip.bottom >= GetSystemMetrics(SM_CYSCREEN),
                "after the release the pointer is free");
  PointerTo({onA.x + 30, onA.y + 30});
  dog.Watch(300);
  CheckReadoutsShow(checks, hwnd, ids, under, "a move after the release picks nothing");
  checks.Expect(dog.unanswered == 0, "the window answered throughout (" + std::to_string(dog.sent) + " probes, slowest " +
                                         std::to_string(dog.slowest) + " ms)");
  if (!shot.empty()) checks.Expect(SaveWindowBitmap(hwnd, shot), "screenshot saved");
  EndSession(hwnd, program);
  return checks.Finish();
}
