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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring exe = Arg(argc, argv, 1), shot = Arg(argc, argv, 2);
  Checks checks;
  Program program(exe);
  checks.Expect(program.Started(), "the program starts");
  HWND hwnd = program.WaitForWindow(20000);
  checks.Expect(hwnd != nullptr, "a visible window captioned Velkaro appears");
  if (!hwnd) return checks.Finish();
  const ControlMap ids;
  const POINT swatch = ScreenPoint(hwnd, ids.Layout(), ids.Get("Picture1"), 5, 5);
  checks.Expect(WaitForScreenColour(swatch, RGB(144, 196, 31), 10000), "the swatch shows 144,196,31");

  RECT client{};
  GetClientRect(hwnd, &client);
  checks.Expect(client.right == 654 && client.bottom == 495,
                "client area is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));

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
  for (const auto& [name, text] : expected)
    checks.ExpectText(name, ReadText(GetDlgItem(hwnd, ids.Id(name))), text);

  checks.Expect(FontHasGlyphs(L"微软雅黑", L"基色拖动靶标"), "the window font has Chinese glyphs");
  if (!shot.empty()) checks.Expect(SaveWindowBitmap(hwnd, shot), "screenshot saved");

  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  Sleep(1000);
  checks.Expect(!IsWindowVisible(hwnd), "closing hides the window");
  checks.Expect(program.Running(), "the program keeps running after the close");
  checks.Expect(IsIconic(hwnd) != FALSE, "the hidden window is minimised");

  // The end of the session ends the program the way Exit does.
  SendMessageTimeoutW(hwnd, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  PostMessageW(hwnd, WM_ENDSESSION, TRUE, 0);
  checks.Expect(program.WaitForExit(10000) == 0, "the program ends with exit code 0");
  return checks.Finish();
}
