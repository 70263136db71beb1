// The eyedropper: press on the target, drag anywhere on the screen, release. Every move
// makes the pixel under the pointer the current colour and renews the magnifier.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "controls.h"
#include "magnifier.h"
#include "platform.h"
#include "surface.h"
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
  // A pick started by the pick hotkey, with no button held: the pointer picks as during
  // a drag until a left click ends it on that pixel (true) or Esc or a right click
  // cancels it, bringing back the colour from before (false).
  void StartHotkeyPick();
  void HotkeyPickMove(int Shift);
  bool EndHotkeyPick(bool keep);  // false when no hotkey pick was on
  bool HotkeyPicking() const { return hotkeyPick_; }
  // The keys held changed during a pick: Ctrl averages 3 x 3 pixels, Ctrl+Shift 5 x 5
  // (not with Alt, which the hotkey itself holds). Picks again where the pointer is.
  void ModifiersChanged(int Shift);
  int AverageSpan() const { return span_; }
  static int SpanOf(int Shift);
  // The mean of the span x span pixels around p that a monitor covers, each channel
  // rounded half to even; no colour when none can be read.
  ColorValue AverageAround(Point p, int span);
  // Called when a pick ends with a colour (a drag's release, a hotkey pick's click).
  std::function<void()> pickEnded;

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
  bool hotkeyPick_ = false;
  ColorValue colourBefore_ = kNoColor;  // what a cancelled hotkey pick brings back
  int span_ = 1;                        // 1, or the side of the averaged square
  int lastSpan_ = 1;                    // the span of the last pick
  Surface block_{5, 5, 0};              // the averaged square, read in one copy
  void PickMove(int Shift);
  void FinishPick();
  void MoveStep(float X, float Y);  // a move's pick, preview, caption and refresh
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
