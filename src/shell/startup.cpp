// Start-up and shut-down of the main window.
#include "form1.h"

#include "palette_export.h"

#include <cctype>
#include <utility>

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
  return hotkeyUnavailable_ ? TrayTip() + "（取色热键 Ctrl+Alt+C 不可用）" : TrayTip();
}

// Unknown arguments are ignored, as they always were.
StartRequest ReadStartRequest(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    std::string lower = argument;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "/quit" || lower == "-quit" || lower == "--quit") return StartRequest::EndRunningCopy;
  }
  return StartRequest::Run;
}

void Form1::Initialise(StartRequest request) {
  if (request == StartRequest::EndRunningCopy) {
    const bool noneRuns = !commands.IsAlreadyRunning() || commands.EndRunningCopy();
    platform_.system.TerminateProcess(noneRuns ? 0 : 1);
    return;
  }
  platform_.system.EnableDebugPrivilege();
  SetStartupDefaults();
}

// The first touch of a control loads the window, so the load runs before any default.
void Form1::SetStartupDefaults() {
  if (!loaded_) Load();
  magnifier.SetZoomValue(kStartupZoom);
  zoomPanel.onTop.value = 1;
}

void Form1::Load() {
  loaded_ = true;
  // A second copy asks the first to show itself and ends; its window is never shown.
  if (commands.IsAlreadyRunning()) {
    commands.SendDdeCommand(kCommandShow);
    ExitProgram();
    return;
  }
  commands.ServeCommands();
  InitialiseDisplay();
  frame.RememberWindowRect();  // before the saved placement moves the window
  frame.HookWindowFrame();
  placement.RestorePlacement();
  settings.Load();  // above the others from its first showing, when that was chosen
  platform_.window.ShowWindowRestored();
  windowState_ = WindowState::Normal;
  shown_ = true;
  platform_.window.FlashWindowOnce();
  history.Load();
  // Another program may hold the hotkey: the program goes on without it and says so.
  hotkeyUnavailable_ = !platform_.tray.RegisterPickHotkey();
  tray.AddTrayIcon(ShownTrayTip());
}

// The start-up colour is the swatch under the palette marker: (88, 8) at 96 dpi, the
// fifth cell of the first row.
void Form1::InitialiseDisplay() {
  LayOut(platform_.screen.DpiX(), platform_.screen.DpiY());
  const ColorValue start = palette.ColourUnderMarker();
  if (start >= 0)
    workspace.ShowColour(start);
  else
    workspace.RefreshValues();
}

void Form1::LayOut(int dpiX, int dpiY) {
  SetDensity(dpiX, dpiY);
  palette.DrawSwatches();
  sliders.DrawChannelRamps(0, 0, 0);
  palette.DrawHueStrip(0, 0, 0);
  palette.RecolourByShifts();
  magnifier.PlaceCrossHair();
}

void Form1::ChangeDensity(int dpi) {
  if (dpi <= 0 || dpi == units.Dpi()) return;
  const ColorValue colour = workspace.CurrentColour();
  LayOut(dpi, dpi);
  magnifier.lastPreviewX = Magnifier::kForceNewPicture;  // the next picture at the new size
  workspace.ShowColour(colour);
}

// Closing only hides the window: the program lives on in the tray until ExitProgram. With
// no icon there (the shell refused it, and again now) the window is only minimised, so
// that the taskbar still leads back to it.
void Form1::Unload(bool& cancel) {
  cancel = true;
  windowState_ = WindowState::Minimised;
  platform_.window.MinimiseWindow();
  if (!tray.Installed()) tray.AddTrayIcon(ShownTrayTip());
  if (!tray.Installed()) return;
  platform_.window.HideWindow();
  shown_ = false;
  tray.ModifyTrayIcon(ShownTrayTip());
}

void Form1::HotkeyPressed() {
  if (pickMode_ != PickMode::None) return;
  windowState_ = WindowState::Normal;
  shown_ = true;
  platform_.window.ShowWindowRestored();
  platform_.window.FocusMainWindow();  // the keys of the pick (Esc, arrows, Ctrl) come here
  eyedropper.StartHotkeyPick();
}

// The Html text of the colour itself: the rows are not refreshed while the window is
// minimised.
void Form1::EndHotkeyPick(bool keep) {
  if (eyedropper.EndHotkeyPick(keep) && keep) platform_.clipboard.SetClipboardText(settings.CopyText(workspace.CurrentColour()));
}

// Chosen while the window is hidden, the colour waits for the window: the boxes alone
// would otherwise tell of a colour the readouts do not (automation reads them all).
void Form1::ChooseRecent(ColorValue colour) {
  if (windowState_ == WindowState::Minimised)
    pendingColour_ = colour;
  else
    workspace.ShowColour(colour);
  platform_.clipboard.SetClipboardText(settings.CopyText(colour));
}

void Form1::ExportRecent() {
  dueModal_ = [this] { ExportRecentColours(history.Items(), platform_.dialogs, platform_.system); };
}

void Form1::ClearRecent() {
  dueModal_ = [this] {
    if (platform_.system.Confirm("清空全部最近颜色？此操作不能撤销。", "Velkaro")) history.Clear();
  };
}

void Form1::Restored() {
  windowState_ = WindowState::Normal;
  if (pendingColour_ >= 0) workspace.ShowColour(std::exchange(pendingColour_, kNoColor));
  if (workspace.StaleWhileMinimised()) workspace.RefreshValues();
}

bool Form1::HoverTimerWanted() const {
  if (!loaded_) return false;
  if (pickMode_ != PickMode::None) return true;
  return shown_ && windowState_ != WindowState::Minimised && !frame.HoverPicturesAtRest();
}

void Form1::SettleHoverTimer() {
  const bool wanted = HoverTimerWanted();
  if (wanted == hoverTimerOn_) return;
  if (wanted) {
    hoverTimerId_ = platform_.window.StartHoverTimer(kHoverTimerMs);
  } else {
    platform_.window.KillHoverTimer(hoverTimerId_);
  }
  hoverTimerOn_ = wanted;
}

void Form1::ExitProgram() {
  if (std::exchange(hoverTimerOn_, false)) platform_.window.KillHoverTimer(hoverTimerId_);
  tray.RemoveTrayIcon();
  platform_.system.PostQuit(1);
  platform_.system.TerminateProcess(0);
}

}  // namespace velkaro
