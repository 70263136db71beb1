#include "form1.h"

namespace velkaro {

namespace {
// The notation rows hold up to nine characters in boxes about sixty pixels wide.
constexpr float kNotationFontPt = 7.5f;
}  // namespace

Form1::Form1(Platform platform)
    : platform_(platform), units(platform.screen.DpiX(), platform.screen.DpiY()) {
  for (TextBox& row : Color_TextBox) row.fontPt = kNotationFontPt;
  for (PictureBox* container : {&Picture3, &Picture4, &Picture7}) container->twipScale = true;
  SizeSurfaces();
  palette.DrawSwatches();
  workspace.SetFollower(&sliders);
  最小0.toolTip = "最小化";
  关闭0.toolTip = "关闭";
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
