#include "workspace.h"

#include <algorithm>

#include "gradient.h"
#include "notation_reading.h"
#include "number_text.h"

namespace velkaro {

namespace {

void SetBack(PictureBox& box, ColorValue colour) {
  box.backColor = colour;
  box.surface.Fill(colour);  // a new background clears the picture
}

}  // namespace

ReadoutPanel::ReadoutPanel(ControlList& w)
    : hsvFrame{w, "Frame7", nullptr, Px(287, 40, 73, 110), "HSV："},
      hsvLabels{{{w, "Label_HSV_H", &hsvFrame, Px(6, 24, 16, 18), "H:"},
                 {w, "Label_HSV_S", &hsvFrame, Px(6, 52, 16, 18), "S:"},
                 {w, "Label_HSV_V", &hsvFrame, Px(6, 80, 16, 18), "V:"}}},
      hsvHue{w, "Text_HSV_H", &hsvFrame, Px(22, 22, 32, 18), "", true},
      hsvSaturation{w, "Text_HSV_S", &hsvFrame, Px(22, 50, 32, 18), "", true},
      hsvValue{w, "Text_HSV_V", &hsvFrame, Px(22, 78, 32, 18), "", true},
      hsvUnits{{{w, "Unit_HSV_H", &hsvFrame, Px(56, 24, 14, 18), "°"},
                {w, "Unit_HSV_S", &hsvFrame, Px(56, 52, 14, 18), "%"},
                {w, "Unit_HSV_V", &hsvFrame, Px(56, 80, 14, 18), "%"}}},
      hlsFrame{w, "Frame8", nullptr, Px(365, 40, 79, 110), "HLS："},
      hlsLabels{{{w, "Label_HSL_H", &hlsFrame, Px(6, 24, 16, 18), "H:"},
                 {w, "Label_HSL_L", &hlsFrame, Px(6, 52, 16, 18), "L:"},
                 {w, "Label_HSL_S", &hlsFrame, Px(6, 80, 16, 18), "S:"}}},
      hlsHue{w, "Text_HSL_H", &hlsFrame, Px(22, 22, 36, 18), "", true},
      hlsLightness{w, "Text_HSL_L", &hlsFrame, Px(22, 50, 36, 18), "", true},
      hlsSaturation{w, "Text_HSL_S", &hlsFrame, Px(22, 78, 36, 18), "", true},
      hlsUnits{{{w, "Unit_HSL_H", &hlsFrame, Px(61, 24, 14, 18), "°"},
                {w, "Unit_HSL_L", &hlsFrame, Px(61, 52, 14, 18), "%"},
                {w, "Unit_HSL_S", &hlsFrame, Px(61, 80, 14, 18), "%"}}},
      cmykFrame{w, "Frame9", nullptr, Px(447, 40, 87, 110), "CMYK："},
      cmykLabels{{{w, "Label_Cmyk_C", &cmykFrame, Px(8, 19, 18, 18), "C:"},
                  {w, "Label_Cmyk_M", &cmykFrame, Px(8, 41, 18, 18), "M:"},
                  {w, "Label_Cmyk_Y", &cmykFrame, Px(8, 63, 18, 18), "Y:"},
                  {w, "Label_Cmyk_K", &cmykFrame, Px(8, 85, 18, 18), "K:"}}},
      cyan{w, "Text_Cmyk_C", &cmykFrame, Px(28, 17, 36, 18), "", true},
      magenta{w, "Text_Cmyk_M", &cmykFrame, Px(28, 39, 36, 18), "", true},
      yellow{w, "Text_Cmyk_Y", &cmykFrame, Px(28, 61, 36, 18), "", true},
      key{w, "Text_Cmyk_K", &cmykFrame, Px(28, 83, 36, 18), "", true},
      cmykUnits{{{w, "Unit_Cmyk_C", &cmykFrame, Px(67, 19, 14, 18), "%"},
                 {w, "Unit_Cmyk_M", &cmykFrame, Px(67, 41, 14, 18), "%"},
                 {w, "Unit_Cmyk_Y", &cmykFrame, Px(67, 63, 14, 18), "%"},
                 {w, "Unit_Cmyk_K", &cmykFrame, Px(67, 85, 14, 18), "%"}}},
      labFrame{w, "Frame10", nullptr, Px(538, 40, 111, 110), "LAB："},
      labLabels{{{w, "Label_Lab_L", &labFrame, Px(10, 24, 18, 18), "L:"},
                 {w, "Label_Lab_A", &labFrame, Px(10, 52, 18, 18), "A:"},
                 {w, "Label_Lab_B", &labFrame, Px(10, 80, 18, 18), "B:"}}},
      labLightness{w, "Text_Lab_L", &labFrame, Px(32, 22, 48, 18), "", true},
      labA{w, "Text_Lab_A", &labFrame, Px(32, 50, 48, 18), "", true},
      labB{w, "Text_Lab_B", &labFrame, Px(32, 78, 48, 18), "", true} {}

StripPanel::StripPanel(ControlList& w)
    : inverseStrip{w, "Picture14", nullptr, Px(360, 231, 126, 33)},
      shadeStrip{w, "Picture15", nullptr, Px(528, 231, 120, 55)},
      inverseBox{w, "Text5", nullptr, Px(361, 266, 125, 18), "", true},
      tintStrip{w, "Picture5", nullptr, Px(591, 461, 57, 28)} {}

namespace {
// The rows hold up to nine characters in boxes about sixty pixels wide.
constexpr float kNotationFontPt = 7.5f;
}  // namespace

NotationPanel::NotationPanel(ControlList& w)
    : frame{w, "Frame6", nullptr, Px(288, 390, 361, 68), "色值:"},
      labels{{
          {w, "Label23(0)", &frame, Px(5, 20, 20, 18), "VB:"},
          {w, "Label23(1)", &frame, Px(5, 44, 56, 18), "Html、PS:"},
          {w, "Label23(2)", &frame, Px(96, 20, 38, 18), "Delphi:"},
          {w, "Label23(3)", &frame, Px(193, 20, 36, 18), "BASIC:"},
          {w, "Label23(4)", &frame, Px(127, 44, 28, 18), "其他:"},
          {w, "Label23(5)", &frame, Px(225, 44, 38, 18), "R,G,B:"},
          {w, "Label23(6)", &frame, Px(288, 20, 24, 18), "Hex:"},
      }},
      rows{{
          {w, "Color_TextBox(0)", &frame, Px(25, 18, 68, 18), ""},
          {w, "Color_TextBox(1)", &frame, Px(61, 42, 62, 18), ""},
          {w, "Color_TextBox(2)", &frame, Px(134, 18, 56, 18), ""},
          {w, "Color_TextBox(3)", &frame, Px(229, 18, 56, 18), ""},
          {w, "Color_TextBox(4)", &frame, Px(155, 42, 66, 18), ""},
          {w, "Color_TextBox(5)", &frame, Px(263, 42, 93, 18), ""},
          {w, "Color_TextBox(6)", &frame, Px(312, 18, 44, 18), ""},
      }} {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].fontPt = kNotationFontPt;
    labels[i].names = &rows[i];
  }
}

