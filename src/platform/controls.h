// The window's controls as plain data, named and placed as the program defines them.
// Places are in twips relative to the parent's inner area; the view turns them into
// pixels with the screen's density.
#pragma once

#include <string>
#include <vector>

#include "colour.h"
#include "surface.h"

namespace velkaro {

struct TwipRect {
  float left = 0, top = 0, width = 0, height = 0;
};

enum class ControlKind { Frame, Label, TextBox, PictureBox, Image, Shape, Line, ScrollBar, CheckBox };

inline constexpr float kDefaultFontPt = 9.0f;
inline constexpr ColorValue kBodyGrey = 0xE8E8E8;  // (232, 232, 232)
inline constexpr ColorValue kPlainText = 0x000000;

struct Control {
  Control(std::string n, ControlKind k, Control* p, TwipRect r)
      : name(std::move(n)), kind(k), parent(p), place(r) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  std::string name;
  ControlKind kind;
  Control* parent;  // nullptr: the window itself
  TwipRect place;
  bool visible = true;
};

struct Frame : Control {
  Frame(std::string n, Control* p, TwipRect r, std::string c, float pt = kDefaultFontPt)
      : Control(std::move(n), ControlKind::Frame, p, r), caption(std::move(c)), fontPt(pt) {}
  std::string caption;
  float fontPt;
};

struct Label : Control {
  Label(std::string n, Control* p, TwipRect r, std::string c, float pt = kDefaultFontPt)
      : Control(std::move(n), ControlKind::Label, p, r), caption(std::move(c)), fontPt(pt) {}
  std::string caption;
  float fontPt;
};

struct TextBox : Control {
  TextBox(std::string n, Control* p, TwipRect r, std::string t, bool ro = false)
      : Control(std::move(n), ControlKind::TextBox, p, r), text(std::move(t)), readOnly(ro) {}
  std::string text;  // UTF-8
  ColorValue backColor = 0xFFFFFF;
  ColorValue foreColor = kPlainText;
  bool readOnly;
  float fontPt = kDefaultFontPt;
  int selStart = 0, selLength = 0;
  int selections = 0;  // counts selections made by the program, for the view to apply
};

enum class BorderStyle { None, Fixed3D };

struct PictureBox : Control {
  PictureBox(std::string n, Control* p, TwipRect r, ColorValue back = kBodyGrey,
             BorderStyle b = BorderStyle::None)
      : Control(std::move(n), ControlKind::PictureBox, p, r), backColor(back), border(b) {}
  ColorValue backColor;
  BorderStyle border;
  Surface surface;  // the inner area, in pixels
  bool twipScale = false;  // mouse positions inside it come in twips, not pixels
};

// The pictures the program's image controls can show.
enum class PictureId { None, Target, PointerLight, PointerDark, SliderThumb };

struct Image : Control {
  Image(std::string n, Control* p, TwipRect r, PictureId pic = PictureId::None)
      : Control(std::move(n), ControlKind::Image, p, r), picture(pic) {}
  PictureId picture;
  PictureId pointer = PictureId::None;  // the custom mouse pointer; None is the system's
};

struct Shape : Control {
  Shape(std::string n, Control* p, TwipRect r) : Control(std::move(n), ControlKind::Shape, p, r) {}
  ColorValue borderColor = 0x0000FF;  // red at design time
  ColorValue fillColor = 0x0000FF;
  ColorValue backColor = 0x0000FF;
};

struct Line : Control {
  Line(std::string n, Control* p, float px1, float py1, float px2, float py2)
      : Control(std::move(n), ControlKind::Line, p, {}), x1(px1), y1(py1), x2(px2), y2(py2) {}
  float x1, y1, x2, y2;  // in the parent's scale (pixels for picture boxes)
  ColorValue borderColor = kBlack;
};

struct ScrollBar : Control {
  ScrollBar(std::string n, Control* p, TwipRect r, int lo, int hi, int v)
      : Control(std::move(n), ControlKind::ScrollBar, p, r), min(lo), max(hi), value(v) {}
  int min, max, value;
};

struct CheckBox : Control {
  CheckBox(std::string n, Control* p, TwipRect r, std::string c, int v)
      : Control(std::move(n), ControlKind::CheckBox, p, r), caption(std::move(c)), value(v) {}
  std::string caption;
  int value;  // 0 or 1
};

}  // namespace velkaro
