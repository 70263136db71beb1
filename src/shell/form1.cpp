#include "form1.h"

namespace velkaro {

namespace {
constexpr float kTwipsPerInch = 1440;
constexpr int kFixed3DBorderPx = 2;

// The notation rows hold up to nine characters in boxes about sixty pixels wide.
constexpr float kNotationFontPt = 7.5f;

float TwipsPerPixel(int dpi) { return dpi > 0 ? kTwipsPerInch / static_cast<float>(dpi) : 15.0f; }
}  // namespace

Form1::Form1(Platform& platform)
    : platform_(platform),
      twipsPerPixelX_(TwipsPerPixel(platform.DpiX())),
      twipsPerPixelY_(TwipsPerPixel(platform.DpiY())) {
  for (Control* c : std::initializer_list<Control*>{
           &Frame2, &Picture1, &Picture2, &Frame4, &Label_R, &Label_G, &Label_B, &Picture3,
           &Picture_R, &Image_R, &Picture4, &Picture_G, &Image_G, &Picture7, &Picture_B, &Image_B, &Text_R, &Text_G,
           &Text_B, &Frame7, &Label_HSV_H, &Label_HSV_S, &Label_HSV_V, &Text_HSV_H, &Text_HSV_S,
           &Text_HSV_V, &Unit_HSV_H, &Unit_HSV_S, &Unit_HSV_V, &Frame8, &Label_HSL_H, &Label_HSL_L,
           &Label_HSL_S, &Text_HSL_H, &Text_HSL_L, &Text_HSL_S, &Unit_HSL_H, &Unit_HSL_L,
           &Unit_HSL_S, &Frame9, &Label_Cmyk_C, &Label_Cmyk_M, &Label_Cmyk_Y, &Label_Cmyk_K,
           &Text_Cmyk_C, &Text_Cmyk_M, &Text_Cmyk_Y, &Text_Cmyk_K, &Unit_Cmyk_C, &Unit_Cmyk_M,
           &Unit_Cmyk_Y, &Unit_Cmyk_K, &Frame10, &Label_Lab_L, &Label_Lab_A, &Label_Lab_B,
           &Text_Lab_L, &Text_Lab_A, &Text_Lab_B, &Frame5, &picZoom, &Image8, &Line2, &Line1,
           &Picture_色板, &Shape2, &Picture14, &Picture15, &Text5, &Frame11, &Label32, &Picture11,
           &Picture12, &Text3, &Label30, &Picture9, &Picture10, &Text2, &Label31, &Picture6,
           &Picture8, &Text1, &Frame6})
    controls_.push_back(c);
  for (int i = 0; i < kColorTextBoxes; ++i) {
    controls_.push_back(&Label23[i]);
    controls_.push_back(&Color_TextBox[i]);
  }
  for (Control* c : std::initializer_list<Control*>{&Picture5, &Frame1, &Frame3, &调色板1, &Shape1,
                                                    &PicTemp, &hsbZoom, &txtZoom, &chkOnTop,
                                                    &chkGrid, &Text4, &Text7})
    controls_.push_back(c);
  for (TextBox& row : Color_TextBox) row.fontPt = kNotationFontPt;
  for (PictureBox* container : {&Picture3, &Picture4, &Picture7}) container->twipScale = true;
  SizeSurfaces();
  // The largest block the magnifier takes, at the lowest zoom: (W + 10) / z + 1 by H / z + 1.
  const double minZoom = hsbZoom.min / 100.0;
  magnifierBlock.Resize(static_cast<int>((picZoom.surface.Width() + 10) / minZoom) + 2,
                        static_cast<int>(picZoom.surface.Height() / minZoom) + 2, PicTemp.backColor);
  DrawSwatchPalette(调色板1.surface);
}

int Form1::NotationIndex(const TextBox& box) const {
  for (int i = 0; i < kColorTextBoxes; ++i)
    if (&box == &Color_TextBox[i]) return i;
  return -1;
}

int Form1::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->name == name) return static_cast<int>(i);
  return -1;
}

int Form1::PixelsX(float twips) const {
  return static_cast<int>(RoundTiesToEven(twips / twipsPerPixelX_));
}
int Form1::PixelsY(float twips) const {
  return static_cast<int>(RoundTiesToEven(twips / twipsPerPixelY_));
}

ScreenRect Form1::ClientPixels(const Control& c) const {
  ScreenRect r{PixelsX(c.place.left), PixelsY(c.place.top), PixelsX(c.place.width),
               PixelsY(c.place.height)};
  for (const Control* p = c.parent; p != nullptr; p = p->parent) {
    r.left += PixelsX(p->place.left);
    r.top += PixelsY(p->place.top);
    if (p->kind == ControlKind::PictureBox &&
        static_cast<const PictureBox*>(p)->border == BorderStyle::Fixed3D) {
      r.left += kFixed3DBorderPx;
      r.top += kFixed3DBorderPx;
    }
  }
  return r;
}

// Each picture box draws on its inner area: the outer size less a 3-D border.
void Form1::SizeSurfaces() {
  for (Control* c : controls_) {
    if (c->kind != ControlKind::PictureBox) continue;
    auto* box = static_cast<PictureBox*>(c);
    const int border = box->border == BorderStyle::Fixed3D ? 2 * kFixed3DBorderPx : 0;
    box->surface.Resize(PixelsX(box->place.width) - border, PixelsY(box->place.height) - border,
                        box->backColor);
  }
}

}  // namespace velkaro
