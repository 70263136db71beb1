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

// What the scenarios hand on: the first start's place and size, and the probe of the
// window's answers while it is tried.
struct Run {
  POINT centred{};
  std::string width, height;
  std::unique_ptr<Watchdog> dog;
};

// A first start with nothing stored: the centred place, and a good stored size.
void FirstStart(Session& s, Run& run) {
  {
    Program program(s.exe);
    HWND hwnd = WaitForPaintedWindow(program, s.ids, s.checks);
    if (!hwnd) return;
    run.centred = WindowCorner(hwnd);
    PointerTo(ScreenPoint(hwnd, s.Layout(), s.ids.Get("picZoom"), 30, 30));  // a move over a drag surface stores the place
    Pump(300);
    EndSession(hwnd, program);
  }
  run.width = StoredPlacement(L"Width");
  run.height = StoredPlacement(L"Height");
  s.checks.Expect(run.width != "(missing)" && run.height != "(missing)",
                "the first start stored its size " + run.width + " x " + run.height);
}

// 1. Placements of the wrong kind count as missing: the window opens centred and works.
void PlacementsOfTheWrongKind(Session& s, Run& run) {
  for (const BadLeft& bad : kBadLefts) {
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettings, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr);
    RegDeleteValueW(k, L"Left");
    bad.store(k);
    SetText(k, L"Top", std::to_wstring(static_cast<int>(100 * s.Layout().units.TwipsPerPixelY())));
    SetText(k, L"Width", Widen(run.width));
    SetText(k, L"Height", Widen(run.height));
    RegCloseKey(k);
    Program program(s.exe);
    HWND hwnd = WaitForPaintedWindow(program, s.ids, s.checks);
    if (!hwnd) return;
    const POINT corner = WindowCorner(hwnd);
    s.checks.Expect(std::abs(corner.x - run.centred.x) <= 1 && std::abs(corner.y - run.centred.y) <= 1,
                  std::string(bad.what) + ": the window opens centred, at " + std::to_string(corner.x) + "," +
                      std::to_string(corner.y));
    // It works: a click on the Html row copies it.
    Watchdog dog{hwnd};
    Click(ScreenPoint(hwnd, s.Layout(), s.ids.Get("Color_TextBox(1)"), 20, 9), dog);
    s.checks.ExpectText(std::string(bad.what) + ": the clipboard after a click on the Html row", ClipboardText(),
                      ReadText(GetDlgItem(hwnd, s.ids.Id("Color_TextBox(1)"))));
    EndSession(hwnd, program);
  }
}

void StartWatched(Session& s, Run& run) {
  if (s.Start()) run.dog = std::make_unique<Watchdog>(Watchdog{s.hwnd});
}

// 2. Another program holds the clipboard for 5 s while the user clicks a row and types a
// value that is clamped. The window keeps answering; the newest copy lands once the
// clipboard is free.
void AHeldClipboard(Session& s, Run& run) {
  s.checks.Expect(OpenClipboard(nullptr) && PutOnClipboard(L"held by another program"), "the clipboard is held");
  const ULONGLONG heldSince = GetTickCount64();
  Click(ScreenPoint(s.hwnd, s.Layout(), s.ids.Get("Color_TextBox(6)"), 20, 9), *run.dog);
  Click(s.At("Text_G", 20, 9), *run.dog);
  Tap(VK_END, *run.dog);
  for (int i = 0; i < 3; ++i) Tap(VK_BACK, *run.dog);
  for (WORD digit : {'3', '0', '0'}) Tap(digit, *run.dog);
  s.checks.ExpectText("green, typed 300 while the clipboard is held", s.Text("Text_G"), "255");
  Click(ScreenPoint(s.hwnd, s.Layout(), s.ids.Get("Color_TextBox(1)"), 20, 9), *run.dog);
  const std::string html = s.Text("Color_TextBox(1)");
  run.dog->Watch(static_cast<DWORD>(std::max<LONGLONG>(0, 5000 - static_cast<LONGLONG>(GetTickCount64() - heldSince))));
  CloseClipboard();
  s.checks.Expect(run.dog->unanswered == 0, "the window answered all " + std::to_string(run.dog->sent) +
                                         " WM_NULL probes within 200 ms while the clipboard was held (slowest " +
                                         std::to_string(run.dog->slowest) + " ms, " + std::to_string(run.dog->unanswered) +
                                         " unanswered)");
  std::string got;
  const bool landed = WaitUntil([&] { return (got = ClipboardText()) == html; }, 2000);
  s.checks.Expect(landed, "once free, the clipboard holds the newest copy \"" + html + "\" (it holds \"" + got + "\")");
  Click(ScreenPoint(s.hwnd, s.Layout(), s.ids.Get("Color_TextBox(5)"), 20, 9), *run.dog);
  s.checks.ExpectText("a later click copies at once", ClipboardText(), s.Text("Color_TextBox(5)"));
}

