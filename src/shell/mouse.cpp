// Mouse events of the window's controls: which control gets them and which handler runs.
#include "form1.h"

namespace velkaro {

namespace {
// Positions inside a twip-scaled container come in twips; elsewhere in pixels.
bool InTwips(const Control& c) {
  return c.parent && c.parent->kind == ControlKind::PictureBox &&
         static_cast<const PictureBox*>(c.parent)->twipScale && c.kind == ControlKind::Image;
}
}  // namespace

void Form1::MouseDown(Control& c, int Button, int Shift, float X, float Y) {
  if (InTwips(c)) {
    X *= twipsPerPixelX_;
    Y *= twipsPerPixelY_;
  }
  if (&c == &Picture2) return Picture2_MouseDown(Button, Shift, X, Y);
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSlider s = SliderOf(ch);
    if (&c == &s.thumb) return Thumb_MouseDown(ch, Button, Shift, X, Y);
    if (&c == &s.track) return Track_MouseDown(ch, Button, Shift, X, Y);
  }
}

void Form1::MouseMove(Control& c, int Button, int Shift, float X, float Y) {
  if (InTwips(c)) {
    X *= twipsPerPixelX_;
    Y *= twipsPerPixelY_;
  }
  if (&c == &Picture2) return Picture2_MouseMove(Button, Shift, X, Y);
  if (&c == &picZoom || &c == &Image8 || &c == &Picture5 || &c == &Picture14 || &c == &Picture15)
    return DragSurfaceMove();
  if (&c == &Picture1) return PicEn();
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSlider s = SliderOf(ch);
    if (&c == &s.thumb) return Thumb_MouseMove(ch, Button, Shift, X, Y);
    if (&c == &s.track) return Track_MouseMove(ch, Button, Shift, X, Y);
  }
}

void Form1::MouseUp(Control& c, int Button, int Shift, float X, float Y) {
  if (&c == &Picture2) return Picture2_MouseUp(Button, Shift, X, Y);
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSlider s = SliderOf(ch);
    if (&c == &s.thumb || &c == &s.track) return Slider_MouseUp(ch);
  }
}

// Later controls lie over earlier ones and children over their parents. Shapes and lines
// take no mouse events; text boxes are windows of their own.
Control* Form1::ControlAt(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    if (c->kind == ControlKind::Shape || c->kind == ControlKind::Line || c->kind == ControlKind::TextBox)
      continue;
    bool visible = true;
    for (const Control* p = c; p; p = p->parent) visible = visible && p->visible;
    if (!visible) continue;
    const ScreenRect r = ClientPixels(*c);
    if (x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height) return c;
  }
  return nullptr;
}

}  // namespace velkaro
