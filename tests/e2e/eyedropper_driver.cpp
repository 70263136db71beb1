// Drags the eyedropper target with real pointer events onto a board of two known colours
// and checks what Velkaro then shows: the channels and every readout, the coordinates in
// the magnifier's caption, the magnified pixel at the cross hair; then the arrow keys
// across the colour border, the magnifier's own timing.
#include <cmath>
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

constexpr COLORREF kColourA = RGB(200, 30, 40), kColourB = RGB(20, 60, 220);
constexpr int kBoardLeft = 990, kBoardTop = 60, kBoardWidth = 260, kBoardHeight = 200;
constexpr int kBorderX = kBoardLeft + kBoardWidth / 2;  // first column of colour B

// A drag as a hand makes it: press on the target, many small moves, release (optional).
void Drag(POINT from, POINT to, int steps, bool release) {
  PointerTo(from);
  Pump(150);
  Button(true, true);
  Pump(150);
  for (int i = 1; i <= steps; ++i) {
    PointerTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    Pump(8);
  }
  Pump(400);
  if (release) {
    Button(true, false);
    Pump(300);
  }
}

std::string Rgb3(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}

void CheckShows(Session& s, COLORREF c, const std::string& when) {
  Checks& checks = s.checks;
  auto text = [&](const char* name) { return s.Text(name); };
  const auto r = static_cast<std::uint8_t>(GetRValue(c)), g = static_cast<std::uint8_t>(GetGValue(c)),
             b = static_cast<std::uint8_t>(GetBValue(c));
  const Readouts o = ComputeReadouts(r, g, b);
  checks.ExpectText(when + ": channels", text("Text_R") + "," + text("Text_G") + "," + text("Text_B"), Rgb3(c));
  checks.ExpectText(when + ": HSV", text("Text_HSV_H") + "/" + text("Text_HSV_S") + "/" + text("Text_HSV_V"),
                    std::to_string(o.hsv.h) + "/" + std::to_string(o.hsv.s) + "/" + std::to_string(o.hsv.v));
  checks.ExpectText(when + ": HLS", text("Text_HSL_H") + "/" + text("Text_HSL_L") + "/" + text("Text_HSL_S"),
                    std::to_string(o.hsl.h) + "/" + std::to_string(o.hsl.l) + "/" + std::to_string(o.hsl.s));
  checks.ExpectText(when + ": CMYK",
                    text("Text_Cmyk_C") + "/" + text("Text_Cmyk_M") + "/" + text("Text_Cmyk_Y") + "/" + text("Text_Cmyk_K"),
                    std::to_string(o.cmyk.c) + "/" + std::to_string(o.cmyk.m) + "/" + std::to_string(o.cmyk.y) + "/" +
                        std::to_string(o.cmyk.k));
  checks.ExpectText(when + ": Lab", text("Text_Lab_L") + "/" + text("Text_Lab_A") + "/" + text("Text_Lab_B"),
                    std::to_string(o.lab.l) + "/" + std::to_string(o.lab.a) + "/" + std::to_string(o.lab.b));
  for (int i = 0; i < kNotationRows; ++i) {
    const std::string name = "Color_TextBox(" + std::to_string(i) + ")";
    checks.ExpectText(when + ": " + name, text(name.c_str()), o.notations[i].str());
  }
  checks.ExpectText(when + ": inverse", text("Text5"), o.inverse.str());
}

const POINT kOnA{kBoardLeft + 40, kBoardTop + 90}, kOnB{kBoardLeft + kBoardWidth - 40, kBoardTop + 120};

POINT Target(const Session& s) { return s.At("Picture2", 16, 16); }

std::uint64_t Memory(const Session& s) {
  return static_cast<std::uint64_t>(SendMessageW(s.hwnd, RegisterWindowMessageW(kMemoryUsageMessage), 0, 0));
}

// The magnified pixel under the pointer lands at the cross hair: at 800 % and 96 dpi its
// cell is 128..135 x 120..127 of the view; a point inside it, off the lines.
POINT CrossHairCell(const Session& s) {
  const Surface& view = s.Layout().magnifierPanel.view.surface;
  const int cellX = (view.Width() + 10) / 8 / 2 * 8 - 8, cellY = view.Height() / 8 / 2 * 8;
  return s.At("picZoom", 2 + cellX + 2, 2 + cellY + 2);
}

// What the scenarios hand on: the memory as the program started.
struct Run {
  std::uint64_t memoryAtStart = 0;
};

