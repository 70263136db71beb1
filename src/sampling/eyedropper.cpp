#include "eyedropper.h"

namespace velkaro {

namespace {
constexpr int kLeftAlone = 1;
constexpr std::int16_t kTrue = -1, kFalse = 0;
constexpr double kDarkLimit = 127.5;  // every channel at most this: a dark colour
}  // namespace

namespace {
// The pointer picture contrasts with the colour: white on dark colours, black otherwise.
PictureId PointerFor(ColorValue colour) {
  const auto [r, g, b] = SplitChannels(colour);
  const bool dark = r <= kDarkLimit && g <= kDarkLimit && b <= kDarkLimit;
  return dark ? PictureId::PointerLight : PictureId::PointerDark;
}
}  // namespace

bool Eyedropper::OnAMonitor(Point p) const {
  if (monitors_.empty()) return true;  // the system did not say: every point counts
  for (const ScreenRect& m : monitors_)
    if (p.x >= m.left && p.x < m.left + m.width && p.y >= m.top && p.y < m.top + m.height) return true;
  return false;
}

void Eyedropper::Picture2_MouseDown(int Button, int, float X, float Y) {
  Picking = kTrue;
  monitors_ = screen_.Monitors();
  leftDrag_ = Button == kLeftAlone;
  if (Button == kLeftAlone) {
    Picture2.picture = PictureId::None;  // the target is lifted off
    Picture2.pointer = PointerFor(workspace_.CurrentColour());
  }
  PickScreenColor(X, Y);
  // The picked colour shows in every readout at once: a click that never moves would
  // otherwise leave them telling of the colour before. (RefreshValues refreshes the
  // display first.)
  workspace_.RefreshValues();
}

void Eyedropper::Picture2_MouseMove(int Button, int, float X, float Y) {
  if (Button != kLeftAlone) {
    screen_.SetHandCursor();
    return;
  }
  // Chosen from the colour before this move's pick.
  const PictureId pointer = PointerFor(workspace_.CurrentColour());
  Picture2.pointer = pointer;
  Image8.picture = pointer;
  if (Picking == kFalse) return;
  magnifier_.屏幕预览();
  PickScreenColor(X, Y);
  Frame5.caption = "像素坐标校准:X:" + DecimalText(static_cast<std::int64_t>(X)) + ",Y:" +
                   DecimalText(static_cast<std::int64_t>(Y));
  workspace_.RefreshDisplay();
  workspace_.RefreshValues();
  控件刷新();
}

void Eyedropper::Picture2_MouseUp(int, int, float, float) {
  if (Picking == kFalse) return;
  Picking = kFalse;
  leftDrag_ = false;
  Picture2.pointer = PictureId::None;
  Picture2.picture = PictureId::Target;
}

void Eyedropper::PickScreenColor(float& X, float& Y) {
  if (Picking == kFalse) return;
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos) return;  // a failed step is passed over
  if (hasLastPick && pos->x == LastPickX && pos->y == LastPickY) {
    X = static_cast<float>(pos->x);
    Y = static_cast<float>(pos->y);
    return;
  }
  LastPickX = pos->x;
  LastPickY = pos->y;
  hasLastPick = true;
  X = static_cast<float>(pos->x);
  Y = static_cast<float>(pos->y);
  if (!OnAMonitor(*pos)) return;  // no colour: the readouts keep the last one
  ColorValue v = screen_.ScreenPixel(*pos);
  if (v == kNoColor) {  // an unreadable pixel is copied into the swatch and read there
    screen_.CopyScreenBlock(*pos, 1, 1, Picture1.surface, 0, 0);
    v = Picture1.surface.Get(0, 0);
  }
  if (v < 0) return;
  workspace_.SetChannels(SplitChannels(v));
}

void Eyedropper::NudgePointer(int dx, int dy) {
  if (Picking == kFalse) return;
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos || !screen_.SetCursorPos({pos->x + dx, pos->y + dy})) return;
  Picture2_MouseMove(kLeftAlone, 0, 0, 0);
}

// A button found up means its release was lost as well: the pick catches up with where
// the button came up, and the drag ends as the release would have ended it.
void Eyedropper::FollowPointer() {
  if (Picking == kFalse || !leftDrag_) return;
  const bool held = screen_.LeftButtonHeld();
  const std::optional<Point> pos = screen_.CursorPos();
  if (pos && !(hasLastPick && pos->x == LastPickX && pos->y == LastPickY)) Picture2_MouseMove(kLeftAlone, 0, 0, 0);
  if (!held) Picture2_MouseUp(kLeftAlone, 0, 0, 0);
}

// Frames (the caption), text boxes and pictures: all but the view, which the timer's
// preview step paints.
void Eyedropper::控件刷新() {
  std::vector<const Control*> repaint;
  for (const Control* c : controls_.All()) {
    if (c->kind == ControlKind::Frame || c->kind == ControlKind::TextBox ||
        (c->kind == ControlKind::PictureBox && c != &picZoom))
      repaint.push_back(c);
  }
  host_.RepaintNow(repaint);
}

}  // namespace velkaro
