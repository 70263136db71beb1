// Start-up and shut-down of the main window.
#include "form1.h"

namespace velkaro {

namespace {
constexpr int kStartupZoom = 800;  // percent
constexpr int kHoverTimerMs = 1;   // the system raises it to its minimum, 10 ms or so
constexpr char kCaption[] = "Velkaro";
constexpr int kVersionMajor = 2, kVersionMinor = 2, kVersionRevision = 1;
}

std::string Form1::TrayTip() {
  return std::string(kCaption) + " Ver" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
         "." + std::to_string(kVersionRevision);
}

std::string Form1::ShownTrayTip() const {
  return hotkeyUnavailable ? TrayTip() + "（取色热键 Ctrl+Alt+C 不可用）" : TrayTip();
}

void Form1::Form_Initialize() {
  platform_.system.EnableDebugPrivilege();
  SetStartupDefaults();
}

// The first touch of a control loads the window, so the load runs before any default.
void Form1::SetStartupDefaults() {
  if (!loaded_) Form_Load();
  magnifier.SetZoomValue(kStartupZoom);
  chkOnTop.value = 1;
}

void Form1::Form_Load() {
  loaded_ = true;
  // A second copy asks the first to show itself and ends; its window is never shown.
  if (commands.IsAlreadyRunning()) {
    commands.SendDdeCommand(kCommandShow);
    ExitProgram();
    return;
  }
  commands.ServeCommands();
  初始化数据();
  frame.获取鼠标坐标();  // before the saved placement moves the window
  HoverTimerId = platform_.window.StartHoverTimer(kHoverTimerMs);
  frame.HookWindowFrame();
  placement.RestorePlacement();
  platform_.window.ShowWindowRestored();
  windowState = WindowState::Normal;
  shown = true;
  platform_.window.FlashWindowOnce();
  history.Load();
  // Another program may hold the hotkey: the program goes on without it and says so.
  hotkeyUnavailable = !platform_.tray.RegisterPickHotkey();
  tray.AddTrayIcon(ShownTrayTip());
}

// The start-up colour is the swatch under the palette marker: (88, 8) at 96 dpi, the
// fifth cell of the first row.
void Form1::初始化数据() {
  sliders.初始化三原色(0, 0, 0);
  palette.色板三原色(0, 0, 0);
  workspace.zhuan(palette.ColourUnderMarker());
  workspace.RefreshValues();
}

// Closing only hides the window: the program lives on in the tray until ExitProgram.
void Form1::Form_Unload(bool& cancel) {
  cancel = true;
  windowState = WindowState::Minimised;
  platform_.window.MinimiseWindow();
  platform_.window.HideWindow();
  shown = false;
  tray.ModifyTrayIcon(ShownTrayTip());
}

void Form1::HotkeyPressed() {
  if (Picking != 0) return;
  windowState = WindowState::Normal;
  shown = true;
  platform_.window.ShowWindowRestored();
  platform_.window.FocusMainWindow();  // the keys of the pick (Esc, arrows, Ctrl) come here
  eyedropper.StartHotkeyPick();
}

// The Html text of the colour itself: the rows are not refreshed while the window is
// minimised.
void Form1::EndHotkeyPick(bool keep) {
  if (eyedropper.EndHotkeyPick(keep) && keep)
    platform_.clipboard.SetClipboardText(NotationTexts(workspace.CurrentColour())[1].str());
}

void Form1::ChooseRecent(ColorValue colour) {
  workspace.zhuan(colour);
  workspace.RefreshValues();
  eyedropper.控件刷新();
  platform_.clipboard.SetClipboardText(NotationTexts(colour)[1].str());
}

void Form1::WindowRestored() {
  if (windowState != WindowState::Normal || !workspace.StaleWhileMinimised()) return;
  workspace.RefreshValues();
  eyedropper.控件刷新();
}

void Form1::ExitProgram() {
  platform_.window.KillHoverTimer(HoverTimerId);
  tray.RemoveTrayIcon();
  platform_.system.PostQuit(1);
  platform_.system.TerminateProcess(0);
}

}  // namespace velkaro
