// The eyedropper: press on the target, drag anywhere on the screen, release. Every move
// makes the pixel under the pointer the current colour and renews the magnifier.
#pragma once

#include <cstdint>
#include <vector>

#include "controls.h"
#include "magnifier.h"
#include "platform.h"
#include "workspace.h"

namespace velkaro {

struct EyedropperControls {
  Image& Picture2;           // the target
  PictureBox& Picture1;      // its swatch, also where an unreadable pixel is copied
  Image& Image8;             // the magnifier's pointer picture
  Frame& Frame5;             // its caption shows the pointer's position
  const PictureBox& picZoom; // left out of the repaint after a pick: it paints on its own
};

class Eyedropper : private EyedropperControls {
 public:
  // `picking` is the drag state the window keeps: -1 while a drag is on, 0 otherwise.
  Eyedropper(const EyedropperControls& controls, std::int16_t& picking, Workspace& workspace,
             Magnifier& magnifier, const ControlList& window, ScreenPointer& screen, WindowHost& host)
      : EyedropperControls(controls), Picking(picking), workspace_(workspace), magnifier_(magnifier),
        controls_(window), screen_(screen), host_(host) {}

  void Picture2_MouseDown(int Button, int Shift, float X, float Y);
  void Picture2_MouseMove(int Button, int Shift, float X, float Y);
  void Picture2_MouseUp(int Button, int Shift, float X, float Y);
  void PickScreenColor(float& X, float& Y);
  // Arrow keys during a drag: the pointer moves and the pick follows, as for a mouse move.
  void NudgePointer(int dx, int dy);
  // Repaints, now, everything a pick changed.
  void 控件刷新();
  // On a tick during a left drag: when the pointer is not where the last pick was (its
  // moves were merged or lost on the way), the pick follows it as a move would; when the
  // button is already up, the drag then ends.
  void FollowPointer();

  std::int32_t LastPickX = 0, LastPickY = 0;
  bool hasLastPick = false;

 private:
  bool leftDrag_ = false;  // the drag began with the left button alone
  // The monitors as the drag began: a point none of them covers has no colour (the screen
  // reads black there), and asking the system on every move would cost each move a trip.
  std::vector<ScreenRect> monitors_;
  bool OnAMonitor(Point p) const;
  std::int16_t& Picking;
  Workspace& workspace_;
  Magnifier& magnifier_;
  const ControlList& controls_;
  ScreenPointer& screen_;
  WindowHost& host_;
};

}  // namespace velkaro