Workspace::Workspace(ReadoutPanel& readouts, StripPanel& strips, NotationPanel& notations,
                     const ColourShownElsewhere& shown, const WindowState& windowState, Clipboard& clipboard)
    : readouts_(readouts), strips_(strips), notations_(notations), shown_(shown), windowState_(windowState),
      clipboard_(clipboard) {
  // Any button's release copies the row: the right one before the context menu opens.
  for (int i = 0; i < kNotationRows; ++i) {
    TextBox& row = notations_.rows[static_cast<std::size_t>(i)];
    row.onMouseUp = [this, i](const MouseEvent&) { NotationRowUp(i); };
    row.onKeyPress = [this, i](int& key) {
      constexpr int kEnter = 13;
      if (key != kEnter) return;
      key = 0;  // a one-line box has no use for it
      NotationRowConfirmed(i);
    };
    row.onFocusLost = [this, i] { NotationRowConfirmed(i); };
  }
}

// Pasted text can put anything into a box; it counts as its leading number, 0 when it
// has none, and at most 255, so the readouts always show a colour.
std::int32_t Workspace::ChannelOf(const TextBox& box) { return LeadingChannel(box.text); }

ColorValue Workspace::CurrentColour() const {
  return ComposeColor(ChannelOf(Channel(0)), ChannelOf(Channel(1)), ChannelOf(Channel(2)));
}

