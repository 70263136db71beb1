// A change of density while running: the window started at 96 dpi is told 144 dpi (as
// WM_DPICHANGED would when it moves to a monitor at 150 %) and must then look exactly as
// the window started at 144 dpi, the magnifier's live picture aside; its readouts stay
// right and a drag still picks exactly.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

constexpr int kTo = 144;

// The window laid out at the new density, for places in it.
struct Layout144 {
  FakePlatform platform;
  std::unique_ptr<Form1> form;
  Layout144() {
    platform.dpi = kTo;
    form = std::make_unique<Form1>(platform);
  }
};
const Form1& At144() {
  static Layout144 layout;
  return *layout.form;
}

ScreenRect ClientOf(std::string_view name) {
  const Form1& f = At144();
  return f.units.ClientPixels(*f.Controls()[static_cast<std::size_t>(f.IndexOf(name))]);
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

// A click on the hue strip, the same place in either window: the same colour in both.
void ClickTheStrip(HWND hwnd) {
  const ScreenRect strip = ClientOf("Picture_色板");
  PointerTo(ClientToScreenPoint(hwnd, strip.left + 300, strip.top + 60));
  Pump(200);
  Button(true, true);
  Pump(100);
  Button(true, false);
  Pump(300);
  PointerTo({5, 5});
  Pump(1000);
}

std::string Channels(HWND hwnd, const ControlMap& ids) {
  auto text = [&](const char* name) { return ReadText(GetDlgItem(hwnd, ids.Id(name))); };
  return text("Text_R") + "," + text("Text_G") + "," + text("Text_B");
}

// Run in a prefix at 96 dpi ("moved"): told 144 dpi, the window takes that density's size;
// after a click on the hue strip its picture is saved for the script to hold against the one
// started at 144 dpi ("there"); then a drag still picks exactly.
void TheWindowAt144(Session& s) {
  const bool moved = s.Extra(0) == L"moved";
  if (moved) {
    SendMessageW(s.hwnd, RegisterWindowMessageW(kChangeDensityMessage), kTo, 0);
    Pump(1500);
  }
  RECT r{};
  GetClientRect(s.hwnd, &r);
  s.checks.Expect(r.right == At144().units.ScaledX(kClientWidthPx) && r.bottom == At144().units.ScaledY(kClientHeightPx),
                  "the window has the size of 144 dpi (" + std::to_string(r.right) + " x " + std::to_string(r.bottom) + ")");
  ClickTheStrip(s.hwnd);
  std::printf("the strip picked %s\n", Channels(s.hwnd, s.ids).c_str());
  const ScreenRect view = ClientOf("picZoom");
  std::printf("magnifier %d,%d %dx%d\n", view.left, view.top, view.width, view.height);
  s.checks.Expect(SaveWindowBitmap(s.hwnd, s.shot), "the window's picture saved");
  if (!moved) return;
  // A drag from the target onto a board of a known colour.
  constexpr COLORREF kBoard = RGB(201, 33, 87);
  ShowBoard({1300, 100, 1500, 300}, kBoard, kBoard);
  Pump(500);
  const ScreenRect target = ClientOf("Picture2");
  const POINT from = ClientToScreenPoint(s.hwnd, target.left + target.width / 2, target.top + target.height / 2);
  PointerTo(from);
  Pump(200);
  Button(true, true);
  Pump(150);
  for (int i = 1; i <= 30; ++i) {
    PointerTo({from.x + (1400 - from.x) * i / 30, from.y + (200 - from.y) * i / 30});
    Pump(10);
  }
  Pump(300);
  Button(true, false);
  Pump(400);
  s.checks.ExpectText("a drag after the change picks the board", Channels(s.hwnd, s.ids), "201,33,87");
  s.checks.ExpectText("and the Html row shows it", ReadText(GetDlgItem(s.hwnd, s.ids.Id("Color_TextBox(1)"))), "#C92157");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv,
                   {{"the window at 144 dpi", TheWindowAt144},
                    {"the end of the session", [](Session& s) { s.checks.Expect(s.EndSession() == 0, "ends with 0"); }}});
}
