#include "workspace.h"

#include <algorithm>

#include "gradient.h"
#include "number_text.h"

namespace velkaro {

namespace {

void SetBack(PictureBox& box, ColorValue colour) {
  box.backColor = colour;
  box.surface.Fill(colour);  // a new background clears the picture
}

}  // namespace

// Pasted text can put anything into a box; it counts as its leading number, 0 when it
// has none, and at most 255, so the readouts always show a colour.
std::int32_t Workspace::ChannelOf(const TextBox& box) { return LeadingChannel(box.text); }

ColorValue Workspace::CurrentColour() const {
  return ComposeColor(ChannelOf(Text_R), ChannelOf(Text_G), ChannelOf(Text_B));
}

void Workspace::SetChannels(const Rgb& c) {
  Text_R.text = DecimalText(c.r);
  Text_G.text = DecimalText(c.g);
  Text_B.text = DecimalText(c.b);
  文本颜色(c.r, c.g, c.b);
}

void Workspace::zhuan(ColorValue colour) {
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

void Workspace::文本颜色(std::int32_t R, std::int32_t G, std::int32_t B) {
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
  if (follower_) follower_->ChannelsWritten(R, G, B);
}

void Workspace::RefreshDisplay() {
  if (windowState_ == WindowState::Minimised) {
    stale_ = true;
    return;
  }
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
  if (follower_) follower_->ColourShown(r, g, b);
  WriteReadouts(r, g, b);
}

void Workspace::RefreshValues() {
  const ColorValue current = CurrentColour(), inverse = InvertColor(current);
  if (windowState_ == WindowState::Minimised) {
    stale_ = true;
    return;
  }
  stale_ = false;
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

void Workspace::WriteReadouts(std::int32_t r, std::int32_t g, std::int32_t b) {
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

int Workspace::NotationIndex(const TextBox& box) const {
  for (int i = 0; i < kColorTextBoxes; ++i)
    if (&box == &Color_TextBox[i]) return i;
  return -1;
}

// Any button's release copies the row: the right one before the context menu opens.
void Workspace::Color_TextBox_MouseUp(int Index, int, int, float, float) { 全选(Color_TextBox[Index]); }

namespace {
// Characters as the box counts them: UTF-8 lead bytes.
int CharacterCount(const std::string& t) {
  return static_cast<int>(std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
}  // namespace

void Workspace::全选(TextBox& box) {
  box.selStart = 0;
  box.selLength = CharacterCount(box.text);
  ++box.selections;
  clipboard_.SetClipboardText(box.text);
}

}  // namespace velkaro
