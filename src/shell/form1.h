// Form1, the main window, as a model: its controls by their program names, its state,
// and its handlers. Portable; the Windows view shows it and feeds it events.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <optional>
#include <vector>

#include "colour.h"
#include "controls.h"
#include "platform.h"
#include "swatch.h"

namespace velkaro {

// Pixel places of the layout, written as pixels at 96 dpi and stored as twips.
constexpr TwipRect Px(float left, float top, float width, float height) {
  return {left * 15, top * 15, width * 15, height * 15};
}

struct FloatRect {
  float left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int kColorTextBoxes = kNotationRows;

class Form1 {
 public:
  explicit Form1(Platform& platform);

  // ---- start-up and shut-down ----
  void Form_Initialize();  // the creation handler: privilege, then the defaults (which load)
  void Form_Load();
  void Form_Unload(bool& cancel);
  void SetStartupDefaults();
  void 初始化数据();
  void ExitProgram();
  bool Loaded() const { return loaded_; }

  // ---- the colour workspace ----
  void zhuan(ColorValue colour);
  void 文本颜色(std::int32_t R, std::int32_t G, std::int32_t B);
  void RefreshValues();
  void RefreshDisplay();
  // Writes the channels into the three boxes and recolours with 文本颜色.
  void SetChannels(const Rgb& c);
  // The channel a box holds: its leading number, 0 when it has none, at most 255.
  static std::int32_t ChannelOf(const TextBox& box);
  ColorValue CurrentColour() const;

  // ---- mouse events, routed by the view to the control under the pointer (or the one
  //      that has the mouse captured). Button is the mask 1 left, 2 right, 4 middle.
  // X and Y arrive as pixels from the control's inner corner and reach the handlers in
  // the control's own unit.
  void MouseDown(Control& c, int Button, int Shift, float X, float Y);
  void MouseMove(Control& c, int Button, int Shift, float X, float Y);
  void MouseUp(Control& c, int Button, int Shift, float X, float Y);
  // The topmost control at a client pixel that takes mouse events, or nullptr.
  Control* ControlAt(int x, int y) const;

  // ---- eyedropper ----
  void Picture2_MouseDown(int Button, int Shift, float X, float Y);
  void Picture2_MouseMove(int Button, int Shift, float X, float Y);
  void Picture2_MouseUp(int Button, int Shift, float X, float Y);
  void PickScreenColor(float& X, float& Y);
  void SetHandCursor();
  // Arrow keys during a drag: the pointer moves and the pick follows, as for a mouse move.
  void NudgePointer(int dx, int dy);

  // ---- magnifier ----
  void HoverTimerProc();
  void 屏幕预览();
  void CaptureMagnifier(Point pt);
  void DrawZoomGrid();
  float ClampZoom(float z) const;
  void txtZoom_GotFocus();
  void txtZoom_KeyPress(int& KeyAscii);
  void txtZoom_LostFocus();
  void chkGrid_Click();
  void 控件刷新();
  void DragSurfaceMove();  // picZoom, Image8, Picture5, Picture14, Picture15

  struct MagnifierTimings {
    std::uint32_t pictures = 0;
    double totalMicros = 0;
  } magnifierTimings;

  // ---- window frame and placement (their behaviour arrives with the frame and
  //      placement work; the handlers already call them where they belong) ----
  void DragWindow();
  void PicEn();
  void SavePlacement();
  bool HoverPicturesAtRest() const;

  // ---- channel sliders ----
  struct ChannelSlider {
    PictureBox& container;
    PictureBox& track;
    Image& thumb;
    TextBox& box;
    int channel;  // 0 red, 1 green, 2 blue
  };
  ChannelSlider SliderOf(int channel);
  void Thumb_MouseDown(int channel, int Button, int Shift, float X, float Y);
  void Thumb_MouseMove(int channel, int Button, int Shift, float X, float Y);
  void Track_MouseDown(int channel, int Button, int Shift, float X, float Y);
  void Track_MouseMove(int channel, int Button, int Shift, float X, float Y);
  void Slider_MouseUp(int channel);
  void SliderUpdate(int channel, float proposedLeft);
  bool ThumbOnTrack(int channel);
  void ConfineCursor(const Control& c);
  void ReleaseCursorClip();
  std::int16_t GrabOffsetX = 0;

