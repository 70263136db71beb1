// The current colour and the refresh of every readout, swatch and strip. The colour lives
// only in the texts of Text_R, Text_G and Text_B; everything else is derived from them.
#include "form1.h"
#include "gradient.h"

namespace velkaro {

namespace {

void SetBack(PictureBox& box, ColorValue colour) {
  box.backColor = colour;
  box.surface.Fill(colour);  // a new background clears the picture
}

}  // namespace

// Pasted text can put anything into a box; it counts as its leading number, 0 when it
// has none, and at most 255, so the readouts always show a colour.
std::int32_t Form1::ChannelOf(const TextBox& box) {
  std::size_t i = 0;
  const std::string& t = box.text;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  std::int32_t value = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
    value = value * 10 + (t[i] - '0');
    if (value > 255) return 255;
  }
  return value;
}

ColorValue Form1::CurrentColour() const {
  return ComposeColor(ChannelOf(Text_R), ChannelOf(Text_G), ChannelOf(Text_B));
}

void Form1::SetChannels(const Rgb& c) {
  Text_R.text = DecimalText(c.r);
  Text_G.text = DecimalText(c.g);
  Text_B.text = DecimalText(c.b);
  文本颜色(c.r, c.g, c.b);
}

void Form1::zhuan(ColorValue colour) {
  if (colour < 0) return;
  SetChannels(SplitChannels(colour));
  SetBack(Picture1, colour);
  DrawLinearGradient(Picture5.surface, kWhite, colour);
  DrawLinearGradient(Picture8.surface, kBlack, colour);
  DrawLinearGradient(Picture10.surface, kBlack, colour);
  DrawLinearGradient(Picture14.surface, InvertColor(colour), colour);
  DrawLinearGradient(Picture15.surface, colour, kBlack);
  DrawRadialGradient(picZoom.surface, colour, InvertColor(colour));
  RefreshDisplay();
  RefreshValues();
}

void Form1::文本颜色(std::int32_t R, std::int32_t G, std::int32_t B) {
  const ColorValue current = CurrentColour(), inverse = InvertColor(current);
  Text_R.foreColor = InvertColor(ComposeColor(R, 0, 0));
  Text_G.foreColor = InvertColor(ComposeColor(0, G, 0));
  Text_B.foreColor = InvertColor(ComposeColor(0, 0, B));
  Text_R.backColor = ComposeColor(R, 0, 0);
  Text_G.backColor = ComposeColor(0, G, 0);
  Text_B.backColor = ComposeColor(0, 0, B);
  SetBack(Picture1, current);
  DrawLinearGradient(Picture5.surface, kWhite, current);
  DrawLinearGradient(Picture14.surface, inverse, current);
  DrawLinearGradient(Picture15.surface, current, kBlack);
  Text5.backColor = inverse;
  Text5.foreColor = current;
  Shape1.borderColor = Shape2.borderColor = inverse;
  Line2.borderColor = Line1.borderColor = inverse;
  Shape1.fillColor = Shape2.fillColor = inverse;
  // Thumbs: L = W / 255 x channel, in 32-bit floats, in the containers' twips.
  Image_R.place.left = Picture_R.place.width / 255.0f * static_cast<float>(R);
  Image_G.place.left = Picture_G.place.width / 255.0f * static_cast<float>(G);
  Image_B.place.left = Picture_B.place.width / 255.0f * static_cast<float>(B);
}

void Form1::RefreshDisplay() {
  if (windowState == WindowState::Minimised) return;
  const ColorValue current = CurrentColour(), inverse = InvertColor(current);
  DrawLinearGradient(Picture15.surface, current, kBlack);
  DrawLinearGradient(Picture14.surface, inverse, current);
  Text5.text = InverseText(current).str();
  Text5.backColor = inverse;
  Text5.foreColor = current;
  DrawLinearGradient(Picture5.surface, kWhite, current);
  SetBack(Picture1, current);
  Shape1.backColor = Shape2.backColor = inverse;
  Line2.borderColor = Line1.borderColor = inverse;
  const std::int32_t r = ChannelOf(Text_R), g = ChannelOf(Text_G), b = ChannelOf(Text_B);
  初始化三原色(r, g, b);
  WriteReadouts(r, g, b);
}

void Form1::RefreshValues() {
  const ColorValue current = CurrentColour(), inverse = InvertColor(current);
  if (windowState == WindowState::Minimised) return;
  RefreshDisplay();
  const std::int32_t r = ChannelOf(Text_R), g = ChannelOf(Text_G), b = ChannelOf(Text_B);
  const NotationRows rows = NotationTexts(current);
  for (int i = 0; i < kColorTextBoxes; ++i) Color_TextBox[i].text = rows[i].str();
  Color_TextBox[5].text = Text_R.text + "," + Text_G.text + "," + Text_B.text;  // as they stand
  WriteReadouts(r, g, b);
  for (TextBox& row : Color_TextBox) {
    row.backColor = current;
    row.foreColor = inverse;
  }
}

void Form1::WriteReadouts(std::int32_t r, std::int32_t g, std::int32_t b) {
  const auto R = static_cast<std::uint8_t>(r), G = static_cast<std::uint8_t>(g),
             B = static_cast<std::uint8_t>(b);
  const HsvColor hsv = RgbToHsvFast(R, G, B);
  const HslColor hsl = RgbToHslFast(R, G, B);
  const CmykColor cmyk = RgbToCmykFast(R, G, B);
  const LabColor lab = RgbToLabFast(R, G, B);
  Text_HSV_H.text = DecimalText(hsv.h);
  Text_HSV_S.text = DecimalText(hsv.s);
  Text_HSV_V.text = DecimalText(hsv.v);
  Text_HSL_H.text = DecimalText(hsl.h);
  Text_HSL_L.text = DecimalText(hsl.l);
  Text_HSL_S.text = DecimalText(hsl.s);
  Text_Cmyk_C.text = DecimalText(cmyk.c);
  Text_Cmyk_M.text = DecimalText(cmyk.m);
  Text_Cmyk_Y.text = DecimalText(cmyk.y);
  Text_Cmyk_K.text = DecimalText(cmyk.k);
  Text_Lab_L.text = DecimalText(lab.l);
  Text_Lab_A.text = DecimalText(lab.a);
  Text_Lab_B.text = DecimalText(lab.b);
}

}  // namespace velkaro
