// The skinned frame: the four image buttons with their hover and pressed pictures,
// dragging the window by its surfaces, the taskbar system menu, and the hover tick that
// also drives the magnifier.
#pragma once

#include <cstdint>

#include "controls.h"
#include "magnifier.h"
#include "placement.h"
#include "platform.h"

namespace velkaro {

struct FloatRect {
  float left = 0, top = 0, width = 0, height = 0;
};

// What the buttons do, carried out by the window that composes the areas.
class FrameActions {
 public:
  virtual ~FrameActions() = default;
  virtual void ShowAboutWindow() = 0;
  virtual void CallColourDialog() = 0;
  virtual void CloseMainWindow() = 0;
};

// The image buttons: about and the colour dialog at the bottom left, minimise and close at
// the top right.
struct ButtonPanel {
  explicit ButtonPanel(ControlList& window);
  Image about, colourDialog, minimise, close;
};

// A system command as the frame tells them apart.
enum class SystemCommand { Close, Other };

class WindowFrame {
 public:
  WindowFrame(ButtonPanel& buttons, FrameActions& actions, Placement& placement, Magnifier& magnifier,
              WindowState& windowState, const Units& units, ScreenPointer& screen, WindowHost& window);

  void ImageButtonDown(Image& button, int buttons);
  void ImageButtonMove(Image& button, int buttons);
  void ImageButtonUp(Image& button);
  void ImageButtonClick(Image& button);

  void RestImageButtons();  // the close and minimise buttons at rest, then RestDialogButtons
  void RestDialogButtons();
  bool IsWindowForeground();
  bool HoverPicturesAtRest() const;  // RestImageButtons would change nothing

  void DragWindow();
  // A move over the background, a frame or a picture that drags the window.
  void DragSurfaceMove();
  void RememberWindowRect();  // remembers the window's rectangle for the hover tick
  void HoverTick();

  void HookWindowFrame();
  // A system command reaching the window; the system close becomes a close request too.
  void FrameSystemCommand(SystemCommand command);

  FloatRect windowRect;
  std::int16_t aboutButtonState = 0, dialogButtonState = 0;

 private:
  ButtonPanel& buttons_;
  FrameActions& actions_;
  Placement& placement_;
  Magnifier& magnifier_;
  WindowState& windowState_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
};

}  // namespace velkaro
