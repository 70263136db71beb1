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

// The target to drag out of the window, on its swatch of the colour.
struct EyedropperPanel {
  explicit EyedropperPanel(ControlList& window);
  Frame frame;
  PictureBox swatch;  // also where an unreadable pixel is copied
  Image target;
};

class Eyedropper {
 public:
  // `pickMode` is the pick state the window keeps; the magnifier's panel shows the pick.
  Eyedropper(EyedropperPanel& panel, MagnifierPanel& shown, PickMode& pickMode, Workspace& workspace,
             Magnifier& magnifier, ScreenPointer& screen);

  void TargetDown(const MouseEvent& e);
  void TargetMove(const MouseEvent& e);
  void TargetUp(const MouseEvent& e = {});
  // Makes the pixel under the pointer (or the mean around it) the colour and shows it;
  // x and y get the pointer's screen position. False when no new colour was taken.
  bool PickScreenColor(float& x, float& y);
  // Arrow keys during a drag: the pointer moves and the pick follows, as for a mouse move.
  void NudgePointer(int dx, int dy);
  // A pick started by the pick hotkey, with no button held: the pointer picks as during
  // a drag until a left click ends it on that pixel (true) or Esc or a right click
  // cancels it, bringing back the colour from before (false).
  void StartHotkeyPick();
  void HotkeyPickMove(int shift);
  bool EndHotkeyPick(bool keep);  // false when no hotkey pick was on
  bool HotkeyPicking() const { return pickMode_ == PickMode::Hotkey; }
  // The keys held changed during a pick: Ctrl averages 3 x 3 pixels, Ctrl+Shift 5 x 5
  // (not with Alt, which the hotkey itself holds). Picks again where the pointer is.
  void ModifiersChanged(int shift);
  int AverageSpan() const { return span_; }
  static int SpanOf(int shift);
  // The mean of the span x span pixels around p that a monitor covers, each channel
  // rounded half to even; no colour when none can be read.
  ColorValue AverageAround(Point p, int span);
  // Called when a pick ends with a colour (a drag's release, a hotkey pick's click).
  std::function<void()> pickEnded;

  // On a tick during a left drag: when the pointer is not where the last pick was (its
  // moves were merged or lost on the way), the pick follows it as a move would; when the
  // button is already up, the drag then ends.
  void FollowPointer();

  std::int32_t lastPickX = 0, lastPickY = 0;
  bool hasLastPick = false;

 private:
  bool leftDrag_ = false;  // the drag began with the left button alone
  // The drag picked somewhere other than where it was pressed: only then is its colour
  // one the user went to get, for the recent colours.
  bool movedOff_ = false;
  std::optional<Point> pressedAt_;
  ColorValue colourBefore_ = kNoColor;  // what a cancelled hotkey pick brings back
  int span_ = 1;                        // 1, or the side of the averaged square
  int lastSpan_ = 1;                    // the span of the last pick
  Surface block_{5, 5, 0};              // the averaged square, read in one copy
  void PickMove(int shift);
  void FinishPick();
  bool PickAt(std::optional<Point> pos, float& x, float& y);
  void MoveStep(float x, float y);  // a move's pick, preview, caption and refresh
  // The monitors as the drag began: a point none of them covers has no colour (the screen
  // reads black there), and asking the system on every move would cost each move a trip.
  std::vector<ScreenRect> monitors_;
  bool OnAMonitor(Point p) const;
  EyedropperPanel& panel_;
  MagnifierPanel& shown_;
  PickMode& pickMode_;
  Workspace& workspace_;
  Magnifier& magnifier_;
  ScreenPointer& screen_;
};

}  // namespace velkaro
