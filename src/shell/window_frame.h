// The skinned frame: dragging the window by its surfaces, the image buttons' hover, and
// the hover tick that also drives the magnifier.
#pragma once

#include "magnifier.h"
#include "placement.h"
#include "platform.h"

namespace velkaro {

struct FloatRect {
  float left = 0, top = 0, width = 0, height = 0;
};

class WindowFrame {
 public:
  WindowFrame(Placement& placement, Magnifier& magnifier, const WindowState& windowState, ScreenPointer& screen,
              WindowHost& window)
      : placement_(placement), magnifier_(magnifier), windowState_(windowState), screen_(screen), window_(window) {}

  void DragWindow();
  void PicEn();  // puts every image button back to its resting picture
  bool HoverPicturesAtRest() const;
  // A move over picZoom, Image8, Picture5, Picture14 or Picture15.
  void DragSurfaceMove();
  void 获取鼠标坐标();  // remembers the window's rectangle for the hover tick
  void HoverTimerProc();

  FloatRect WindowRect;

 private:
  Placement& placement_;
  Magnifier& magnifier_;
  const WindowState& windowState_;
  ScreenPointer& screen_;
  WindowHost& window_;
};

}  // namespace velkaro
