// A long run of random real input, as a restless user and other programs would give it:
// eyedropper drags with arrow keys, presses and drags on every control with either
// button, typing and pasting into the boxes, hotkey picks, tray toggles and command
// strings from a DDE client. The program's own memory figure is sampled at a fixed interval; at the end the
// program must be running and answering, its memory no more than 1 MB above the first
// sample after warming up, and no button's confinement or pick left behind.
// Arguments: program, screenshot, minutes, seconds between samples, seed.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

struct Soak {
  HWND hwnd;
  DWORD pid;
  const ControlMap& ids;
  std::mt19937 random;
  int actions = 0, slowAnswers = 0;
  DWORD slowest = 0;

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  POINT ScreenAnywhere() { return {Pick(GetSystemMetrics(SM_CXSCREEN)), Pick(GetSystemMetrics(SM_CYSCREEN))}; }
  POINT InControl(const Control& c, int spill) {
    const ScreenRect r = ids.Layout().units.ClientPixels(c);
    return ScreenPoint(hwnd, ids.Layout(), c, Pick(r.width + 2 * spill) - spill, Pick(r.height + 2 * spill) - spill);
  }
  // Waits while the program goes on; every wait also asks whether it still answers.
  void Wait(DWORD ms) {
    const ULONGLONG before = GetTickCount64();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)) ++slowAnswers;
    slowest = std::max(slowest, static_cast<DWORD>(GetTickCount64() - before));
    Pump(ms);
  }
  void Tap(WORD vk) {
    Key(vk, true);
    Key(vk, false);
    Wait(30);
  }
  void Glide(POINT from, POINT to, int steps) {
    for (int i = 1; i <= steps; ++i) {
      PointerTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
      Wait(Pick(3) == 0 ? 40 : 8);
    }
  }

  void EyedropperDrag() {
    const POINT target = InControl(ids.Get("Picture2"), 0);
    PointerTo(target);
    Wait(50);
    Button(true, true);
    Wait(50);
    Glide(target, ScreenAnywhere(), 5 + Pick(30));
    for (int i = Pick(4); i > 0; --i) Tap(static_cast<WORD>(VK_LEFT + Pick(4)));
    Button(true, false);
    Wait(100);
  }
  void PressOnAControl() {
    const auto& controls = ids.Layout().Controls();
    const Control& c = *controls[static_cast<std::size_t>(Pick(static_cast<int>(controls.size())))];
    const bool left = Pick(4) != 0;
    const POINT at = InControl(c, 2);
    PointerTo(at);
    Wait(40);
    Button(left, true);
    Wait(40);
    Glide(at, Pick(3) == 0 ? ScreenAnywhere() : InControl(c, 20), Pick(12) + 1);
    Button(left, false);
    Wait(100);
    if (!left) Tap(VK_ESCAPE);  // an edit's context menu
  }
  void TypeIntoABox() {
    static const char* boxes[] = {"Text_R", "Text_G", "Text_B", "txtZoom"};
    const Control& box = ids.Get(boxes[Pick(4)]);
    PointerTo(InControl(box, 0));
    Wait(40);
    Button(true, true);
    Button(true, false);
    Wait(60);
    static const WORD keys[] = {'0', '1', '2', '5', '9', VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, 'A',
                                VK_OEM_MINUS, VK_SPACE, VK_RETURN, VK_TAB};
    for (int i = 1 + Pick(6); i > 0; --i) Tap(keys[Pick(static_cast<int>(std::size(keys)))]);
    if (Pick(4) == 0) {  // a paste of whatever another program copied
      static const wchar_t* pasted[] = {L"77", L" 40 ", L"300", L"-5", L"abc", L"１２", L"0x1F", L"99999999999"};
      PutClipboardText(pasted[Pick(static_cast<int>(std::size(pasted)))]);
      Key(VK_CONTROL, true);
      Tap('V');
      Key(VK_CONTROL, false);
      Wait(60);
    }
  }
  // Ctrl+Alt+C, a wander, then a left click, a right click or Esc.
  void HotkeyPick() {
    Key(VK_CONTROL, true);
    Key(VK_MENU, true);
    Tap('C');
    Key(VK_MENU, false);
    Key(VK_CONTROL, false);
    Wait(150);
    const POINT from = ScreenAnywhere();
    Glide(from, ScreenAnywhere(), 3 + Pick(15));
    switch (Pick(3)) {
      case 0: Button(true, true); Button(true, false); break;
      case 1: Button(false, true); Button(false, false); break;
      default: Tap(VK_ESCAPE); break;
    }
    Wait(100);
  }
  void TrayToggle() {
    PostMessageW(hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
    Wait(300);
    PostMessageW(hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
    Wait(300);
  }
  void Command() {
    static const wchar_t* commands[] = {L"显示", L"最小化", L"显示 ", L"hello", L"", L"显示\r\n", L"\x1b[31m"};
    SendExecute(commands[Pick(static_cast<int>(std::size(commands)))]);
    Wait(200);
  }
  // Dialogs and windows the input opened are closed, and the main window brought back, as
  // a user would before going on.
  void Tidy() {
    struct Search {
      DWORD pid;
      HWND main;
      std::vector<HWND> found;
    } search{pid, hwnd, {}};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
          auto* s = reinterpret_cast<Search*>(p);
          DWORD owner = 0;
          GetWindowThreadProcessId(w, &owner);
          wchar_t cls[64] = {};
          GetClassNameW(w, cls, 64);
          if (owner == s->pid && w != s->main && IsWindowVisible(w) && std::wstring(cls) != L"tooltips_class32")
            s->found.push_back(w);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND w : search.found) PostMessageW(w, WM_CLOSE, 0, 0);
    if (!search.found.empty()) Wait(300);
    if (!IsWindowVisible(hwnd) || IsIconic(hwnd)) {
      PostMessageW(hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
      WaitUntil([&] { return IsWindowVisible(hwnd) && !IsIconic(hwnd); }, 3000);
      Wait(200);
    }
    // A title band drag may have left the window partly off the screen: put it back.
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (r.left < 0 || r.top < 0 || r.right > GetSystemMetrics(SM_CXSCREEN) || r.bottom > GetSystemMetrics(SM_CYSCREEN)) {
      SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      Wait(200);
    }
  }
  void OneAction() {
    ++actions;
    const int roll = Pick(100);
    if (roll < 30) EyedropperDrag();
    else if (roll < 60) PressOnAControl();
    else if (roll < 80) TypeIntoABox();
    else if (roll < 86) TrayToggle();
    else if (roll < 92) Command();
    else if (roll < 96) HotkeyPick();
    else Glide(ScreenAnywhere(), InControl(ids.Get("picZoom"), 0), 10);
    Tidy();
  }
};

// How long, how often memory is sampled, which random sequence; and what the soak left.
struct Run {
  double minutes = 30;
  int sampleSeconds = 60;
  unsigned seed = 1;
  int actions = 0;
};

long long PrivateKiB(const Session& s) {
  DWORD_PTR r = 0;
  SendMessageTimeoutW(s.hwnd, RegisterWindowMessageW(kMemoryUsageMessage), 0, 0, SMTO_NORMAL, 5000, &r);
  return static_cast<long long>(static_cast<std::uint64_t>(r) >> 32);
}

// Random actions for the time asked, memory sampled; the program runs through, answers
// promptly and does not grow.
void RandomInput(Session& s, Run& run) {
  std::printf("soak: %.1f minutes, a memory sample every %d s, seed %u\n", run.minutes, run.sampleSeconds, run.seed);
  DWORD pid = 0;
  GetWindowThreadProcessId(s.hwnd, &pid);
  // Colours to pick besides the black desktop.
  ShowBoard({20, 20, 220, 180}, RGB(230, 60, 20), RGB(40, 200, 120));
  ShowBoard({1000, 800, 1240, 1000}, RGB(250, 250, 250), RGB(10, 10, 120));
  Soak soak{s.hwnd, pid, s.ids, std::mt19937(run.seed)};
  std::vector<long long> samples{PrivateKiB(s)};
  std::printf("memory at 0 s: %lld KiB private\n", samples.back());
  const ULONGLONG start = GetTickCount64(), end = start + static_cast<ULONGLONG>(run.minutes * 60000);
  ULONGLONG nextSample = start + static_cast<ULONGLONG>(run.sampleSeconds) * 1000;
  while (GetTickCount64() < end && s.program->Running()) {
    soak.OneAction();
    if (GetTickCount64() >= nextSample) {
      samples.push_back(PrivateKiB(s));
      std::printf("memory at %llu s: %lld KiB private (%d actions)\n", (GetTickCount64() - start) / 1000,
                  samples.back(), soak.actions);
      std::fflush(stdout);
      nextSample += static_cast<ULONGLONG>(run.sampleSeconds) * 1000;
    }
  }
  Button(true, false);
  Button(false, false);
  soak.Tidy();
  Pump(500);
  run.actions = soak.actions;

  s.checks.Expect(s.program->Running(), "the program ran through " + std::to_string(soak.actions) + " actions");
  DWORD_PTR answer = 0;
  s.checks.Expect(SendMessageTimeoutW(s.hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer) != 0, "it answers at the end");
  s.checks.Expect(soak.slowAnswers == 0, "no answer took 2 s or more (slowest " + std::to_string(soak.slowest) +
                                             " ms)");
  // Baseline after the first interval: what first use allocates once is not growth.
  if (samples.size() >= 3) {
    const long long base = samples[1], last = samples.back();
    const long long peak = *std::max_element(samples.begin() + 1, samples.end());
    s.checks.Expect(peak - base < 1024, "memory grew " + std::to_string(last - base) + " KiB from the first sample " +
                                            std::to_string(base) + " KiB to the last, peak " + std::to_string(peak) +
                                            " KiB (limit 1024 KiB)");
  }
}

// Afterwards nothing is held: no confinement, and a move with no button picks nothing.
void NothingLeftHeld(Session& s) {
  RECT clip{};
  GetClipCursor(&clip);
  s.checks.Expect(clip.left == 0 && clip.top == 0 && clip.right >= GetSystemMetrics(SM_CXSCREEN) &&
                      clip.bottom >= GetSystemMetrics(SM_CYSCREEN),
                  "no confinement is left");
  auto channels = [&] { return s.Text("Text_R") + "," + s.Text("Text_G") + "," + s.Text("Text_B"); };
  const std::string before = channels();
  for (const POINT p : {POINT{60, 60}, POINT{180, 100}, POINT{1100, 900}, POINT{1200, 900}}) {
    PointerTo(p);
    Pump(150);
  }
  s.checks.ExpectText("with no button held a move over other colours picks nothing", channels(), before);
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

}  // namespace

// Arguments after the program and the screenshot: minutes, seconds between memory
// samples, seed.
int wmain(int argc, wchar_t** argv) {
  Run run;
  if (argc > 3) run.minutes = _wtof(argv[3]);
  if (argc > 4) run.sampleSeconds = _wtoi(argv[4]);
  if (argc > 5) run.seed = static_cast<unsigned>(_wtoi(argv[5]));
  return RunDriver(argc, argv,
                   {{"random input", [&run](Session& s) { RandomInput(s, run); }}, {"nothing left held", NothingLeftHeld}});
}