void TheBoard(Session& s, Run& run) {
  run.memoryAtStart = Memory(s);
  ShowBoard({kBoardLeft, kBoardTop, kBoardLeft + kBoardWidth, kBoardTop + kBoardHeight}, kColourA, kColourB);
  Pump(500);
  s.checks.Expect(ScreenColour(kOnA) == kColourA && ScreenColour(kOnB) == kColourB, "the board shows its colours");
}

// First drag, onto colour A: 250 moves; a second one onto B.
void DragsOntoBothColours(Session& s) {
  Drag(Target(s), kOnA, 250, true);
  CheckShows(s, kColourA, "after the drag onto A");
  s.checks.ExpectText("caption after the drag onto A", s.Text("Frame5"),
                      "像素坐标校准:X:" + std::to_string(kOnA.x) + ",Y:" + std::to_string(kOnA.y));
  s.checks.Expect(ScreenColour(CrossHairCell(s)) == kColourA, "the magnifier shows A at the cross hair");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
  Drag(Target(s), kOnB, 60, true);
  CheckShows(s, kColourB, "after the drag onto B");
  s.checks.Expect(ScreenColour(CrossHairCell(s)) == kColourB, "the magnifier shows B at the cross hair");
}

// Arrow keys during a drag: one pixel each, across the border between A and B.
void ArrowKeysAcrossTheBorder(Session& s) {
  const POINT lastA{kBorderX - 1, kBoardTop + 50};
  Drag(Target(s), lastA, 40, false);
  CheckShows(s, kColourA, "dragged to A's last column");
  Key(VK_RIGHT, true);
  Key(VK_RIGHT, false);
  Pump(400);
  CheckShows(s, kColourB, "one arrow right, on B");
  s.checks.ExpectText("caption after the arrow", s.Text("Frame5"),
                      "像素坐标校准:X:" + std::to_string(kBorderX) + ",Y:" + std::to_string(lastA.y));
  Key(VK_LEFT, true);
  Key(VK_LEFT, false);
  Pump(400);
  CheckShows(s, kColourA, "one arrow left, back on A");
  Button(true, false);
  Pump(300);
}

// A long drag: the program's memory stays where it was at start-up.
void MemoryOverALongDrag(Session& s, Run& run) {
  const std::uint64_t atStart = run.memoryAtStart;
  Drag(Target(s), kOnA, 1000, true);
  const std::uint64_t afterDrag = Memory(s);
  const auto privateStart = atStart >> 32, privateAfter = afterDrag >> 32;
  std::printf("memory: private %llu KiB, working set %llu KiB after start-up; private %llu KiB, working set %llu KiB "
              "after 1,000 more drag moves\n",
              static_cast<unsigned long long>(privateStart), static_cast<unsigned long long>(atStart & 0xFFFFFFFF),
              static_cast<unsigned long long>(privateAfter), static_cast<unsigned long long>(afterDrag & 0xFFFFFFFF));
  s.checks.Expect(privateAfter > 0 && privateAfter <= 10 * 1024, "private bytes at most 10 MB");
  s.checks.Expect(privateAfter <= privateStart + 512, "no growth over the drags (under 512 KiB)");
}

// The magnifier's own timing of its pictures during the drags.
void MagnifierTimings(Session& s) {
  const auto timings = static_cast<std::uint64_t>(
      SendMessageW(s.hwnd, RegisterWindowMessageW(kMagnifierTimingsMessage), 0, 0));
  const auto pictures = static_cast<unsigned>(timings >> 32);
  const double meanMicros = static_cast<double>(timings & 0xFFFFFFFF) / 10;
  std::printf("magnifier: %u pictures, mean %.1f us per picture at 800%%\n", pictures, meanMicros);
  // Moves that arrive while the program is busy are merged by the system, so not every
  // one of the drags' moves reaches it; every one that does takes a picture.
  s.checks.Expect(pictures >= 200, "the magnifier followed the drags (" + std::to_string(pictures) + " pictures)");
  s.checks.Expect(meanMicros < 2000, "one picture takes under 2 ms");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Run run;
  return RunDriver(argc, argv,
                   {{"a board of two colours", [&run](Session& s) { TheBoard(s, run); }},
                    {"drags onto both colours", DragsOntoBothColours},
                    {"arrow keys across the border", ArrowKeysAcrossTheBorder},
                    {"memory over a long drag", [&run](Session& s) { MemoryOverALongDrag(s, run); }},
                    {"the magnifier's timing", MagnifierTimings}});
}
