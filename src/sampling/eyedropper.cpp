#include "eyedropper.h"

namespace velkaro {

namespace {
constexpr int kLeftAlone = 1;
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

EyedropperPanel::EyedropperPanel(ControlList& w)
    : frame{w, "Frame2", nullptr, Px(10, 40, 121, 110), "拖动靶标进行拾色"},
      swatch{w, "Picture1", &frame, Px(3, 16, 113, 89)},
      target{w, "Picture2", &swatch, Px(40, 26, 32, 32), PictureId::Target} {}

Eyedropper::Eyedropper(EyedropperPanel& panel, MagnifierPanel& shown, PickMode& pickMode, Workspace& workspace,
                       Magnifier& magnifier, ScreenPointer& screen)
    : panel_(panel), shown_(shown), pickMode_(pickMode), workspace_(workspace), magnifier_(magnifier),
      screen_(screen) {
  panel_.target.onMouseDown = [this](const MouseEvent& e) { TargetDown(e); };
  panel_.target.onMouseMove = [this](const MouseEvent& e) { TargetMove(e); };
  panel_.target.onMouseUp = [this](const MouseEvent& e) { TargetUp(e); };
  panel_.target.onCaptureLost = [this] { TargetUp(); };
}

void Eyedropper::TargetDown(const MouseEvent& e) {
  if (pickMode_ != PickMode::Hotkey) pickMode_ = PickMode::Drag;
  monitors_ = screen_.Monitors();
  span_ = SpanOf(e.shift);  // Ctrl held at the press averages the first pick too
  leftDrag_ = e.buttons == kLeftAlone;
  movedOff_ = false;
  pressedAt_ = screen_.CursorPos();
  float x = e.x, y = e.y;
  if (e.buttons == kLeftAlone) {
    panel_.target.picture = PictureId::None;  // the target is lifted off
    panel_.target.pointer = PointerFor(workspace_.CurrentColour());
    // Under the lifted target lies the swatch, all of it the current colour: that is the
    // press's pick. The screen is not asked: the lifted target reaches it only some time
    // after this message (the system composes the window's pixels on its own time), and
    // a read now would see the target's own picture.
    if (pressedAt_) {
      lastPickX = pressedAt_->x;
      lastPickY = pressedAt_->y;
      hasLastPick = true;
      lastSpan_ = span_;
    }
    workspace_.RefreshValues();
    return;
  }
  // Other buttons leave the target shown: what the screen shows is read. The picked colour
  // shows in every readout at once: a click that never moves would otherwise leave them
  // telling of the colour before.
  if (!PickScreenColor(x, y)) workspace_.RefreshValues();
}

void Eyedropper::TargetMove(const MouseEvent& e) {
  if (e.buttons != kLeftAlone) {
    screen_.SetHandCursor();
    return;
  }
  span_ = SpanOf(e.shift);
  MoveStep(e.x, e.y);
}

void Eyedropper::MoveStep(float x, float y) {
  // Chosen from the colour before this move's pick.
  const PictureId pointer = PointerFor(workspace_.CurrentColour());
  panel_.target.pointer = pointer;
  shown_.pointer.picture = pointer;
  if (pickMode_ == PickMode::None) return;
  if (magnifier_.averageSpan != span_) {  // the view outlines the averaged cells from now
    magnifier_.averageSpan = span_;
    magnifier_.lastPreviewX = Magnifier::kForceNewPicture;
  }
  // The pointer is asked once: the magnifier and the pick see the same place.
  const std::optional<Point> pos = screen_.CursorPos();
  magnifier_.PreviewStep(pos);
  if (!PickAt(pos, x, y)) workspace_.RefreshValues();
  shown_.frame.caption = "像素坐标校准:X:" + DecimalText(static_cast<std::int64_t>(x)) + ",Y:" +
                         DecimalText(static_cast<std::int64_t>(y)) +
                         (span_ == 3 ? " 3x3" : span_ == 5 ? " 5x5" : "");
}

void Eyedropper::TargetUp(const MouseEvent& e) {
  if (pickMode_ != PickMode::Drag) return;
  // A left drag's colour is worth keeping once it was picked away from the press; a right
  // press reads the target itself, so only a release off the target keeps its colour.
  const bool keep = leftDrag_ ? movedOff_ : !e.over;
  FinishPick();
  if (keep && pickEnded) pickEnded();
}

void Eyedropper::FinishPick() {
  pickMode_ = PickMode::None;
  leftDrag_ = false;
  span_ = 1;
  magnifier_.averageSpan = 1;
  panel_.target.pointer = PictureId::None;
  panel_.target.picture = PictureId::Target;
}

int Eyedropper::SpanOf(int shift) {
  constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
  if ((shift & kCtrl) == 0 || (shift & kAlt) != 0) return 1;
  return (shift & kShift) != 0 ? 5 : 3;
}

void Eyedropper::StartHotkeyPick() {
  if (pickMode_ != PickMode::None) return;  // a drag is on: the hotkey changes nothing
  colourBefore_ = workspace_.CurrentColour();
  pickMode_ = PickMode::Hotkey;
  leftDrag_ = false;
  hasLastPick = false;
  monitors_ = screen_.Monitors();
  panel_.target.picture = PictureId::None;  // as in a drag, the target is lifted off
  panel_.target.pointer = PointerFor(colourBefore_);
  PickMove(0);
}

void Eyedropper::HotkeyPickMove(int shift) {
  if (HotkeyPicking()) PickMove(shift);
}

void Eyedropper::PickMove(int shift) {
  span_ = SpanOf(shift);
  MoveStep(0, 0);
}

bool Eyedropper::EndHotkeyPick(bool keep) {
  if (!HotkeyPicking()) return false;
  if (keep) MoveStep(0, 0);  // the pixel under the click, in the mode of the last move
  FinishPick();
  if (keep) {
    if (pickEnded) pickEnded();
  } else {
    // The magnifier rests as before the pick: its resting picture, no pointer over it.
    workspace_.ShowColour(colourBefore_);
    shown_.frame.caption = "像素坐标校准:";
    shown_.pointer.picture = PictureId::None;
  }
  return true;
}

void Eyedropper::ModifiersChanged(int shift) {
  if (pickMode_ == PickMode::None || SpanOf(shift) == span_) return;
  hasLastPick = false;  // the same place, picked the new way
  PickMove(shift);
}

namespace {
// A channel's mean, rounded half to even.
int MeanHalfEven(std::uint32_t sum, std::uint32_t count) {
  const std::uint32_t q = sum / count, twice = 2 * (sum % count);
  return static_cast<int>(twice > count || (twice == count && (q & 1) != 0) ? q + 1 : q);
}
}  // namespace

ColorValue Eyedropper::AverageAround(Point p, int span) {
  const int r = span / 2;
  block_.Fill(kNoColor);
  if (!screen_.CopyScreenBlock({p.x - r, p.y - r}, span, span, block_, 0, 0)) return kNoColor;
  std::uint32_t sum[3] = {}, count = 0;
  for (int y = 0; y < span; ++y)
    for (int x = 0; x < span; ++x) {
      const ColorValue v = block_.Get(x, y);
      if (v < 0 || !OnAMonitor({p.x - r + x, p.y - r + y})) continue;
      const auto [cr, cg, cb] = SplitChannels(v);
      sum[0] += cr;
      sum[1] += cg;
      sum[2] += cb;
      ++count;
    }
  if (count == 0) return kNoColor;
  return ComposeColor(MeanHalfEven(sum[0], count), MeanHalfEven(sum[1], count), MeanHalfEven(sum[2], count));
}

bool Eyedropper::PickScreenColor(float& x, float& y) {
  if (pickMode_ == PickMode::None) return false;
  return PickAt(screen_.CursorPos(), x, y);
}

bool Eyedropper::PickAt(std::optional<Point> pos, float& x, float& y) {
  if (pickMode_ == PickMode::None || !pos) return false;  // a failed step is passed over
  if (hasLastPick && pos->x == lastPickX && pos->y == lastPickY && span_ == lastSpan_) {
    x = static_cast<float>(pos->x);
    y = static_cast<float>(pos->y);
    return false;
  }
  lastPickX = pos->x;
  lastPickY = pos->y;
  hasLastPick = true;
  if (pressedAt_ && (pos->x != pressedAt_->x || pos->y != pressedAt_->y)) movedOff_ = true;
  lastSpan_ = span_;
  x = static_cast<float>(pos->x);
  y = static_cast<float>(pos->y);
  if (!OnAMonitor(*pos)) return false;  // no colour: the readouts keep the last one
  if (span_ > 1) {
    const ColorValue mean = AverageAround(*pos, span_);
    if (mean < 0) return false;
    workspace_.ShowChannels(SplitChannels(mean));
    return true;
  }
  ColorValue v = screen_.ScreenPixel(*pos);
  if (v == kNoColor) {  // an unreadable pixel is copied into the swatch and read there
    screen_.CopyScreenBlock(*pos, 1, 1, panel_.swatch.surface, 0, 0);
    v = panel_.swatch.surface.Get(0, 0);
  }
  if (v < 0) return false;
  workspace_.ShowChannels(SplitChannels(v));
  return true;
}

void Eyedropper::NudgePointer(int dx, int dy) {
  if (pickMode_ == PickMode::None) return;
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos || !screen_.SetCursorPos({pos->x + dx, pos->y + dy})) return;
  MoveStep(0, 0);  // in the averaging the keys chose
}

// A button found up means its release was lost as well: the pick catches up with where
// the button came up, and the drag ends as the release would have ended it.
void Eyedropper::FollowPointer() {
  if (pickMode_ == PickMode::None || !leftDrag_) return;
  const bool held = screen_.LeftButtonHeld();
  const std::optional<Point> pos = screen_.CursorPos();
  if (pos && !(hasLastPick && pos->x == lastPickX && pos->y == lastPickY)) MoveStep(0, 0);
  if (!held) TargetUp();
}

}  // namespace velkaro
