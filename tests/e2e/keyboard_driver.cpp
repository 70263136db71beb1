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

HWND Edit(const Session& s, const char* name) { return GetDlgItem(s.hwnd, s.ids.Id(name)); }

// Empty the red box and type 7.
void TypeIntoRed(Session& s) {
  SetForegroundWindow(s.hwnd);
  Pump(500);
  PointerTo(s.At("Text_R", 16, 9));
  Pump(200);
  Button(true, true);
  Button(true, false);
  Pump(300);
  Tap(VK_END);
  for (int i = 0; i < 3; ++i) Tap(VK_BACK);
  Tap('7');
  s.checks.ExpectText("Text_R", s.Text("Text_R"), "7");
}

// Tab to green, where the typed digit replaces the selected text; Shift+Tab back.
void TabAndShiftTab(Session& s) {
  Tap(VK_TAB);
  s.checks.Expect(Focused(s.hwnd) == Edit(s, "Text_G"), "Tab moves the focus to Text_G");
  Tap('9');
  s.checks.ExpectText("Text_R", s.Text("Text_R"), "7");
  s.checks.ExpectText("Text_G", s.Text("Text_G"), "9");
  s.checks.ExpectText("the R,G,B row", s.Text("Color_TextBox(5)"), "7,9,31");
  s.checks.ExpectText("HSV hue", s.Text("Text_HSV_H"), DecimalText(RgbToHsv(7, 9, 31).h));
  Chord(VK_SHIFT, VK_TAB);
  s.checks.Expect(Focused(s.hwnd) == Edit(s, "Text_R"), "Shift+Tab returns to Text_R");
}

// On through the readouts to the first notation row, and copy it with the keyboard.
void CopyANotationRow(Session& s) {
  const auto& order = s.Layout().TabOrder();
  int steps = 0;
  while (order[static_cast<std::size_t>(steps)]->name != "Color_TextBox(0)") ++steps;
  for (int i = 0; i < steps; ++i) Tap(VK_TAB);
  s.checks.Expect(Focused(s.hwnd) == Edit(s, "Color_TextBox(0)"),
                  "Tab reaches the VB notation row after " + std::to_string(steps) + " steps");
  Chord(VK_CONTROL, 'C');
  s.checks.ExpectText("the clipboard after Ctrl+C", ClipboardText(), s.Text("Color_TextBox(0)"));
  s.checks.ExpectText("the VB row", s.Text("Color_TextBox(0)"), "&H1F0907&");
}

// The rows read a notation of their own kind, typed or pasted; anything else gives way to
// the colour's notation when the row is left.
void TypeANotation(Session& s) {
  for (const char c : std::string("&HFF&")) {
    const SHORT vk = VkKeyScanW(static_cast<wchar_t>(c));
    if (HIBYTE(vk) & 1) {
      Chord(VK_SHIFT, LOBYTE(vk));
    } else {
      Tap(LOBYTE(vk));
    }
  }
  Tap(VK_RETURN);
  s.checks.ExpectText("&HFF& and Enter in the VB row: red", s.Text("Text_R") + "," + s.Text("Text_G") + "," +
                      s.Text("Text_B"), "255,0,0");
  s.checks.ExpectText("and the Html row follows", s.Text("Color_TextBox(1)"), "#FF0000");
  Tap(VK_TAB);  // the Delphi row, all selected
  for (const WORD key : {'Z', 'Z'}) Tap(key);
  Tap(VK_TAB);  // on to the BASIC row
  s.checks.ExpectText("junk left behind in the Delphi row gives way", s.Text("Color_TextBox(2)"), "#FF0000");
  s.checks.Expect(Focused(s.hwnd) == Edit(s, "Color_TextBox(3)"), "Tab reaches the BASIC row");
  PutClipboardText(L"16711680");
  Chord(VK_CONTROL, 'V');
  Tap(VK_RETURN);
  s.checks.ExpectText("a BASIC value pasted: blue", s.Text("Text_R") + "," + s.Text("Text_G") + "," + s.Text("Text_B"),
                      "0,0,255");
  PointerTo(s.At("Color_TextBox(0)", 20, 8));
  Pump(200);
  Button(true, true);
  Button(true, false);
  Pump(300);
  s.checks.ExpectText("a click on the VB row copies its notation", ClipboardText(), "&HFF0000&");
}

void End(Session& s) {
  s.checks.Expect(s.EndSession() == 0, "the program ends with exit code 0");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv,
                   {{"typing into the red box", TypeIntoRed},
                    {"Tab and Shift+Tab", TabAndShiftTab},
                    {"Ctrl+C in a notation row", CopyANotationRow},
                    {"a notation typed into its row", TypeANotation},
                    {"the end of the session", End}});
}
