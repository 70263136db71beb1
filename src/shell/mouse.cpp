// Mouse events of the window's controls: which control gets them and which handler runs.
#include "form1.h"

namespace velkaro {

void Form1::MouseDown(Control& c, int Button, int Shift, float X, float Y) {
  if (&c == &Picture2) Picture2_MouseDown(Button, Shift, X, Y);
}

void Form1::MouseMove(Control& c, int Button, int Shift, float X, float Y) {
  if (&c == &Picture2)
    Picture2_MouseMove(Button, Shift, X, Y);
  else if (&c == &picZoom || &c == &Image8 || &c == &Picture5 || &c == &Picture14 || &c == &Picture15)
    DragSurfaceMove();
  else if (&c == &Picture1)
    PicEn();
}

void Form1::MouseUp(Control& c, int Button, int Shift, float X, float Y) {
  if (&c == &Picture2) Picture2_MouseUp(Button, Shift, X, Y);
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
