// A drag that leaves the window fast: press on the target, 20 moves 15 ms apart to a
// colour area of another program's window well outside Velkaro's, release there. The
// input comes from this process, the colour area from a second copy of it (--board), so
// three processes take part, as when a user picks from another program. The pick must be
// the colour under the release, exactly, whichever moves reach the program.
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

constexpr COLORREF kBoardColour = RGB(201, 37, 118);
constexpr int kBoardLeft = 1000, kBoardTop = 250, kBoardWidth = 270, kBoardHeight = 400;

int RunBoard() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = CreateSolidBrush(kBoardColour);
  wc.lpszClassName = L"VelkaroTestBoard";
  RegisterClassW(&wc);
  HWND board = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST, wc.lpszClassName, L"board", WS_POPUP, kBoardLeft,
                               kBoardTop, kBoardWidth, kBoardHeight, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(board, SW_SHOWNOACTIVATE);
  Pump(60000);  // ended by the driver long before
  return 0;
}

// The fast drag onto another program's colour area, and the pick there.
void FastDragOutOfTheWindow(Session& s) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  Program board(self, L"--board");
  const POINT onBoard{1087, 340};
  s.checks.Expect(WaitForScreenColour(onBoard, kBoardColour, 10000), "the other program shows its colour area");
  const POINT target = s.At("Picture2", 16, 16);
  RECT window{};
  GetWindowRect(s.hwnd, &window);
  s.checks.Expect(onBoard.x - window.right >= 100, "the release point is " + std::to_string(onBoard.x - window.right) +
                                                      " px right of the window");
  PointerTo(target);
  Sleep(300);
  Button(true, true);
  Sleep(100);
  for (int i = 1; i <= 20; ++i) {
    PointerTo({target.x + (onBoard.x - target.x) * i / 20, target.y + (onBoard.y - target.y) * i / 20});
    Sleep(15);
  }
  Button(true, false);
  Sleep(600);
  s.checks.ExpectText("the picked channels", s.Text("Text_R") + "," + s.Text("Text_G") + "," + s.Text("Text_B"),
                      "201,37,118");
  s.checks.ExpectText("the caption", s.Text("Frame5"),
                      "像素坐标校准:X:" + std::to_string(onBoard.x) + ",Y:" + std::to_string(onBoard.y));
  s.checks.Expect(WaitForScreenColour(s.At("Picture1", 3, 3), kBoardColour, 2000), "the swatch shows the picked colour");
}

}  // namespace

// With --board, this program is the other program: it shows the colour area.
int wmain(int argc, wchar_t** argv) {
  if (Arg(argc, argv, 1) == L"--board") return RunBoard();
  return RunDriver(argc, argv, {{"a fast drag out of the window", FastDragOutOfTheWindow}});
}
