// The window by keyboard, with real key input: Tab and Shift+Tab between the boxes,
// typing into the box Tab reached, and Ctrl+C in a notation row.
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

void Tap(WORD vk) {
  Key(vk, true);
  Key(vk, false);
  Pump(200);
}

void Chord(WORD modifier, WORD vk) {
  Key(modifier, true);
  Tap(vk);
  Key(modifier, false);
  Pump(200);
}

HWND Focused(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring exe = Arg(argc, argv, 1);
  Checks checks;
  Program program(exe);
  HWND hwnd = program.WaitForWindow(20000);
  checks.Expect(hwnd != nullptr, "the window shows");
  if (!hwnd) return checks.Finish();
  const ControlMap ids;
  auto edit = [&](const char* name) { return GetDlgItem(hwnd, ids.Id(name)); };
  auto text = [&](const char* name) { return ReadText(edit(name)); };
  SetForegroundWindow(hwnd);
  Pump(500);

  // Empty the red box and type 7.
  const POINT red = ScreenPoint(hwnd, ids.Layout(), ids.Get("Text_R"), 16, 9);
  PointerTo(red);
  Pump(200);
  Button(true, true);
  Button(true, false);
  Pump(300);
  Tap(VK_END);
  for (int i = 0; i < 3; ++i) Tap(VK_BACK);
  Tap('7');
  checks.ExpectText("Text_R", text("Text_R"), "7");

  // Tab to green, where the typed digit replaces the selected text.
  Tap(VK_TAB);
  checks.Expect(Focused(hwnd) == edit("Text_G"), "Tab moves the focus to Text_G");
  Tap('9');
  checks.ExpectText("Text_R", text("Text_R"), "7");
  checks.ExpectText("Text_G", text("Text_G"), "9");
  checks.ExpectText("the R,G,B row", text("Color_TextBox(5)"), "7,9,31");
  checks.ExpectText("HSV hue", text("Text_HSV_H"), DecimalText(RgbToHsv(7, 9, 31).h));

  Chord(VK_SHIFT, VK_TAB);
  checks.Expect(Focused(hwnd) == edit("Text_R"), "Shift+Tab returns to Text_R");

  // On through the readouts to the first notation row, and copy it with the keyboard.
  const auto& order = ids.Layout().TabOrder();
  int steps = 0;
  while (order[static_cast<std::size_t>(steps)]->name != "Color_TextBox(0)") ++steps;
  for (int i = 0; i < steps; ++i) Tap(VK_TAB);
  checks.Expect(Focused(hwnd) == edit("Color_TextBox(0)"), "Tab reaches the VB notation row after " +
                                                             std::to_string(steps) + " steps");
  Chord(VK_CONTROL, 'C');
  checks.ExpectText("the clipboard after Ctrl+C", ClipboardText(), text("Color_TextBox(0)"));
  checks.ExpectText("the VB row", text("Color_TextBox(0)"), "&H1F0907&");

  SendMessageTimeoutW(hwnd, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  PostMessageW(hwnd, WM_ENDSESSION, TRUE, 0);
  checks.Expect(program.WaitForExit(10000) == 0, "the program ends with exit code 0");
  return checks.Finish();
}