// 3. The picked window closes under a drag: the pick goes on with what is under the
// pointer now, and the drag ends cleanly.
void ABoardClosesUnderADrag(Session& s, Run& run) {
  const COLORREF a = RGB(200, 30, 90), b = RGB(20, 160, 220);
  const RECT place{40, 40, 240, 200};
  HWND board = ShowBoard(place, a, b);
  Pump(500);
  const POINT onA{80, 120};
  s.checks.Expect(ScreenColour(onA) == a, "the board shows its colour");
  const POINT target = s.At("Picture2", 16, 16);
  PointerTo(target);
  run.dog->Watch(150);
  Button(true, true);
  run.dog->Watch(150);
  for (int i = 1; i <= 20; ++i) {
    PointerTo({target.x + (onA.x - target.x) * i / 20, target.y + (onA.y - target.y) * i / 20});
    run.dog->Watch(20);
  }
  run.dog->Watch(300);
  CheckReadoutsShow(s.checks, s.hwnd, s.ids, a, "on the board");
  DestroyWindow(board);
  run.dog->Watch(300);
  const COLORREF under = ScreenColour({onA.x + 1, onA.y});
  PointerTo({onA.x + 1, onA.y});
  run.dog->Watch(300);
  CheckReadoutsShow(s.checks, s.hwnd, s.ids, under, "after the board closed");
  Button(true, false);
  run.dog->Watch(300);
  RECT clip{};
  GetClipCursor(&clip);
  s.checks.Expect(clip.left == 0 && clip.top == 0 && clip.right >= GetSystemMetrics(SM_CXSCREEN) &&
                    clip.bottom >= GetSystemMetrics(SM_CYSCREEN),
                "after the release the pointer is free");
  PointerTo({onA.x + 30, onA.y + 30});
  run.dog->Watch(300);
  CheckReadoutsShow(s.checks, s.hwnd, s.ids, under, "a move after the release picks nothing");
  s.checks.Expect(run.dog->unanswered == 0, "the window answered throughout (" + std::to_string(run.dog->sent) + " probes, slowest " +
                                         std::to_string(run.dog->slowest) + " ms)");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color");
  Run run;
  const auto with = [&run](void (*scenario)(Session&, Run&)) {
    return [&run, scenario](Session& s) { scenario(s, run); };
  };
  const auto watched = [&run](void (*scenario)(Session&, Run&)) {
    return [&run, scenario](Session& s) {
      if (run.dog) scenario(s, run);
    };
  };
  return RunDriver(argc, argv,
                   {{"the first start", with(FirstStart)},
                    {"placements of the wrong kind", with(PlacementsOfTheWrongKind)},
                    {"a start watched for its answers", with(StartWatched)},
                    {"a clipboard held by another program", watched(AHeldClipboard)},
                    {"a board that closes under a drag", watched(ABoardClosesUnderADrag)},
                    {"the end of the session", watched([](Session& s, Run&) { EndSession(s.hwnd, *s.program); })}},
                   StartFirst::No);
}
