// Form1, the main window, as a model: the panels of controls in the window's order, the
// areas that own them and hold the behaviour, and the wiring between them. Portable; the
// Windows view shows it and feeds it the events below.
#pragma once

#include <array>
#include <string>
#include <cstdint>
#include <string_view>
#include <vector>

#include "about.h"
#include "channel_boxes.h"
#include "channel_sliders.h"
#include "colour_history.h"
#include "commands.h"
#include "controls.h"
#include "eyedropper.h"
#include "fine_tuning.h"
#include "magnifier.h"
#include "palette.h"
#include "placement.h"
#include "platform.h"
#include "tray_icon.h"
#include "user_settings.h"
#include "units.h"
#include "window_frame.h"
#include "window_panels.h"
#include "workspace.h"

namespace velkaro {

// What a start was asked for on the command line. EndRunningCopy (/quit) is for
// installers and scripts: the running copy, if any, is asked to end and waited for; this
// copy shows nothing and ends with 0 once no copy runs, or 1 when one still does.
enum class StartRequest { Run, EndRunningCopy };
StartRequest ReadStartRequest(const std::vector<std::string>& arguments);

class Form1 : public WindowPanels, private FrameActions {
 public:
  explicit Form1(Platform platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- start-up and shut-down ----
  // The creation handler: privilege, then the defaults (which load); or, asked to end the
  // running copy, only that.
  void Initialise(StartRequest request = StartRequest::Run);
  void Load();
  void Unload(bool& cancel);
  void SetStartupDefaults();
  void InitialiseDisplay();
  // Lays the window out at a density: the units, every picture's surface and what is drawn
  // on it (the swatches, the channel ramps, the hue strip and its track turned by the
  // shifts), the magnifier's cross hair. Start-up lays it out once; a change of density
  // (the window moved to a monitor of another scale) again, through ChangeDensity.
  void LayOut(int dpiX, int dpiY);
  // The window now shows at another density: laid out anew, with the colour, every
  // readout, the fine-tuning shifts, the zoom and the recent colours kept.
  void ChangeDensity(int dpi);
  void ExitProgram();
  // The 1 ms tick: the magnifier step and the buttons' hover, and a pick that catches up
  // with a pointer whose moves did not arrive.
  void HoverTick() {
    ++hoverTicks;
    frame.HoverTick();
    eyedropper.FollowPointer();
  }
  // The tick has work only during a pick (the magnifier follows the pointer, a drag catches
  // up with lost moves) and while the shown window has an image button in a hover picture,
  // which a pointer leaving the window would otherwise leave behind. At any other time the
  // timer stands still: a program resident all day must not wake the processor dozens of
  // times a second for nothing. The view settles it after every message.
  bool HoverTimerWanted() const;
  void SettleHoverTimer();
  bool HoverTimerRunning() const { return hoverTimerOn_; }
  std::uint64_t hoverTicks = 0;  // ticks since the start, for the tests
  // The tip of the tray icon: the caption and the version.
  static std::string TrayTip();
  // The tip as shown: it also tells when the pick hotkey could not be had.
  std::string ShownTrayTip() const;

  // ---- events from the view ----
  // The window's close: it hides to the tray (the close is cancelled).
  void CloseRequested();
  // The session is ending: the program leaves as the tray's Exit does.
  void SessionEnding() { ExitProgram(); }
  void SystemCommandArrived(SystemCommand command) { frame.FrameSystemCommand(command); }
  void ShownChanged(bool shown) { shown_ = shown; }
  void Minimised() { windowState_ = WindowState::Minimised; }
  // The window shows again after being minimised or hidden: what changed meanwhile (a pick
  // or a recent colour) is shown now.
  void Restored();
  void TrayClicked(TrayClick click) { tray.Clicked(click); }
  void TaskbarCreated() { tray.TaskbarCreated(); }
  // A command string from another program.
  void CommandArrived(const std::string& command);
  // Ctrl+Alt+C: the window shows (restored if hidden) and a pick follows the pointer.
  void HotkeyPressed();
  // A left click (keep) ends the hotkey pick and copies the colour's text in the chosen
  // form (Html unless another was chosen); Esc or a right click cancels it. Nothing when
  // no hotkey pick is on.
  void EndHotkeyPick(bool keep);
  void HotkeyPickMoved(int shift) { eyedropper.HotkeyPickMove(shift); }
  // Ctrl or Shift went down or up during a pick: it follows at once, without a move.
  void PickModifiersChanged(int shift) { eyedropper.ModifiersChanged(shift); }
  // Arrow keys during a pick: the pointer moves and the pick follows.
  void NudgePointer(int dx, int dy) { eyedropper.NudgePointer(dx, dy); }
  // A recent colour chosen in the tray menu: it becomes the colour, its text copied in the
  // form chosen in the settings (Html unless another was chosen).
  void ChooseRecent(ColorValue colour);
  // The recent colours saved as a palette file, or cleared once the user confirms; each in
  // a message of its own, as the other modal windows.
  void ExportRecent();
  void ClearRecent();

  // Mouse events, for the control under the pointer (or the one that has the mouse
  // captured); x and y arrive as pixels from the control's inner corner and reach its
  // handler in the control's own unit.
  void MouseDown(Control& c, MouseEvent e);
  void MouseMove(Control& c, MouseEvent e);
  void MouseUp(Control& c, MouseEvent e);
  // The system took the mouse from the control that held it: the hold ends as a release
  // would end it, so no drag or confinement stays behind.
  void CaptureLost(Control& c);
  // The window's own background, where no control lies: a drag surface.
  void BackgroundMouseMove() { frame.DragSurfaceMove(); }
  // A text box's keys, a change no key made (a paste), and a button's release.
  void KeyPress(TextBox& box, int& keyAscii);
  void KeyUp(TextBox& box, int keyCode, int shift);
  void TextChanged(TextBox& box);
  void FocusLost(TextBox& box);
  void TextMouseUp(TextBox& box, const MouseEvent& e);
  // Ctrl+C or Ctrl+V in a box: true when the window handled it, false when the edit's own
  // copy or paste should run. The channel boxes and the notation rows copy and paste as any
  // edit does (a paste then meets the box's own rule); a box that only shows a value copies
  // its whole text and takes no paste.
  enum class ClipboardKey { Copy, Paste };
  bool ClipboardShortcut(TextBox& box, ClipboardKey key);

  // The magnifier's picture that the last event made due: the view takes it in a message
  // of its own, before it paints.
  bool PictureDue() const { return magnifier.PictureDue(); }
  void TakeDuePicture() { magnifier.TakeDuePicture(); }
  // A modal window (the colour dialog, the About window) an event asked for: the view opens
  // it in a message of its own, once the window shows what the event changed (a button
  // back at rest, say), since nothing is painted again until the modal window runs.
  bool ModalDue() const { return static_cast<bool>(dueModal_); }
  void RunDueModal();

  // ---- what the view asks ----
  // The topmost control at a client pixel that takes mouse events, or nullptr.
  Control* ControlAt(int x, int y) const;
  // Tab and Shift+Tab: the next or previous box in reading order that is shown (wrapping),
  // or nullptr when `from` takes no part in the order.
  TextBox* NextInTabOrder(const TextBox& from, bool backwards) const;
  const std::vector<TextBox*>& TabOrder() const { return tabOrder_; }
  WindowState State() const { return windowState_; }
  bool Shown() const { return shown_; }
  PickMode Pick() const { return pickMode_; }
  bool HotkeyPicking() const { return eyedropper.HotkeyPicking(); }
  // The pointer the eyedropper's target shows during a pick.
  PictureId PickPointer() const { return eyedropperPanel.target.pointer; }
  bool HotkeyUnavailable() const { return hotkeyUnavailable_; }

 private:
  Platform platform_;
  WindowState windowState_ = WindowState::Normal;
  bool shown_ = false;
  PickMode pickMode_ = PickMode::None;
  std::uint32_t hoverTimerId_ = 0;
  bool hoverTimerOn_ = false;
  bool hotkeyUnavailable_ = false;
  ColorValue pendingColour_ = kNoColor;  // a recent colour chosen while the window was hidden

 public:
  // ---- the areas ----
  Workspace workspace{readoutPanel, stripPanel, notationPanel, ShownElsewhere(), windowState_, platform_.clipboard};
  Magnifier magnifier{magnifierPanel, zoomPanel,        pickMode_,       windowState_,
                      shown_,         units,            platform_.screen, platform_.window,
                      platform_.system};
  Eyedropper eyedropper{eyedropperPanel, magnifierPanel, pickMode_, workspace, magnifier, platform_.screen};
  ChannelSliders sliders{channelPanel, workspace, units, platform_.screen, platform_.window, platform_.system};
  ChannelBoxes channelBoxes{channelPanel.boxes, workspace};
  Palette palette{hueStripPanel, swatchPanel,      tuningPanel.hue.track, workspace,
                  units,         platform_.screen, platform_.window,      platform_.dialogs};
  FineTuning fineTuning{tuningPanel, hueStripPanel,    palette,          sliders.grabOffsetX,
                        units,       platform_.screen, platform_.window, platform_.system};
  Placement placement{units, platform_.window, platform_.screen, platform_.settings};
  WindowFrame frame{buttonPanel, *this, placement, magnifier, windowState_, units, platform_.screen, platform_.window};
  AboutBox about{platform_.dialogs};
  Commands commands{commandPanel, windowState_, platform_.window, platform_.instance, [this] { ExitProgram(); }};
  ColourHistory history{platform_.settings};
  UserSettings settings{platform_.settings, platform_.system, platform_.window};
  TrayIcon tray{windowState_, shown_, platform_.window, platform_.tray,
                TrayMenuActions{
                    .exitProgram = [this] { ExitProgram(); },
                    .showAbout = [this] { dueModal_ = [this] { about.Show(true); }; },
                    .recent = [this]() -> const std::vector<ColorValue>& { return history.Items(); },
                    .chooseRecent = [this](ColorValue c) { ChooseRecent(c); },
                    .exportRecent = [this] { ExportRecent(); },
                    .clearRecent = [this] { ClearRecent(); },
                    .settings = [this] { return settings.MenuState(); },
                    .settingChosen = [this](const TrayMenuChoice& choice) { settings.Chosen(choice); }}};

 private:
  std::vector<TextBox*> tabOrder_;
  void ShowAboutWindow() override {
    dueModal_ = [this] { about.Show(false); };
  }
  void CallColourDialog() override {
    dueModal_ = [this] {
      if (palette.ChooseFromColourDialog()) history.Add(workspace.CurrentColour());
    };
  }
  std::function<void()> dueModal_;
  void CloseMainWindow() override { CloseRequested(); }
  void WireDragSurfaces();
  bool loaded_ = false;
};

}  // namespace velkaro
