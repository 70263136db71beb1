#include "window_frame.h"

namespace velkaro {

namespace {
constexpr int kLeftButton = 1, kRightButton = 2;
}  // namespace

ButtonPanel::ButtonPanel(ControlList& w)
    : about{w, "关于我们0", nullptr, Px(16, 419, 120, 34), PictureId::AboutRest},
      colourDialog{w, "系统调色板0", nullptr, Px(160, 419, 120, 34), PictureId::DialogRest},
      minimise{w, "最小0", nullptr, Px(590, 0, 34, 34), PictureId::MinimiseRest},
      close{w, "关闭0", nullptr, Px(621, 0, 34, 34), PictureId::CloseRest} {
  minimise.toolTip = "最小化";
  close.toolTip = "关闭";
}

WindowFrame::WindowFrame(ButtonPanel& buttons, FrameActions& actions, Placement& placement, Magnifier& magnifier,
                         WindowState& windowState, const Units& units, ScreenPointer& screen, WindowHost& window)
    : buttons_(buttons), actions_(actions), placement_(placement), magnifier_(magnifier), windowState_(windowState),
      units_(units), screen_(screen), window_(window) {
  for (Image* button : {&buttons_.about, &buttons_.colourDialog, &buttons_.minimise, &buttons_.close}) {
    button->onMouseDown = [this, button](const MouseEvent& e) { ImageButtonDown(*button, e.buttons); };
    button->onMouseMove = [this, button](const MouseEvent& e) { ImageButtonMove(*button, e.buttons); };
    button->onMouseUp = [this, button](const MouseEvent& e) {
      ImageButtonUp(*button);
      // A left press and release over the same button is also a click.
      const ScreenRect r = units_.ClientPixels(*button);
      if (e.buttons == kLeftButton && e.x >= 0 && e.y >= 0 && e.x < static_cast<float>(r.width) &&
          e.y < static_cast<float>(r.height))
        ImageButtonClick(*button);
    };
  }
}

void WindowFrame::ImageButtonDown(Image& button, int buttons) {
  if (&button == &buttons_.about) {
    buttons_.about.picture = PictureId::AboutPressed;
    aboutButtonState = static_cast<std::int16_t>(buttons);
  } else if (&button == &buttons_.colourDialog) {
    buttons_.colourDialog.picture = PictureId::DialogPressed;
    dialogButtonState = static_cast<std::int16_t>(buttons);
  } else if (&button == &buttons_.minimise) {
    buttons_.minimise.picture = PictureId::MinimisePressed;
  } else if (&button == &buttons_.close) {
    buttons_.close.picture = PictureId::ClosePressed;
  }
}

// Hover shows picture 2; the plates stay pressed only for the right button (value 2),
// the squares only for the left one (value 1). With another window in front the plates
// change nothing and the squares put every button back.
void WindowFrame::ImageButtonMove(Image& button, int buttons) {
  const bool inFront = IsWindowForeground();
  if (&button == &buttons_.about || &button == &buttons_.colourDialog) {
    if (!inFront) return;
    const bool about = &button == &buttons_.about;
    std::int16_t& state = about ? aboutButtonState : dialogButtonState;
    state = static_cast<std::int16_t>(buttons);
    RestImageButtons();
    if (about)
      buttons_.about.picture = state == kRightButton ? PictureId::AboutPressed : PictureId::AboutHover;
    else
      buttons_.colourDialog.picture = state == kRightButton ? PictureId::DialogPressed : PictureId::DialogHover;
    return;
  }
  if (!inFront) {
    RestImageButtons();
    return;
  }
  if (&button == &buttons_.minimise) {
    buttons_.close.picture = PictureId::CloseRest;
    buttons_.minimise.picture = buttons == kLeftButton ? PictureId::MinimisePressed : PictureId::MinimiseHover;
  } else if (&button == &buttons_.close) {
    buttons_.minimise.picture = PictureId::MinimiseRest;
    buttons_.close.picture = buttons == kLeftButton ? PictureId::ClosePressed : PictureId::CloseHover;
  }
}

// The release goes to the pressed button wherever the pointer is, for any button.
void WindowFrame::ImageButtonUp(Image& button) {
  if (&button == &buttons_.about) {
    buttons_.about.picture = PictureId::AboutRest;
    aboutButtonState = 0;
    actions_.ShowAboutWindow();
  } else if (&button == &buttons_.colourDialog) {
    buttons_.colourDialog.picture = PictureId::DialogRest;
    dialogButtonState = 0;
    actions_.CallColourDialog();
  } else if (&button == &buttons_.minimise) {
    buttons_.minimise.picture = PictureId::MinimiseHover;
    windowState_ = WindowState::Minimised;
    window_.MinimiseWindow();
  } else if (&button == &buttons_.close) {
    buttons_.close.picture = PictureId::CloseHover;
    actions_.CloseMainWindow();
  }
}

void WindowFrame::ImageButtonClick(Image& button) {
  if (&button == &buttons_.about) {
    buttons_.about.picture = PictureId::AboutRest;
    aboutButtonState = 0;
  } else if (&button == &buttons_.colourDialog) {
    dialogButtonState = 0;
    buttons_.colourDialog.picture = PictureId::DialogRest;
  }
}

void WindowFrame::RestImageButtons() {
  buttons_.close.picture = PictureId::CloseRest;
  buttons_.minimise.picture = PictureId::MinimiseRest;
  RestDialogButtons();
}

void WindowFrame::RestDialogButtons() {
  buttons_.about.picture = aboutButtonState == kRightButton ? PictureId::AboutPressed : PictureId::AboutRest;
  buttons_.colourDialog.picture = dialogButtonState == kRightButton ? PictureId::DialogPressed : PictureId::DialogRest;
}

bool WindowFrame::IsWindowForeground() { return window_.IsMainWindowForeground(); }

bool WindowFrame::HoverPicturesAtRest() const {
  return buttons_.close.picture == PictureId::CloseRest && buttons_.minimise.picture == PictureId::MinimiseRest &&
         buttons_.about.picture == (aboutButtonState == kRightButton ? PictureId::AboutPressed : PictureId::AboutRest) &&
         buttons_.colourDialog.picture == (dialogButtonState == kRightButton ? PictureId::DialogPressed : PictureId::DialogRest);
}

// A minimised window's rectangle is the system's parking place, not the user's: saving it
// would lose the window's place at the next start, so neither save runs while minimised.
// Only the primary button drags (the right one when the user swapped them); a hover or
// the secondary button held leaves the window where it is.
void WindowFrame::DragWindow() {
  if (screen_.LeftButtonHeld()) window_.DragMainWindow();
  RememberWindowRect();
  if (windowState_ != WindowState::Minimised) placement_.SavePlacement();
}

void WindowFrame::DragSurfaceMove() {
  DragWindow();
  RestImageButtons();
  if (windowState_ != WindowState::Minimised) placement_.SavePlacement();
}

void WindowFrame::RememberWindowRect() {
  const ScreenRect r = window_.MainWindowRect();
  windowRect = {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
                static_cast<float>(r.height)};
}

void WindowFrame::HoverTick() {
  // RestImageButtons only puts hover pictures back; with every button at rest it would change
  // nothing, so the two queries that decide on it (a server round trip each under Wine,
  // a hundred times a second) are spared.
  if (HoverPicturesAtRest()) {
    magnifier_.PreviewStep();
    return;
  }
  const bool inFront = IsWindowForeground();
  magnifier_.PreviewStep();
  if (!inFront) {
    RestImageButtons();
    return;
  }
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos) return;
  const float x = static_cast<float>(pos->x), y = static_cast<float>(pos->y);
  const FloatRect& r = windowRect;
  if (x > r.left && x < r.left + r.width && y > r.top && y < r.top + r.height) return;
  RestImageButtons();
}

// The borderless window's taskbar button gets a system menu and can minimise.
void WindowFrame::HookWindowFrame() { window_.AddTaskbarMenu(); }

// Compared exactly, low bits and all; the command still goes on to the system afterwards.
void WindowFrame::FrameSystemCommand(SystemCommand command) {
  if (command == SystemCommand::Close) actions_.CloseMainWindow();
}

}  // namespace velkaro
