// Start-up and shut-down of the main window.
#include "form1.h"

namespace velkaro {

namespace {
constexpr int kStartupZoom = 800;  // percent
constexpr int kHoverTimerMs = 1;   // the system raises it to its minimum, 10 ms or so
}

void Form1::Form_Initialize() {
  platform_.EnableDebugPrivilege();
  SetStartupDefaults();
}

void Form1::SetStartupDefaults() {
  // The first touch of a control loads the window, so the load runs before any default.
  if (!loaded_) Form_Load();
  SetZoomValue(kStartupZoom);
  chkOnTop.value = 1;
}

void Form1::Form_Load() {
  loaded_ = true;
  初始化数据();
  获取鼠标坐标();  // before the saved placement moves the window
  HoverTimerId = platform_.StartHoverTimer(kHoverTimerMs);
  RestorePlacement();
  platform_.ShowWindowRestored();
  windowState = WindowState::Normal;
  shown = true;
  platform_.FlashWindowOnce();
}

// The start-up colour is the swatch under the palette marker, read in the palette's
// pixels: (88, 8) at 96 dpi, the fifth cell of the first row.
void Form1::初始化数据() {
  初始化三原色(0, 0, 0);
  色板三原色(0, 0, 0);
  const int x = PixelsX(Shape1.place.left), y = PixelsY(Shape1.place.top);
  zhuan(调色板1.surface.Get(x, y));
  RefreshValues();
}

// Closing only hides the window: the program lives on in the tray until ExitProgram.
void Form1::Form_Unload(bool& cancel) {
  cancel = true;
  windowState = WindowState::Minimised;
  platform_.MinimiseWindow();
  platform_.HideWindow();
  shown = false;
}

void Form1::ExitProgram() {
  platform_.KillHoverTimer(HoverTimerId);
  platform_.PostQuit(1);
  platform_.TerminateProcess(0);
}

}  // namespace velkaro