void Workspace::WriteChannels(const Rgb& c) {
  Channel(0).text = DecimalText(c.r);
  Channel(1).text = DecimalText(c.g);
  Channel(2).text = DecimalText(c.b);
}

void Workspace::SetChannels(const Rgb& c) {
  WriteChannels(c);
  TintChannelBoxes(c.r, c.g, c.b);
}

void Workspace::ShowChannels(const Rgb& c) {
  WriteChannels(c);
  TintAndRefresh(c.r, c.g, c.b);
}

void Workspace::ShowColour(ColorValue colour) {
  if (colour < 0) return;
  ShowChannels(SplitChannels(colour));
  // Only a colour set this way redraws the fine-tuning ramps and the magnifier's resting
  // picture; a pick or a slider leaves them as they were.
  DrawLinearGradient(shown_.lightnessTrack.surface, kBlack, colour);
  DrawLinearGradient(shown_.saturationTrack.surface, kBlack, colour);
  DrawRadialGradient(shown_.magnifierView.surface, colour, InvertColor(colour));
}

// The boxes are tinted with the channels given, which may differ from what they read
// while a typed value is normalised.
void Workspace::PaintChannelBoxes(std::int32_t r, std::int32_t g, std::int32_t b) {
  Channel(0).foreColor = InvertColor(ComposeColor(r, 0, 0));
  Channel(1).foreColor = InvertColor(ComposeColor(0, g, 0));
  Channel(2).foreColor = InvertColor(ComposeColor(0, 0, b));
  Channel(0).backColor = ComposeColor(r, 0, 0);
  Channel(1).backColor = ComposeColor(0, g, 0);
  Channel(2).backColor = ComposeColor(0, 0, b);
}

// What both the tint and the refresh draw from the colour.
void Workspace::PaintSwatches(ColorValue current, ColorValue inverse) {
  SetBack(shown_.eyedropperSwatch, current);
  DrawLinearGradient(strips_.tintStrip.surface, kWhite, current);
  DrawLinearGradient(strips_.inverseStrip.surface, inverse, current);
  DrawLinearGradient(strips_.shadeStrip.surface, current, kBlack);
  strips_.inverseBox.backColor = inverse;
  strips_.inverseBox.foreColor = ReadableOn(inverse);  // the colour itself, where it can be read
  shown_.crossHairV.borderColor = shown_.crossHairH.borderColor = inverse;
}

// The markers' outline and fill follow the tint only (a slider's refresh leaves them), their
// background the refresh only.
void Workspace::PaintMarkerOutlines(ColorValue inverse) {
  shown_.swatchMarker.borderColor = shown_.hueStripMarker.borderColor = inverse;
  shown_.swatchMarker.fillColor = shown_.hueStripMarker.fillColor = inverse;
}

void Workspace::TintChannelBoxes(std::int32_t r, std::int32_t g, std::int32_t b) {
  const ColorValue current = CurrentColour(), inverse = InvertColor(current);
  PaintChannelBoxes(r, g, b);
  PaintSwatches(current, inverse);
  PaintMarkerOutlines(inverse);
  if (follower_) follower_->ChannelsWritten(r, g, b);
}

void Workspace::RefreshDisplay() {
  if (windowState_ == WindowState::Minimised) {
    stale_ = true;
    return;
  }
  const ColorValue current = CurrentColour();
  PaintSwatches(current, InvertColor(current));
  ShowDisplayOnly(current);
}

void Workspace::ShowDisplayOnly(ColorValue current) {
  const ColorValue inverse = InvertColor(current);
  strips_.inverseBox.text = InverseText(current).str();
  shown_.swatchMarker.backColor = shown_.hueStripMarker.backColor = inverse;
  const auto [r, g, b] = SplitChannels(current);
  if (follower_) follower_->ColourShown(r, g, b);
  WriteReadouts(r, g, b);
}

void Workspace::RefreshValues() {
  if (windowState_ == WindowState::Minimised) {
    stale_ = true;
    return;
  }
  stale_ = false;
  RefreshDisplay();
  WriteNotations(CurrentColour());
}

