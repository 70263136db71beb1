// The eyedropper: press on the target, drag anywhere on the screen, release. Every move
// makes the pixel under the pointer the current colour.
#include "form1.h"

namespace velkaro {

namespace {
constexpr int kLeftAlone = 1;
constexpr std::int16_t kTrue = -1, kFalse = 0;
constexpr double kDarkLimit = 127.5;  // every channel at most this: a dark colour
}  // namespace

namespace {
// The pointer picture contrasts with the colour: white on dark colours, black otherwise.
PictureId PointerFor(std::int32_t r, std::int32_t g, std::int32_t b) {
  const bool dark = r <= kDarkLimit && g <= kDarkLimit && b <= kDarkLimit;
  return dark ? PictureId::PointerLight : PictureId::PointerDark;
}
}  // namespace

void Form1::Picture2_MouseDown(int Button, int, float X, float Y) {
  Picking = kTrue;
  if (Button == kLeftAlone) {
    Picture2.picture = PictureId::None;  // the target is lifted off
    Picture2.pointer = PointerFor(ChannelOf(Text_R), ChannelOf(Text_G), ChannelOf(Text_B));
  }
  PickScreenColor(X, Y);
}

void Form1::Picture2_MouseMove(int Button, int, float X, float Y) {
  if (Button != kLeftAlone) {
    SetHandCursor();
    return;
  }
  // Chosen from the colour before this move's pick.
  const PictureId pointer = PointerFor(ChannelOf(Text_R), ChannelOf(Text_G), ChannelOf(Text_B));
  Picture2.pointer = pointer;
  Image8.picture = pointer;
  if (Picking == kFalse) return;
  屏幕预览();
  PickScreenColor(X, Y);
  Frame5.caption = "像素坐标校准:X:" + DecimalText(static_cast<std::int64_t>(X)) + ",Y:" +
                   DecimalText(static_cast<std::int64_t>(Y));
  RefreshDisplay();
  RefreshValues();
  控件刷新();
}

void Form1::Picture2_MouseUp(int, int, float, float) {
  if (Picking == kFalse) return;
  Picking = kFalse;
  Picture2.pointer = PictureId::None;
  Picture2.picture = PictureId::Target;
}

void Form1::PickScreenColor(float& X, float& Y) {
  if (Picking == kFalse) return;
  const std::optional<Point> pos = platform_.CursorPos();
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
  ColorValue v = platform_.ScreenPixel(*pos);
  if (v == kNoColor) {  // an unreadable pixel is copied into the swatch and read there
    platform_.CopyScreenBlock(*pos, 1, 1, Picture1.surface, 0, 0);
    v = Picture1.surface.Get(0, 0);
  }
  if (v < 0) return;
  SetChannels(SplitChannels(v));
}

void Form1::SetHandCursor() { platform_.SetHandCursor(); }

void Form1::NudgePointer(int dx, int dy) {
  if (Picking == kFalse) return;
  const std::optional<Point> pos = platform_.CursorPos();
  if (!pos || !platform_.SetCursorPos({pos->x + dx, pos->y + dy})) return;
  Picture2_MouseMove(kLeftAlone, 0, 0, 0);
}

}  // namespace velkaro
