#include "form1.h"

namespace velkaro {

namespace {
// The notation rows hold up to nine characters in boxes about sixty pixels wide.
constexpr float kNotationFontPt = 7.5f;
}  // namespace

Form1::Form1(Platform platform)
    : platform_(platform), units(platform.screen.DpiX(), platform.screen.DpiY()) {
  for (TextBox& row : Color_TextBox) row.fontPt = kNotationFontPt;
  for (PictureBox* container : {&Picture3, &Picture4, &Picture7, &Picture11, &Picture9, &Picture6}) container->twipScale = true;
  SizeSurfaces();
  palette.DrawSwatches();
  workspace.SetFollower(&sliders);
  eyedropper.pickEnded = [this] { history.Add(workspace.CurrentColour()); };
  最小0.toolTip = "最小化";
  关闭0.toolTip = "关闭";
  // Reading order: the channels, the readouts frame by frame, the inverse colour, the
  // fine-tuning values, then the notation rows line by line (VB, Delphi, BASIC, Hex;
  // Html, other, R,G,B). The boxes off the window's right edge are never reached.
  tabOrder_ = {&Text_R,      &Text_G,      &Text_B,      &Text_HSV_H,  &Text_HSV_S, &Text_HSV_V, &Text_HSL_H,
               &Text_HSL_L,  &Text_HSL_S,  &Text_Cmyk_C, &Text_Cmyk_M, &Text_Cmyk_Y, &Text_Cmyk_K, &Text_Lab_L,
               &Text_Lab_A,  &Text_Lab_B,  &Text5,       &Text3,       &Text2,      &Text1};
  for (int row : kNotationDisplayOrder) tabOrder_.push_back(&Color_TextBox[row]);
}

TextBox* Form1::NextInTabOrder(const TextBox& from, bool backwards) const {
  const auto n = static_cast<int>(tabOrder_.size());
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (tabOrder_[i] == &from) at = i;
  if (at < 0) return nullptr;
  for (int step = 1; step <= n; ++step) {
    TextBox* next = tabOrder_[((at + (backwards ? -step : step)) % n + n) % n];
    if (next->Showing()) return next;
  }
  return nullptr;
}

bool Form1::ClipboardShortcut(TextBox& box, ClipboardKey key) {
  if (channelBoxes.IsChannelBox(box)) return false;
  if (key == ClipboardKey::Copy) workspace.全选(box);
  return true;
}

// As closing by any other way: the close is cancelled and the window goes to the tray.
void Form1::CloseMainWindow() {
  bool cancel = false;
  Form_Unload(cancel);
}

// Each picture box draws on its inner area: the outer size less a 3-D border.
void Form1::SizeSurfaces() {
  for (Control* c : controls_.All()) {
    if (c->kind != ControlKind::PictureBox) continue;
    auto* box = static_cast<PictureBox*>(c);
    const int border = 2 * BorderInsetPx(*box);
    box->surface.Resize(units.PixelsX(box->place.width) - border, units.PixelsY(box->place.height) - border,
                        box->backColor);
  }
}

}  // namespace velkaro