// As TintChannelBoxes followed by RefreshValues, each part drawn and computed once.
void Workspace::TintAndRefresh(std::int32_t r, std::int32_t g, std::int32_t b) {
  if (windowState_ == WindowState::Minimised) {
    TintChannelBoxes(r, g, b);
    stale_ = true;
    return;
  }
  stale_ = false;
  const ColorValue current = CurrentColour(), inverse = InvertColor(current);
  PaintChannelBoxes(r, g, b);
  PaintSwatches(current, inverse);
  PaintMarkerOutlines(inverse);
  if (follower_) follower_->ChannelsWritten(r, g, b);
  ShowDisplayOnly(current);
  WriteNotations(current);
}

void Workspace::WriteNotations(ColorValue current) {
  const NotationRows rows = NotationTexts(current);
  for (int i = 0; i < kNotationRows; ++i) notations_.rows[i].text = rows[i].str();
  notations_.rows[kChannelsRow].text = NotationOf(kChannelsRow);
  // The inverse on the colour, unless the two are too close to read (a mid grey).
  const ColorValue text = ReadableOn(current);
  for (TextBox& row : notations_.rows) {
    row.backColor = current;
    row.foreColor = text;
  }
}

void Workspace::WriteReadouts(std::int32_t r, std::int32_t g, std::int32_t b) {
  const auto R = static_cast<std::uint8_t>(r), G = static_cast<std::uint8_t>(g),
             B = static_cast<std::uint8_t>(b);
  const HsvColor hsv = RgbToHsvFast(R, G, B);
  const HslColor hsl = RgbToHslFast(R, G, B);
  const CmykColor cmyk = RgbToCmykFast(R, G, B);
  const LabColor lab = RgbToLabFast(R, G, B);
  readouts_.hsvHue.text = DecimalText(hsv.h);
  readouts_.hsvSaturation.text = DecimalText(hsv.s);
  readouts_.hsvValue.text = DecimalText(hsv.v);
  readouts_.hlsHue.text = DecimalText(hsl.h);
  readouts_.hlsLightness.text = DecimalText(hsl.l);
  readouts_.hlsSaturation.text = DecimalText(hsl.s);
  readouts_.cyan.text = DecimalText(cmyk.c);
  readouts_.magenta.text = DecimalText(cmyk.m);
  readouts_.yellow.text = DecimalText(cmyk.y);
  readouts_.key.text = DecimalText(cmyk.k);
  readouts_.labLightness.text = DecimalText(lab.l);
  readouts_.labA.text = DecimalText(lab.a);
  readouts_.labB.text = DecimalText(lab.b);
}

std::string Workspace::NotationOf(int row) const {
  if (row == kChannelsRow) return Channel(0).text + "," + Channel(1).text + "," + Channel(2).text;  // as they stand
  return NotationTexts(CurrentColour())[static_cast<std::size_t>(row)].str();
}

bool Workspace::IsNotationRow(const TextBox& box) const {
  return &box >= &notations_.rows.front() && &box <= &notations_.rows.back();
}

void Workspace::NotationRowUp(int row) {
  TextBox& box = notations_.rows[static_cast<std::size_t>(row)];
  box.text = NotationOf(row);
  SelectAllAndCopy(box);
}

void Workspace::NotationRowConfirmed(int row) {
  TextBox& box = notations_.rows[static_cast<std::size_t>(row)];
  const std::string shown = NotationOf(row);
  if (box.text == shown) return;
  const std::optional<ColorValue> typed = ReadRowNotation(row, box.text);
  box.text = shown;  // also when the text names the current colour another way (#ff0000)
  if (!typed || *typed == CurrentColour()) return;
  ShowColour(*typed);
  if (notationConfirmed) notationConfirmed();
}

namespace {
// Characters as the box counts them: UTF-8 lead bytes.
int CharacterCount(const std::string& t) {
  return static_cast<int>(std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
}  // namespace

void Workspace::SelectAllAndCopy(TextBox& box) {
  box.selStart = 0;
  box.selLength = CharacterCount(box.text);
  ++box.selections;
  clipboard_.SetClipboardText(box.text);
}

}  // namespace velkaro
