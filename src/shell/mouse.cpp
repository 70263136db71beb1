// Events of the window's controls: which control gets them and which area's handler runs.
#include "form1.h"

namespace velkaro {

void Form1::Form_MouseMove(int, int, float, float) { frame.DragSurfaceMove(); }

void Form1::CaptureLost(Control& c) {
  if (&c == &Picture2) return eyedropper.Picture2_MouseUp(0, 0, 0, 0);
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSliders::ChannelSlider s = sliders.SliderOf(ch);
    if (&c == &s.thumb || &c == &s.track) return sliders.Slider_MouseUp(ch);
    const FineTuning::Slider f = fineTuning.SliderOf(ch);
    if (&c == &f.thumb || &c == &f.track) return fineTuning.HoldLost();
  }
  if (palette.IsPalettePicture(c)) palette.Palette_MouseUp(static_cast<PictureBox&>(c), 0, 0, 0, 0);
}

// The frames around the readouts and the pictures that carry no handler of their own move
// the window; labels and the notation and fine-tuning frames do not.
bool Form1::IsDragSurface(const Control& c) const {
  for (const Control* surface : std::initializer_list<const Control*>{
           &Frame2, &Frame4, &Frame5, &Frame7, &Frame8, &Frame9, &Frame10, &Picture5, &Picture14, &Picture15,
           &picZoom, &Image8})
    if (&c == surface) return true;
  return false;
}

namespace {
// Positions inside a twip-scaled container come in twips; elsewhere in pixels.
bool InTwips(const Control& c) {
  return c.parent && c.parent->kind == ControlKind::PictureBox &&
         static_cast<const PictureBox*>(c.parent)->twipScale && c.kind == ControlKind::Image;
}
}  // namespace

void Form1::MouseDown(Control& c, int Button, int Shift, float X, float Y) {
  if (InTwips(c)) {
    X *= units.TwipsPerPixelX();
    Y *= units.TwipsPerPixelY();
  }
  if (&c == &Picture2) return eyedropper.Picture2_MouseDown(Button, Shift, X, Y);
  if (frame.IsImageButton(c)) return frame.ImageButton_MouseDown(static_cast<Image&>(c), Button);
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSliders::ChannelSlider s = sliders.SliderOf(ch);
    if (&c == &s.thumb) return sliders.Thumb_MouseDown(ch, Button, Shift, X, Y);
    if (&c == &s.track) return sliders.Track_MouseDown(ch, Button, Shift, X, Y);
    const FineTuning::Slider f = fineTuning.SliderOf(ch);
    if (&c == &f.thumb) return fineTuning.Thumb_MouseDown(ch, Button, Shift, X, Y);
    if (&c == &f.track) return fineTuning.Track_MouseDown(ch, Button, Shift, X, Y);
  }
  if (palette.IsPalettePicture(c)) palette.Palette_MouseDown(static_cast<PictureBox&>(c), Button, Shift, X, Y);
}

void Form1::MouseMove(Control& c, int Button, int Shift, float X, float Y) {
  if (InTwips(c)) {
    X *= units.TwipsPerPixelX();
    Y *= units.TwipsPerPixelY();
  }
  if (&c == &Picture2) return eyedropper.Picture2_MouseMove(Button, Shift, X, Y);
  if (frame.IsImageButton(c)) return frame.ImageButton_MouseMove(static_cast<Image&>(c), Button);
  if (IsDragSurface(c)) return frame.DragSurfaceMove();
  if (&c == &Picture1) return frame.PicEn();
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSliders::ChannelSlider s = sliders.SliderOf(ch);
    if (&c == &s.thumb) return sliders.Thumb_MouseMove(ch, Button, Shift, X, Y);
    if (&c == &s.track) return sliders.Track_MouseMove(ch, Button, Shift, X, Y);
    const FineTuning::Slider f = fineTuning.SliderOf(ch);
    if (&c == &f.thumb) return fineTuning.Thumb_MouseMove(ch, Button, Shift, X, Y);
    if (&c == &f.track) return fineTuning.Track_MouseMove(ch, Button, Shift, X, Y);
  }
  if (palette.IsPalettePicture(c)) palette.Palette_MouseMove(static_cast<PictureBox&>(c), Button, Shift, X, Y);
}

void Form1::MouseUp(Control& c, int Button, int Shift, float X, float Y) {
  if (&c == &Picture2) return eyedropper.Picture2_MouseUp(Button, Shift, X, Y);
  if (frame.IsImageButton(c)) {
    auto& button = static_cast<Image&>(c);
    frame.ImageButton_MouseUp(button, Button);
    // A left press and release over the same button is also a click.
    const ScreenRect r = units.ClientPixels(c);
    if (Button == 1 && X >= 0 && Y >= 0 && X < static_cast<float>(r.width) && Y < static_cast<float>(r.height))
      frame.ImageButton_Click(button);
    return;
  }
  for (int ch = 0; ch < 3; ++ch) {
    const ChannelSliders::ChannelSlider s = sliders.SliderOf(ch);
    if (&c == &s.thumb || &c == &s.track) return sliders.Slider_MouseUp(ch);
    const FineTuning::Slider f = fineTuning.SliderOf(ch);
    if (&c == &f.thumb) return fineTuning.Thumb_MouseUp(ch, Button, Shift, X, Y);
    if (&c == &f.track) return fineTuning.Track_MouseUp(ch, Button, Shift, X, Y);
  }
  if (palette.IsPalettePicture(c)) palette.Palette_MouseUp(static_cast<PictureBox&>(c), Button, Shift, X, Y);
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

void Form1::KeyPress(TextBox& box, int& KeyAscii) {
  if (channelBoxes.IsChannelBox(box)) channelBoxes.Channel_KeyPress(box, KeyAscii);
}

void Form1::KeyUp(TextBox& box, int KeyCode, int Shift) {
  constexpr int kEnterKey = 13;
  if (!channelBoxes.IsChannelBox(box)) return;
  channelBoxes.Channel_KeyUp(box, KeyCode, Shift);
  if (KeyCode == kEnterKey) history.Add(workspace.CurrentColour());  // a typed value, confirmed
}

void Form1::TextChanged(TextBox& box) {
  if (channelBoxes.IsChannelBox(box)) channelBoxes.Channel_Change(box);
}

void Form1::TextMouseUp(TextBox& box, int Button, int Shift, float X, float Y) {
  const int row = workspace.NotationIndex(box);
  if (row >= 0) workspace.Color_TextBox_MouseUp(row, Button, Shift, X, Y);
}

}  // namespace velkaro
