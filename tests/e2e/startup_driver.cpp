// Starts Velkaro as a user would and checks what its window shows: every readout of the
// start-up colour in the real EDIT controls, the client size, Chinese glyphs, closing to
// the tray, and the clean end when the session ends.
#include <utility>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

bool FontHasGlyphs(const wchar_t* face, const wchar_t* text) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
  HGDIOBJ old = SelectObject(dc, font);
  WORD glyphs[16] = {};
  const int n = lstrlenW(text);
  GetGlyphIndicesW(dc, text, n, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  for (int i = 0; i < n; ++i)
    if (glyphs[i] == 0xFFFF) return false;
  return true;
}

void ClientSize(Session& s) {
  RECT client{};
  GetClientRect(s.hwnd, &client);
  s.checks.Expect(client.right == 654 && client.bottom == 495,
                  "client area is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
}

void EveryReadoutOfTheStartColour(Session& s) {
  const std::pair<const char*, const char*> expected[] = {
      {"Text_R", "144"},        {"Text_G", "196"},        {"Text_B", "31"},
      {"Text_HSV_H", "79"},     {"Text_HSV_S", "84"},     {"Text_HSV_V", "77"},
      {"Text_HSL_H", "79"},     {"Text_HSL_L", "45"},     {"Text_HSL_S", "73"},
      {"Text_Cmyk_C", "20"},    {"Text_Cmyk_M", "0"},     {"Text_Cmyk_Y", "65"},
      {"Text_Cmyk_K", "23"},    {"Text_Lab_L", "73"},     {"Text_Lab_A", "-39"},
      {"Text_Lab_B", "69"},     {"Text5", "111,59,224"},  {"txtZoom", "800%"},
      {"Color_TextBox(0)", "&H1FC490&"}, {"Color_TextBox(1)", "#90C41F"},
      {"Color_TextBox(2)", "#90C41F"},   {"Color_TextBox(3)", "2081936"},
      {"Color_TextBox(4)", "#c90C41F"},  {"Color_TextBox(5)", "144,196,31"},
      {"Color_TextBox(6)", "1FC490"},
  };
  for (const auto& [name, text] : expected) s.checks.ExpectText(name, s.Text(name), text);
}

void ChineseGlyphs(Session& s) {
  s.checks.Expect(FontHasGlyphs(L"微软雅黑", L"基色拖动靶标"), "the window font has Chinese glyphs");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

void CloseHidesToTheTray(Session& s) {
  PostMessageW(s.hwnd, WM_CLOSE, 0, 0);
  Sleep(1000);
  s.checks.Expect(!IsWindowVisible(s.hwnd), "closing hides the window");
  s.checks.Expect(s.program->Running(), "the program keeps running after the close");
  s.checks.Expect(IsIconic(s.hwnd) != FALSE, "the hidden window is minimised");
}

// The end of the session ends the program the way Exit does.
void SessionEndEndsTheProgram(Session& s) {
  s.checks.Expect(s.EndSession() == 0, "the program ends with exit code 0");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv,
                   {{"the client area", ClientSize},
                    {"every readout of the start colour", EveryReadoutOfTheStartColour},
                    {"Chinese text", ChineseGlyphs},
                    {"closing hides to the tray", CloseHidesToTheTray},
                    {"the end of the session", SessionEndEndsTheProgram}});
}
