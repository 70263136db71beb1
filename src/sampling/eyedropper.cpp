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

void Eyedropper::Picture2_MouseDown(int Button, int Shift, float X, float Y) {
  Picking = kTrue;
  monitors_ = screen_.Monitors();
  span_ = SpanOf(Shift);  // Ctrl held at the press averages the first pick too
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

void Eyedropper::Picture2_MouseMove(int Button, int Shift, float X, float Y) {
  if (Button != kLeftAlone) {
    screen_.SetHandCursor();
    return;
  }
  span_ = SpanOf(Shift);
  MoveStep(X, Y);
}

void Eyedropper::MoveStep(float X, float Y) {
  // Chosen from the colour before this move's pick.
  const PictureId pointer = PointerFor(workspace_.CurrentColour());
  Picture2.pointer = pointer;
  Image8.picture = pointer;
  if (Picking == kFalse) return;
  if (magnifier_.averageSpan != span_) {  // the view outlines the averaged cells from now
    magnifier_.averageSpan = span_;
    magnifier_.LastPreviewX = Magnifier::kForceNewPicture;
  }
  magnifier_.屏幕预览();
  PickScreenColor(X, Y);
  Frame5.caption = "像素坐标校准:X:" + DecimalText(static_cast<std::int64_t>(X)) + ",Y:" +
                   DecimalText(static_cast<std::int64_t>(Y)) +
                   (span_ == 3 ? " 3x3" : span_ == 5 ? " 5x5" : "");
  workspace_.RefreshDisplay();
  workspace_.RefreshValues();
  控件刷新();
}

void Eyedropper::Picture2_MouseUp(int, int, float, float) {
  if (Picking == kFalse || hotkeyPick_) return;
  FinishPick();
  if (pickEnded) pickEnded();
}

void Eyedropper::FinishPick() {
  Picking = kFalse;
  leftDrag_ = false;
  span_ = 1;
  magnifier_.averageSpan = 1;
  Picture2.pointer = PictureId::None;
  Picture2.picture = PictureId::Target;
}

int Eyedropper::SpanOf(int Shift) {
  constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
  if ((Shift & kCtrl) == 0 || (Shift & kAlt) != 0) return 1;
  return (Shift & kShift) != 0 ? 5 : 3;
}

void Eyedropper::StartHotkeyPick() {
  if (Picking != kFalse) return;  // a drag is on: the hotkey changes nothing
  colourBefore_ = workspace_.CurrentColour();
  hotkeyPick_ = true;
  Picking = kTrue;
  leftDrag_ = false;
  hasLastPick = false;
  monitors_ = screen_.Monitors();
  Picture2.picture = PictureId::None;  // as in a drag, the target is lifted off
  Picture2.pointer = PointerFor(colourBefore_);
  PickMove(0);
}

void Eyedropper::HotkeyPickMove(int Shift) {
  if (hotkeyPick_) PickMove(Shift);
}

void Eyedropper::PickMove(int Shift) {
  span_ = SpanOf(Shift);
  MoveStep(0, 0);
}

bool Eyedropper::EndHotkeyPick(bool keep) {
  if (!hotkeyPick_) return false;
  if (keep) MoveStep(0, 0);  // the pixel under the click, in the mode of the last move
  hotkeyPick_ = false;
  FinishPick();
  if (keep) {
    if (pickEnded) pickEnded();
  } else {
    workspace_.zhuan(colourBefore_);
    workspace_.RefreshValues();
    Frame5.caption = "像素坐标校准:";
  }
  控件刷新();
  return true;
}

void Eyedropper::ModifiersChanged(int Shift) {
  if (Picking == kFalse || SpanOf(Shift) == span_) return;
  hasLastPick = false;  // the same place, picked the new way
  PickMove(Shift);
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

void Eyedropper::PickScreenColor(float& X, float& Y) {
  if (Picking == kFalse) return;
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos) return;  // a failed step is passed over
  if (hasLastPick && pos->x == LastPickX && pos->y == LastPickY && span_ == lastSpan_) {
    X = static_cast<float>(pos->x);
    Y = static_cast<float>(pos->y);
    return;
  }
  LastPickX = pos->x;
  LastPickY = pos->y;
  hasLastPick = true;
  lastSpan_ = span_;
  X = static_cast<float>(pos->x);
  Y = static_cast<float>(pos->y);
  if (!OnAMonitor(*pos)) return;  // no colour: the readouts keep the last one
  if (span_ > 1) {
    const ColorValue mean = AverageAround(*pos, span_);
    if (mean >= 0) workspace_.SetChannels(SplitChannels(mean));
    return;
  }
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
  MoveStep(0, 0);  // in the averaging the keys chose
}

// A button found up means its release was lost as well: the pick catches up with where
// the button came up, and the drag ends as the release would have ended it.
void Eyedropper::FollowPointer() {
  if (Picking == kFalse || !leftDrag_) return;
  const bool held = screen_.LeftButtonHeld();
  const std::optional<Point> pos = screen_.CursorPos();
  if (pos && !(hasLastPick && pos->x == LastPickX && pos->y == LastPickY)) MoveStep(0, 0);
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