  // ---- channel entry boxes and notation rows ----
  void Channel_KeyPress(TextBox& box, int& KeyAscii);
  void Channel_KeyUp(TextBox& box, int KeyCode, int Shift);
  void Channel_Change(TextBox& box);  // a change that no key made: a paste
  void Color_TextBox_MouseUp(int Index, int Button, int Shift, float X, float Y);
  void 全选(TextBox& box);
  bool IsChannelBox(const TextBox& box) const { return &box == &Text_R || &box == &Text_G || &box == &Text_B; }
  int NotationIndex(const TextBox& box) const;  // -1 when not a notation row

  // ---- placement and units ----
  void RestorePlacement();
  std::int32_t PixelsToTwips(float value, float axis);
  TwipRect FormPlacement();  // the window's outer rectangle in twips

  // ---- later subsystems' entry points used at start-up ----
  void 初始化三原色(std::int32_t r, std::int32_t g, std::int32_t b);
  void 色板三原色(std::int32_t a, std::int32_t b, std::int32_t c);
  void 获取鼠标坐标();
  void hsbZoom_Change();
  void SetZoomValue(int value);  // sets hsbZoom's value, running Change when it differs

  // ---- geometry ----
  float TwipsPerPixelX() const { return twipsPerPixelX_; }
  float TwipsPerPixelY() const { return twipsPerPixelY_; }
  int PixelsX(float twips) const;
  int PixelsY(float twips) const;
  // A control's outer rectangle in client pixels (parents' offsets and borders added).
  ScreenRect ClientPixels(const Control& c) const;
  static constexpr int kClientWidthPx = 654, kClientHeightPx = 495;

  // The controls in the window's order; a control's index there is its identity in the view.
  const std::vector<Control*>& Controls() const { return controls_; }
  int IndexOf(std::string_view name) const;

  // ---- window state ----
  WindowState windowState = WindowState::Normal;
  bool shown = false;

  // ---- state of the sampling subsystem used here ----
  float ZoomFactor = 0;
  std::int32_t LastPreviewX = 0, LastPreviewY = 0;
  std::int32_t PreviewTicks = 0;
  std::int16_t Picking = 0;
  std::int32_t LastPickX = 0, LastPickY = 0;
  bool hasLastPick = false;
  // The magnifier's scratch block: big enough for the largest block, at 25 %.
  Surface magnifierBlock;
  FloatRect WindowRect;
  std::uint32_t HoverTimerId = 0;

 private:
  Platform& platform_;
  float twipsPerPixelX_, twipsPerPixelY_;
  bool loaded_ = false;
  std::vector<Control*> controls_;
  template <class T>
  T& Add(T& c) {
    controls_.push_back(&c);
    return c;
  }
  void SizeSurfaces();
  void WriteReadouts(std::int32_t r, std::int32_t g, std::int32_t b);

