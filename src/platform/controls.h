// The window's controls as plain data, named and placed as the program defines them.
// Places are in twips relative to the parent's inner area; the view turns them into
// pixels with the screen's density.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"
#include "surface.h"
#include "units.h"

namespace velkaro {

struct Control;

// The controls of a window in the order they were declared: later ones lie over earlier
// ones. A control joins its window's list as it is constructed, so none can exist without
// being painted, hit-tested and, for a text box, given its edit.
class ControlList {
 public:
  ControlList() = default;
  ControlList(const ControlList&) = delete;
  ControlList& operator=(const ControlList&) = delete;
  void Add(Control* c) { controls_.push_back(c); }
  const std::vector<Control*>& All() const { return controls_; }
  int IndexOf(std::string_view name) const;  // -1 when there is none

 private:
  std::vector<Control*> controls_;
};

enum class ControlKind { Frame, Label, TextBox, PictureBox, Image, Shape, Line, ScrollBar, CheckBox };

inline constexpr float kDefaultFontPt = 9.0f;
inline constexpr ColorValue kBodyGrey = 0xE8E8E8;  // (232, 232, 232)
inline constexpr ColorValue kPlainText = 0x000000;

// A mouse event as a control's handler gets it.
struct MouseEvent {
  int buttons = 0;  // 1 left, 2 right, 4 middle: the button pressed or released, or those held
  int shift = 0;    // 1 Shift, 2 Ctrl, 4 Alt
  float x = 0, y = 0;  // from the control's inner corner, in its own unit (twips inside a
                       // twip-scaled container, pixels elsewhere)
  bool over = true;    // a release: the pointer is over the control
};
using MouseHandler = std::function<void(const MouseEvent&)>;

struct Control {
  Control(ControlList& window, std::string n, ControlKind k, Control* p, TwipRect r)
      : name(std::move(n)), kind(k), parent(p), place(r) {
    window.Add(this);
  }
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  std::string name;
  ControlKind kind;
  Control* parent;  // nullptr: the window itself
  TwipRect place;
  bool visible = true;
  // Bound by the area that owns the control; the window calls the slot of the control
  // under the pointer, or of the one holding the mouse. An empty slot: nothing happens.
  MouseHandler onMouseDown, onMouseMove, onMouseUp;
  std::function<void()> onCaptureLost;  // the system took the mouse from it mid-hold
  // Shown only when it and every parent are.
  bool Showing() const {
    for (const Control* c = this; c; c = c->parent)
      if (!c->visible) return false;
    return true;
  }
};

struct Frame : Control {
  Frame(ControlList& w, std::string n, Control* p, TwipRect r, std::string c, float pt = kDefaultFontPt)
      : Control(w, std::move(n), ControlKind::Frame, p, r), caption(std::move(c)), fontPt(pt) {}
  std::string caption;
  float fontPt;
};

struct Label : Control {
  Label(ControlList& w, std::string n, Control* p, TwipRect r, std::string c, float pt = kDefaultFontPt)
      : Control(w, std::move(n), ControlKind::Label, p, r), caption(std::move(c)), fontPt(pt) {}
  std::string caption;
  float fontPt;
  // The control the label names, right after it on the same line: the view keeps the two
  // apart when the text at the screen's density is wider than the label's box.
  const Control* names = nullptr;
};

struct TextBox : Control {
  TextBox(ControlList& w, std::string n, Control* p, TwipRect r, std::string t, bool ro = false)
      : Control(w, std::move(n), ControlKind::TextBox, p, r), text(std::move(t)), readOnly(ro) {}
  std::string text;  // UTF-8
  ColorValue backColor = 0xFFFFFF;
  ColorValue foreColor = kPlainText;
  bool readOnly;
  float fontPt = kDefaultFontPt;
  int selStart = 0, selLength = 0;
  int selections = 0;  // counts selections made by the program, for the view to apply
  std::function<void(int& keyAscii)> onKeyPress;  // may change the character, or drop it (0)
  std::function<void(int keyCode, int shift)> onKeyUp;
  std::function<void()> onTextChanged;  // a change no key made: a paste
  std::function<void()> onFocusLost;    // the keyboard went elsewhere
};

enum class BorderStyle { None, Fixed3D };

struct PictureBox : Control {
  PictureBox(ControlList& w, std::string n, Control* p, TwipRect r, ColorValue back = kBodyGrey,
             BorderStyle b = BorderStyle::None)
      : Control(w, std::move(n), ControlKind::PictureBox, p, r), backColor(back), border(b) {}
  ColorValue backColor;
  BorderStyle border;
  Surface surface;  // the inner area, in pixels
  bool twipScale = false;  // mouse positions inside it come in twips, not pixels
};

// The pictures the program's image controls can show.
// The image buttons' pictures are numbered as the program numbers them: 1 resting,
// 2 hover, 3 pressed.
enum class PictureId {
  None, Target, PointerLight, PointerDark, SliderThumb,
  AboutRest, AboutHover, AboutPressed, DialogRest, DialogHover, DialogPressed,
  MinimiseRest, MinimiseHover, MinimisePressed, CloseRest, CloseHover, ClosePressed
};

struct Image : Control {
  Image(ControlList& w, std::string n, Control* p, TwipRect r, PictureId pic = PictureId::None)
      : Control(w, std::move(n), ControlKind::Image, p, r), picture(pic) {}
  PictureId picture;
  PictureId pointer = PictureId::None;  // the custom mouse pointer; None is the system's
  std::string toolTip;
};

struct Shape : Control {
  Shape(ControlList& w, std::string n, Control* p, TwipRect r) : Control(w, std::move(n), ControlKind::Shape, p, r) {}
  ColorValue borderColor = 0x0000FF;  // red at design time
  ColorValue fillColor = 0x0000FF;
  ColorValue backColor = 0x0000FF;
};

struct Line : Control {
  Line(ControlList& w, std::string n, Control* p, float px1, float py1, float px2, float py2)
      : Control(w, std::move(n), ControlKind::Line, p, {}), x1(px1), y1(py1), x2(px2), y2(py2) {}
  float x1, y1, x2, y2;  // in the parent's scale (pixels for picture boxes)
  ColorValue borderColor = kBlack;
};

struct ScrollBar : Control {
  ScrollBar(ControlList& w, std::string n, Control* p, TwipRect r, int lo, int hi, int v)
      : Control(w, std::move(n), ControlKind::ScrollBar, p, r), min(lo), max(hi), value(v) {}
  int min, max, value;
};

struct CheckBox : Control {
  CheckBox(ControlList& w, std::string n, Control* p, TwipRect r, std::string c, int v)
      : Control(w, std::move(n), ControlKind::CheckBox, p, r), caption(std::move(c)), value(v) {}
  std::string caption;
  int value;  // 0 or 1
};

// The pixels a picture box's sunken border takes on each side; 0 for any other control.
inline int BorderInsetPx(const Control& c) {
  return c.kind == ControlKind::PictureBox && static_cast<const PictureBox&>(c).border == BorderStyle::Fixed3D
             ? kFixed3DBorderPx
             : 0;
}

}  // namespace velkaro
