// Events of the window's controls: each goes to the slot the owning area bound.
#include "form1.h"

namespace velkaro {

namespace {
// Positions inside a twip-scaled container come in twips; elsewhere in pixels.
bool InTwips(const Control& c) {
  return c.parent && c.parent->kind == ControlKind::PictureBox &&
         static_cast<const PictureBox*>(c.parent)->twipScale && c.kind == ControlKind::Image;
}
}  // namespace

void Form1::CaptureLost(Control& c) {
  if (c.onCaptureLost) c.onCaptureLost();
}

void Form1::MouseDown(Control& c, MouseEvent e) {
  if (InTwips(c)) {
    e.x *= units.TwipsPerPixelX();
    e.y *= units.TwipsPerPixelY();
  }
  if (c.onMouseDown) c.onMouseDown(e);
}

void Form1::MouseMove(Control& c, MouseEvent e) {
  if (InTwips(c)) {
    e.x *= units.TwipsPerPixelX();
    e.y *= units.TwipsPerPixelY();
  }
  if (c.onMouseMove) c.onMouseMove(e);
}

// A release reaches the handler in pixels, wherever the control lies.
void Form1::MouseUp(Control& c, MouseEvent e) {
  const ScreenRect r = units.ClientPixels(c);
  const int inner = 2 * BorderInsetPx(c);
  e.over = e.x >= 0 && e.y >= 0 && e.x < static_cast<float>(r.width - inner) && e.y < static_cast<float>(r.height - inner);
  if (c.onMouseUp) c.onMouseUp(e);
}

// Later controls lie over earlier ones and children over their parents. Shapes and lines
// take no mouse events; text boxes are windows of their own.
Control* Form1::ControlAt(int x, int y) const {
  const std::vector<Control*>& all = controls_.All();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    Control* c = *it;
    if (c->kind == ControlKind::Shape || c->kind == ControlKind::Line || c->kind == ControlKind::TextBox)
      continue;
    if (!c->Showing()) continue;
    const ScreenRect r = units.ClientPixels(*c);
    if (x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height) return c;
  }
  return nullptr;
}

void Form1::KeyPress(TextBox& box, int& keyAscii) {
  if (box.onKeyPress) box.onKeyPress(keyAscii);
}

void Form1::KeyUp(TextBox& box, int keyCode, int shift) {
  if (box.onKeyUp) box.onKeyUp(keyCode, shift);
}

void Form1::TextChanged(TextBox& box) {
  if (box.onTextChanged) box.onTextChanged();
}

void Form1::FocusLost(TextBox& box) {
  if (box.onFocusLost) box.onFocusLost();
}

void Form1::TextMouseUp(TextBox& box, const MouseEvent& e) {
  if (box.onMouseUp) box.onMouseUp(e);
}

}  // namespace velkaro