 public:
  // ---- controls (declared parents first) ----
  // Eyedropper
  Frame Frame2{"Frame2", nullptr, Px(10, 40, 121, 110), "拖动靶标进行拾色"};
  PictureBox Picture1{"Picture1", &Frame2, Px(3, 16, 113, 89)};
  Image Picture2{"Picture2", &Picture1, Px(40, 26, 32, 32), PictureId::Target};
  // Base colours
  Frame Frame4{"Frame4", nullptr, Px(132, 40, 153, 110), "基色:"};
  Label Label_R{"Label_R", &Frame4, {60, 255, 360, 360}, "R：", 12};
  Label Label_G{"Label_G", &Frame4, {60, 720, 360, 360}, "G：", 12};
  Label Label_B{"Label_B", &Frame4, {60, 1175, 360, 360}, "B：", 12};
  // Channel sliders: a container in twips holding the track and the thumb below it.
  PictureBox Picture3{"Picture3", &Frame4, {375, 300, 1385, 285}};
  PictureBox Picture_R{"Picture_R", &Picture3, {75, 10, 1215, 90}};
  Image Image_R{"Image_R", &Picture3, {0, 105, 165, 150}, PictureId::SliderThumb};
  PictureBox Picture4{"Picture4", &Frame4, {375, 765, 1385, 285}};
  PictureBox Picture_G{"Picture_G", &Picture4, {75, 10, 1215, 90}};
  Image Image_G{"Image_G", &Picture4, {0, 110, 165, 150}, PictureId::SliderThumb};
  PictureBox Picture7{"Picture7", &Frame4, {375, 1220, 1385, 285}};
  PictureBox Picture_B{"Picture_B", &Picture7, {75, 10, 1215, 90}};
  Image Image_B{"Image_B", &Picture7, {0, 110, 165, 150}, PictureId::SliderThumb};
  TextBox Text_R{"Text_R", &Frame4, {1755, 300, 480, 270}, "0"};
  TextBox Text_G{"Text_G", &Frame4, {1755, 765, 480, 270}, "0"};
  TextBox Text_B{"Text_B", &Frame4, {1755, 1220, 480, 270}, "0"};
  // HSV
  Frame Frame7{"Frame7", nullptr, Px(287, 40, 73, 110), "HSV："};
  Label Label_HSV_H{"Label_HSV_H", &Frame7, Px(6, 24, 16, 18), "H:"};
  Label Label_HSV_S{"Label_HSV_S", &Frame7, Px(6, 52, 16, 18), "S:"};
  Label Label_HSV_V{"Label_HSV_V", &Frame7, Px(6, 80, 16, 18), "V:"};
  TextBox Text_HSV_H{"Text_HSV_H", &Frame7, Px(22, 22, 32, 18), "", true};
  TextBox Text_HSV_S{"Text_HSV_S", &Frame7, Px(22, 50, 32, 18), "", true};
  TextBox Text_HSV_V{"Text_HSV_V", &Frame7, Px(22, 78, 32, 18), "", true};
  Label Unit_HSV_H{"Unit_HSV_H", &Frame7, Px(56, 24, 14, 18), "°"};
  Label Unit_HSV_S{"Unit_HSV_S", &Frame7, Px(56, 52, 14, 18), "%"};
  Label Unit_HSV_V{"Unit_HSV_V", &Frame7, Px(56, 80, 14, 18), "%"};
  // HLS, shown top to bottom H, L, S
  Frame Frame8{"Frame8", nullptr, Px(365, 40, 79, 110), "HLS："};
  Label Label_HSL_H{"Label_HSL_H", &Frame8, Px(6, 24, 16, 18), "H:"};
  Label Label_HSL_L{"Label_HSL_L", &Frame8, Px(6, 52, 16, 18), "L:"};
  Label Label_HSL_S{"Label_HSL_S", &Frame8, Px(6, 80, 16, 18), "S:"};
  TextBox Text_HSL_H{"Text_HSL_H", &Frame8, Px(22, 22, 36, 18), "", true};
  TextBox Text_HSL_L{"Text_HSL_L", &Frame8, Px(22, 50, 36, 18), "", true};
  TextBox Text_HSL_S{"Text_HSL_S", &Frame8, Px(22, 78, 36, 18), "", true};
  Label Unit_HSL_H{"Unit_HSL_H", &Frame8, Px(61, 24, 14, 18), "°"};
  Label Unit_HSL_L{"Unit_HSL_L", &Frame8, Px(61, 52, 14, 18), "%"};
  Label Unit_HSL_S{"Unit_HSL_S", &Frame8, Px(61, 80, 14, 18), "%"};
  // CMYK
  Frame Frame9{"Frame9", nullptr, Px(447, 40, 87, 110), "CMYK："};
  Label Label_Cmyk_C{"Label_Cmyk_C", &Frame9, Px(8, 19, 18, 18), "C:"};
  Label Label_Cmyk_M{"Label_Cmyk_M", &Frame9, Px(8, 41, 18, 18), "M:"};
  Label Label_Cmyk_Y{"Label_Cmyk_Y", &Frame9, Px(8, 63, 18, 18), "Y:"};
  Label Label_Cmyk_K{"Label_Cmyk_K", &Frame9, Px(8, 85, 18, 18), "K:"};
  TextBox Text_Cmyk_C{"Text_Cmyk_C", &Frame9, Px(28, 17, 36, 18), "", true};
  TextBox Text_Cmyk_M{"Text_Cmyk_M", &Frame9, Px(28, 39, 36, 18), "", true};
  TextBox Text_Cmyk_Y{"Text_Cmyk_Y", &Frame9, Px(28, 61, 36, 18), "", true};
  TextBox Text_Cmyk_K{"Text_Cmyk_K", &Frame9, Px(28, 83, 36, 18), "", true};
  Label Unit_Cmyk_C{"Unit_Cmyk_C", &Frame9, Px(67, 19, 14, 18), "%"};
  Label Unit_Cmyk_M{"Unit_Cmyk_M", &Frame9, Px(67, 41, 14, 18), "%"};
  Label Unit_Cmyk_Y{"Unit_Cmyk_Y", &Frame9, Px(67, 63, 14, 18), "%"};
  Label Unit_Cmyk_K{"Unit_Cmyk_K", &Frame9, Px(67, 85, 14, 18), "%"};
  // Lab
  Frame Frame10{"Frame10", nullptr, Px(538, 40, 111, 110), "LAB："};
  Label Label_Lab_L{"Label_Lab_L", &Frame10, Px(10, 24, 18, 18), "L:"};
  Label Label_Lab_A{"Label_Lab_A", &Frame10, Px(10, 52, 18, 18), "A:"};
  Label Label_Lab_B{"Label_Lab_B", &Frame10, Px(10, 80, 18, 18), "B:"};
  TextBox Text_Lab_L{"Text_Lab_L", &Frame10, Px(32, 22, 48, 18), "", true};
  TextBox Text_Lab_A{"Text_Lab_A", &Frame10, Px(32, 50, 48, 18), "", true};
  TextBox Text_Lab_B{"Text_Lab_B", &Frame10, Px(32, 78, 48, 18), "", true};
  // Magnifier
  Frame Frame5{"Frame5", nullptr, Px(10, 149, 275, 268), "像素坐标校准:"};
  PictureBox picZoom{"picZoom", &Frame5, Px(3, 16, 269, 248), 0xF0E0C0, BorderStyle::Fixed3D};
  Image Image8{"Image8", &picZoom, Px(116, 109, 32, 32)};
  Line Line2{"Line2", &picZoom, 132, 0, 132, 280};
  Line Line1{"Line1", &picZoom, 0, 125, 272, 125};
  // Hue strip and swatches
  PictureBox Picture_色板{"Picture_色板", nullptr, Px(288, 152, 361, 77)};
  Shape Shape2{"Shape2", &Picture_色板, {2640, 480, 135, 135}};
  PictureBox Picture14{"Picture14", nullptr, Px(360, 231, 126, 33)};
  PictureBox Picture15{"Picture15", nullptr, Px(528, 231, 120, 55)};
  TextBox Text5{"Text5", nullptr, Px(361, 266, 125, 18), "", true};
  // Fine-tuning
  Frame Frame11{"Frame11", nullptr, Px(288, 288, 361, 100), "色板微调:", 9};
  Label Label32{"Label32", &Frame11, {265, 240, 630, 300}, "色相：", 10.5f};
  PictureBox Picture11{"Picture11", &Frame11, {840, 220, 3900, 390}};
  PictureBox Picture12{"Picture12", &Picture11, {75, 120, 3735, 90}};
  TextBox Text3{"Text3", &Frame11, {4800, 240, 480, 270}, "0", true};
  Label Label30{"Label30", &Frame11, {55, 630, 840, 300}, "饱和度：", 10.5f};
  PictureBox Picture9{"Picture9", &Frame11, {840, 650, 3900, 390}};
  PictureBox Picture10{"Picture10", &Picture9, {75, 120, 3735, 90}};
  TextBox Text2{"Text2", &Frame11, {4800, 720, 465, 270}, "100", true};
  Label Label31{"Label31", &Frame11, {265, 1065, 630, 300}, "亮度：", 10.5f};
  PictureBox Picture6{"Picture6", &Frame11, {840, 1085, 3900, 390}};
  PictureBox Picture8{"Picture8", &Picture6, {75, 120, 3735, 90}};
  TextBox Text1{"Text1", &Frame11, {4800, 1110, 480, 270}, "50", true};
  // Notations: label index = box index; first line 0, 2, 3, 6, second line 1, 4, 5.
  Frame Frame6{"Frame6", nullptr, Px(288, 390, 361, 68), "色值:"};
  std::array<Label, kColorTextBoxes> Label23{{
      {"Label23(0)", &Frame6, Px(5, 20, 20, 18), "VB:"},
      {"Label23(1)", &Frame6, Px(5, 44, 56, 18), "Html、PS:"},
      {"Label23(2)", &Frame6, Px(96, 20, 38, 18), "Delphi:"},
      {"Label23(3)", &Frame6, Px(193, 20, 36, 18), "BASIC:"},
      {"Label23(4)", &Frame6, Px(127, 44, 28, 18), "其他:"},
      {"Label23(5)", &Frame6, Px(225, 44, 38, 18), "R,G,B:"},
      {"Label23(6)", &Frame6, Px(288, 20, 24, 18), "Hex:"},
  }};
  std::array<TextBox, kColorTextBoxes> Color_TextBox{{
      {"Color_TextBox(0)", &Frame6, Px(25, 18, 68, 18), ""},
      {"Color_TextBox(1)", &Frame6, Px(61, 42, 62, 18), ""},
      {"Color_TextBox(2)", &Frame6, Px(134, 18, 56, 18), ""},
      {"Color_TextBox(3)", &Frame6, Px(229, 18, 56, 18), ""},
      {"Color_TextBox(4)", &Frame6, Px(155, 42, 66, 18), ""},
      {"Color_TextBox(5)", &Frame6, Px(263, 42, 93, 18), ""},
      {"Color_TextBox(6)", &Frame6, Px(312, 18, 44, 18), ""},
  }};
  PictureBox Picture5{"Picture5", nullptr, Px(591, 461, 57, 28)};
  // Never seen: right of the client area.
  Frame Frame1{"Frame1", nullptr, Px(712, 8, 200, 200), ""};
  Frame Frame3{"Frame3", nullptr, {14040, 120, 4260, 1095}, "色板:"};
  PictureBox 调色板1{"调色板1", &Frame3, {120, 240, 4050, 630}};
  Shape Shape1{"Shape1", &调色板1, {1320, 120, 135, 135}};
  PictureBox PicTemp{"PicTemp", nullptr, Px(1056, 176, 150, 57)};
  ScrollBar hsbZoom{"hsbZoom", &PicTemp, Px(0, 0, 80, 18), 25, 1000, 1000};
  TextBox txtZoom{"txtZoom", &PicTemp, Px(80, 0, 38, 19), "1000%"};
  CheckBox chkOnTop{"chkOnTop", &PicTemp, Px(0, 20, 80, 17), "", 0};
  CheckBox chkGrid{"chkGrid", nullptr, Px(1080, 424, 57, 17), "像素标", 1};
  TextBox Text4{"Text4", nullptr, Px(1056, 260, 80, 18), ""};
  TextBox Text7{"Text7", nullptr, Px(1056, 284, 80, 18), ""};
};

}  // namespace velkaro
