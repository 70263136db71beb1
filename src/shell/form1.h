// Form1, the main window, as a model: its controls by their program names, and the areas
// that hold the behaviour, composed here. Portable; the Windows view shows it and feeds it
// events, which Form1 routes to the areas.
#pragma once

#include <array>
#include <string>
#include <cstdint>
#include <string_view>
#include <vector>

#include "about.h"
#include "channel_boxes.h"
#include "channel_sliders.h"
#include "colour_history.h"
#include "commands.h"
#include "controls.h"
#include "eyedropper.h"
#include "fine_tuning.h"
#include "magnifier.h"
#include "palette.h"
#include "placement.h"
#include "platform.h"
#include "tray_icon.h"
#include "units.h"
#include "window_frame.h"
#include "workspace.h"

namespace velkaro {

class Form1 : private FrameActions, private PaletteActions {
 public:
  explicit Form1(Platform platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- start-up and shut-down ----
  void Form_Initialize();  // the creation handler: privilege, then the defaults (which load)
  void Form_Load();
  void Form_Unload(bool& cancel);
  void SetStartupDefaults();
  void 初始化数据();
  void ExitProgram();
  // The 1 ms tick: the magnifier step and the buttons' hover, and a pick that catches up
  // with a pointer whose moves did not arrive.
  void HoverTimerProc() {
    frame.HoverTimerProc();
    eyedropper.FollowPointer();
  }
  // The tip of the tray icon: the caption and the version.
  static std::string TrayTip();
  // The tip as shown: it also tells when the pick hotkey could not be had.
  std::string ShownTrayTip() const;

  // ---- the pick hotkey and the recent colours ----
  // Ctrl+Alt+C: the window shows (restored if hidden) and a pick follows the pointer.
  void HotkeyPressed();
  // A left click (keep) ends the hotkey pick and copies the Html text; Esc or a right
  // click cancels it. Nothing when no hotkey pick is on.
  void EndHotkeyPick(bool keep);
  // A recent colour chosen in the tray menu: it becomes the colour, its Html text copied.
  void ChooseRecent(ColorValue colour);
  bool hotkeyUnavailable = false;
  // The window shows again after being minimised or hidden: what changed meanwhile (a pick
  // or a recent colour) is shown now.
  void WindowRestored();

  // ---- events, routed by the view to the control under the pointer (or the one that
  //      has the mouse captured). Button is the mask 1 left, 2 right, 4 middle. X and Y
  //      arrive as pixels from the control's inner corner and reach the handlers in the
  //      control's own unit.
  void MouseDown(Control& c, int Button, int Shift, float X, float Y);
  void MouseMove(Control& c, int Button, int Shift, float X, float Y);
  void MouseUp(Control& c, int Button, int Shift, float X, float Y);
  // The system took the mouse from the control that held it: the hold ends as a release
  // would end it, so no drag or confinement stays behind.
  void CaptureLost(Control& c);
  // The window's own background, where no control lies: a drag surface.
  void Form_MouseMove(int Button, int Shift, float X, float Y);
  // The topmost control at a client pixel that takes mouse events, or nullptr.
  Control* ControlAt(int x, int y) const;
  // A text box's keys, a change no key made (a paste), and a button's release.
  void KeyPress(TextBox& box, int& KeyAscii);
  void KeyUp(TextBox& box, int KeyCode, int Shift);
  void TextChanged(TextBox& box);
  void TextMouseUp(TextBox& box, int Button, int Shift, float X, float Y);
  // Tab and Shift+Tab: the next or previous box in reading order that is shown (wrapping),
  // or nullptr when `from` takes no part in the order.
  TextBox* NextInTabOrder(const TextBox& from, bool backwards) const;
  const std::vector<TextBox*>& TabOrder() const { return tabOrder_; }
  // Ctrl+C or Ctrl+V in a box: true when the window handled it, false when the edit's own
  // copy or paste should run. The channel boxes copy and paste as any edit does (a paste
  // then meets the paste rule); a box that only shows a value copies its whole text, as a
  // click on a notation row does, and takes no paste.
  enum class ClipboardKey { Copy, Paste };
  bool ClipboardShortcut(TextBox& box, ClipboardKey key);
  // Arrow keys during a drag: the pointer moves and the pick follows.
  void NudgePointer(int dx, int dy) { eyedropper.NudgePointer(dx, dy); }

  // The controls in the window's order; a control's index there is its identity in the view.
  const std::vector<Control*>& Controls() const { return controls_.All(); }
  int IndexOf(std::string_view name) const { return controls_.IndexOf(name); }

 private:
  Platform platform_;
  ControlList controls_;

 public:
  const Units units;

  // ---- the window's records, read by several areas ----
  WindowState windowState = WindowState::Normal;
  bool shown = false;
  std::int16_t Picking = 0;  // -1 while the eyedropper is dragged
  std::uint32_t HoverTimerId = 0;

  // ---- controls (declared parents first) ----
  // Eyedropper
  Frame Frame2{controls_, "Frame2", nullptr, Px(10, 40, 121, 110), "拖动靶标进行拾色"};
  PictureBox Picture1{controls_, "Picture1", &Frame2, Px(3, 16, 113, 89)};
  Image Picture2{controls_, "Picture2", &Picture1, Px(40, 26, 32, 32), PictureId::Target};
  // Base colours
  Frame Frame4{controls_, "Frame4", nullptr, Px(132, 40, 153, 110), "基色:"};
  Label Label_R{controls_, "Label_R", &Frame4, {60, 255, 360, 360}, "R：", 12};
  Label Label_G{controls_, "Label_G", &Frame4, {60, 720, 360, 360}, "G：", 12};
  Label Label_B{controls_, "Label_B", &Frame4, {60, 1175, 360, 360}, "B：", 12};
  // Channel sliders: a container in twips holding the track and the thumb below it.
  PictureBox Picture3{controls_, "Picture3", &Frame4, {375, 300, 1385, 285}};
  PictureBox Picture_R{controls_, "Picture_R", &Picture3, {75, 10, 1215, 90}};
  Image Image_R{controls_, "Image_R", &Picture3, {0, 105, 165, 150}, PictureId::SliderThumb};
  PictureBox Picture4{controls_, "Picture4", &Frame4, {375, 765, 1385, 285}};
  PictureBox Picture_G{controls_, "Picture_G", &Picture4, {75, 10, 1215, 90}};
  Image Image_G{controls_, "Image_G", &Picture4, {0, 110, 165, 150}, PictureId::SliderThumb};
  PictureBox Picture7{controls_, "Picture7", &Frame4, {375, 1220, 1385, 285}};
  PictureBox Picture_B{controls_, "Picture_B", &Picture7, {75, 10, 1215, 90}};
  Image Image_B{controls_, "Image_B", &Picture7, {0, 110, 165, 150}, PictureId::SliderThumb};
  TextBox Text_R{controls_, "Text_R", &Frame4, {1755, 300, 480, 270}, "0"};
  TextBox Text_G{controls_, "Text_G", &Frame4, {1755, 765, 480, 270}, "0"};
  TextBox Text_B{controls_, "Text_B", &Frame4, {1755, 1220, 480, 270}, "0"};
  // HSV
  Frame Frame7{controls_, "Frame7", nullptr, Px(287, 40, 73, 110), "HSV："};
  Label Label_HSV_H{controls_, "Label_HSV_H", &Frame7, Px(6, 24, 16, 18), "H:"};
  Label Label_HSV_S{controls_, "Label_HSV_S", &Frame7, Px(6, 52, 16, 18), "S:"};
  Label Label_HSV_V{controls_, "Label_HSV_V", &Frame7, Px(6, 80, 16, 18), "V:"};
  TextBox Text_HSV_H{controls_, "Text_HSV_H", &Frame7, Px(22, 22, 32, 18), "", true};
  TextBox Text_HSV_S{controls_, "Text_HSV_S", &Frame7, Px(22, 50, 32, 18), "", true};
  TextBox Text_HSV_V{controls_, "Text_HSV_V", &Frame7, Px(22, 78, 32, 18), "", true};
  Label Unit_HSV_H{controls_, "Unit_HSV_H", &Frame7, Px(56, 24, 14, 18), "°"};
  Label Unit_HSV_S{controls_, "Unit_HSV_S", &Frame7, Px(56, 52, 14, 18), "%"};
  Label Unit_HSV_V{controls_, "Unit_HSV_V", &Frame7, Px(56, 80, 14, 18), "%"};
  // HLS, shown top to bottom H, L, S
  Frame Frame8{controls_, "Frame8", nullptr, Px(365, 40, 79, 110), "HLS："};
  Label Label_HSL_H{controls_, "Label_HSL_H", &Frame8, Px(6, 24, 16, 18), "H:"};
  Label Label_HSL_L{controls_, "Label_HSL_L", &Frame8, Px(6, 52, 16, 18), "L:"};
  Label Label_HSL_S{controls_, "Label_HSL_S", &Frame8, Px(6, 80, 16, 18), "S:"};
  TextBox Text_HSL_H{controls_, "Text_HSL_H", &Frame8, Px(22, 22, 36, 18), "", true};
  TextBox Text_HSL_L{controls_, "Text_HSL_L", &Frame8, Px(22, 50, 36, 18), "", true};
  TextBox Text_HSL_S{controls_, "Text_HSL_S", &Frame8, Px(22, 78, 36, 18), "", true};
  Label Unit_HSL_H{controls_, "Unit_HSL_H", &Frame8, Px(61, 24, 14, 18), "°"};
  Label Unit_HSL_L{controls_, "Unit_HSL_L", &Frame8, Px(61, 52, 14, 18), "%"};
  Label Unit_HSL_S{controls_, "Unit_HSL_S", &Frame8, Px(61, 80, 14, 18), "%"};
  // CMYK
  Frame Frame9{controls_, "Frame9", nullptr, Px(447, 40, 87, 110), "CMYK："};
  Label Label_Cmyk_C{controls_, "Label_Cmyk_C", &Frame9, Px(8, 19, 18, 18), "C:"};
  Label Label_Cmyk_M{controls_, "Label_Cmyk_M", &Frame9, Px(8, 41, 18, 18), "M:"};
  Label Label_Cmyk_Y{controls_, "Label_Cmyk_Y", &Frame9, Px(8, 63, 18, 18), "Y:"};
  Label Label_Cmyk_K{controls_, "Label_Cmyk_K", &Frame9, Px(8, 85, 18, 18), "K:"};
  TextBox Text_Cmyk_C{controls_, "Text_Cmyk_C", &Frame9, Px(28, 17, 36, 18), "", true};
  TextBox Text_Cmyk_M{controls_, "Text_Cmyk_M", &Frame9, Px(28, 39, 36, 18), "", true};
  TextBox Text_Cmyk_Y{controls_, "Text_Cmyk_Y", &Frame9, Px(28, 61, 36, 18), "", true};
  TextBox Text_Cmyk_K{controls_, "Text_Cmyk_K", &Frame9, Px(28, 83, 36, 18), "", true};
  Label Unit_Cmyk_C{controls_, "Unit_Cmyk_C", &Frame9, Px(67, 19, 14, 18), "%"};
  Label Unit_Cmyk_M{controls_, "Unit_Cmyk_M", &Frame9, Px(67, 41, 14, 18), "%"};
  Label Unit_Cmyk_Y{controls_, "Unit_Cmyk_Y", &Frame9, Px(67, 63, 14, 18), "%"};
  Label Unit_Cmyk_K{controls_, "Unit_Cmyk_K", &Frame9, Px(67, 85, 14, 18), "%"};
  // Lab
  Frame Frame10{controls_, "Frame10", nullptr, Px(538, 40, 111, 110), "LAB："};
  Label Label_Lab_L{controls_, "Label_Lab_L", &Frame10, Px(10, 24, 18, 18), "L:"};
  Label Label_Lab_A{controls_, "Label_Lab_A", &Frame10, Px(10, 52, 18, 18), "A:"};
  Label Label_Lab_B{controls_, "Label_Lab_B", &Frame10, Px(10, 80, 18, 18), "B:"};
  TextBox Text_Lab_L{controls_, "Text_Lab_L", &Frame10, Px(32, 22, 48, 18), "", true};
  TextBox Text_Lab_A{controls_, "Text_Lab_A", &Frame10, Px(32, 50, 48, 18), "", true};
  TextBox Text_Lab_B{controls_, "Text_Lab_B", &Frame10, Px(32, 78, 48, 18), "", true};
  // Magnifier
  Frame Frame5{controls_, "Frame5", nullptr, Px(10, 149, 275, 268), "像素坐标校准:"};
  PictureBox picZoom{controls_, "picZoom", &Frame5, Px(3, 16, 269, 248), 0xF0E0C0, BorderStyle::Fixed3D};
  Image Image8{controls_, "Image8", &picZoom, Px(116, 109, 32, 32)};
  Line Line2{controls_, "Line2", &picZoom, 132, 0, 132, 280};
  Line Line1{controls_, "Line1", &picZoom, 0, 125, 272, 125};
  // Hue strip and swatches
  PictureBox Picture_色板{controls_, "Picture_色板", nullptr, Px(288, 152, 361, 77)};
  Shape Shape2{controls_, "Shape2", &Picture_色板, {2640, 480, 135, 135}};
  PictureBox Picture14{controls_, "Picture14", nullptr, Px(360, 231, 126, 33)};
  PictureBox Picture15{controls_, "Picture15", nullptr, Px(528, 231, 120, 55)};
  TextBox Text5{controls_, "Text5", nullptr, Px(361, 266, 125, 18), "", true};
  // Fine-tuning
  Frame Frame11{controls_, "Frame11", nullptr, Px(288, 288, 361, 100), "色板微调:", 9};
  Label Label32{controls_, "Label32", &Frame11, {265, 240, 630, 300}, "色相：", 10.5f};
  PictureBox Picture11{controls_, "Picture11", &Frame11, {840, 220, 3900, 390}};
  PictureBox Picture12{controls_, "Picture12", &Picture11, {75, 120, 3735, 90}};
  Image Image_HSLv1{controls_, "Image_HSLv1", &Picture11, {1920, 225, 165, 150}, PictureId::SliderThumb};
  TextBox Text3{controls_, "Text3", &Frame11, {4800, 240, 480, 270}, "0", true};
  Label Label30{controls_, "Label30", &Frame11, {55, 630, 840, 300}, "饱和度：", 10.5f};
  PictureBox Picture9{controls_, "Picture9", &Frame11, {840, 650, 3900, 390}};
  PictureBox Picture10{controls_, "Picture10", &Picture9, {75, 120, 3735, 90}};
  Image Image_Hls2{controls_, "Image_Hls2", &Picture9, {3720, 225, 165, 150}, PictureId::SliderThumb};
  TextBox Text2{controls_, "Text2", &Frame11, {4800, 720, 465, 270}, "100", true};
  Label Label31{controls_, "Label31", &Frame11, {265, 1065, 630, 300}, "亮度：", 10.5f};
  PictureBox Picture6{controls_, "Picture6", &Frame11, {840, 1085, 3900, 390}};
  PictureBox Picture8{controls_, "Picture8", &Picture6, {75, 120, 3735, 90}};
  Image Image_Hls3{controls_, "Image_Hls3", &Picture6, {1920, 215, 165, 150}, PictureId::SliderThumb};
  TextBox Text1{controls_, "Text1", &Frame11, {4800, 1110, 480, 270}, "50", true};
  // Notations: label index = box index; first line 0, 2, 3, 6, second line 1, 4, 5.
  Frame Frame6{controls_, "Frame6", nullptr, Px(288, 390, 361, 68), "色值:"};
  std::array<Label, kColorTextBoxes> Label23{{
      {controls_, "Label23(0)", &Frame6, Px(5, 20, 20, 18), "VB:"},
      {controls_, "Label23(1)", &Frame6, Px(5, 44, 56, 18), "Html、PS:"},
      {controls_, "Label23(2)", &Frame6, Px(96, 20, 38, 18), "Delphi:"},
      {controls_, "Label23(3)", &Frame6, Px(193, 20, 36, 18), "BASIC:"},
      {controls_, "Label23(4)", &Frame6, Px(127, 44, 28, 18), "其他:"},
      {controls_, "Label23(5)", &Frame6, Px(225, 44, 38, 18), "R,G,B:"},
      {controls_, "Label23(6)", &Frame6, Px(288, 20, 24, 18), "Hex:"},
  }};
  std::array<TextBox, kColorTextBoxes> Color_TextBox{{
      {controls_, "Color_TextBox(0)", &Frame6, Px(25, 18, 68, 18), ""},
      {controls_, "Color_TextBox(1)", &Frame6, Px(61, 42, 62, 18), ""},
      {controls_, "Color_TextBox(2)", &Frame6, Px(134, 18, 56, 18), ""},
      {controls_, "Color_TextBox(3)", &Frame6, Px(229, 18, 56, 18), ""},
      {controls_, "Color_TextBox(4)", &Frame6, Px(155, 42, 66, 18), ""},
      {controls_, "Color_TextBox(5)", &Frame6, Px(263, 42, 93, 18), ""},
      {controls_, "Color_TextBox(6)", &Frame6, Px(312, 18, 44, 18), ""},
  }};
  PictureBox Picture5{controls_, "Picture5", nullptr, Px(591, 461, 57, 28)};
  // Image buttons: about and the colour dialog at the bottom left, minimise and close at
  // the top right.
  Image 关于我们0{controls_, "关于我们0", nullptr, Px(16, 419, 120, 34), PictureId::关于我们1};
  Image 系统调色板0{controls_, "系统调色板0", nullptr, Px(160, 419, 120, 34), PictureId::系统调色板1};
  Image 最小0{controls_, "最小0", nullptr, Px(590, 0, 34, 34), PictureId::最小1};
  Image 关闭0{controls_, "关闭0", nullptr, Px(621, 0, 34, 34), PictureId::关闭1};
  // Never seen: right of the client area.
  Frame Frame1{controls_, "Frame1", nullptr, Px(712, 8, 200, 200), ""};
  Frame Frame3{controls_, "Frame3", nullptr, {14040, 120, 4260, 1095}, "色板:"};
  PictureBox 调色板1{controls_, "调色板1", &Frame3, {120, 240, 4050, 630}};
  Shape Shape1{controls_, "Shape1", &调色板1, {1320, 120, 135, 135}};
  PictureBox PicTemp{controls_, "PicTemp", nullptr, Px(1056, 176, 150, 57)};
  ScrollBar hsbZoom{controls_, "hsbZoom", &PicTemp, Px(0, 0, 80, 18), 25, 1000, 1000};
  TextBox txtZoom{controls_, "txtZoom", &PicTemp, Px(80, 0, 38, 19), "1000%"};
  CheckBox chkOnTop{controls_, "chkOnTop", &PicTemp, Px(0, 20, 80, 17), "", 0};
  CheckBox chkGrid{controls_, "chkGrid", nullptr, Px(1080, 424, 57, 17), "像素标", 1};
  TextBox Text4{controls_, "Text4", nullptr, Px(1056, 260, 80, 18), ""};
  TextBox Text7{controls_, "Text7", nullptr, Px(1056, 284, 80, 18), ""};

  // ---- the areas ----
  Workspace workspace{{Text_R, Text_G, Text_B, Text_HSV_H, Text_HSV_S, Text_HSV_V, Text_HSL_H, Text_HSL_L,
                       Text_HSL_S, Text_Cmyk_C, Text_Cmyk_M, Text_Cmyk_Y, Text_Cmyk_K, Text_Lab_L, Text_Lab_A,
                       Text_Lab_B, Text5, Color_TextBox, Picture1, Picture5, Picture14, Picture15, Picture8,
                       Picture10, picZoom, Shape1, Shape2, Line1, Line2},
                      windowState,
                      platform_.clipboard};
  Magnifier magnifier{{picZoom, PicTemp, hsbZoom, txtZoom, chkGrid, Line1, Line2, Image8}, Picking, windowState,
                      shown, units, platform_.screen, platform_.window, platform_.system};
  Eyedropper eyedropper{{Picture2, Picture1, Image8, Frame5, picZoom}, Picking, workspace, magnifier,
                        controls_, platform_.screen, platform_.window};
  ChannelSliders sliders{{Picture3, Picture_R, Image_R, Text_R, Picture4, Picture_G, Image_G, Text_G, Picture7,
                          Picture_B, Image_B, Text_B},
                         workspace, units, platform_.screen, platform_.window, platform_.system};
  ChannelBoxes channelBoxes{Text_R, Text_G, Text_B, workspace};
  Palette palette{{Picture_色板, Shape2, Picture12, 调色板1, Shape1}, workspace, units, *this, platform_.screen,
                  platform_.window, platform_.dialogs};
  FineTuning fineTuning{{Picture11, Picture12, Image_HSLv1, Text3, Picture9, Picture10, Image_Hls2, Text2, Picture6,
                         Picture8, Image_Hls3, Text1, Picture_色板, Shape2},
                        palette, sliders.GrabOffsetX, *this, units, platform_.screen, platform_.window,
                        platform_.system};
  Placement placement{units, platform_.window, platform_.screen, platform_.settings};
  WindowFrame frame{{关于我们0, 系统调色板0, 最小0, 关闭0}, *this, placement, magnifier, windowState,
                    platform_.screen, platform_.window};
  AboutBox about{platform_.dialogs};
  Commands commands{{Text4, Text7}, windowState, platform_.window, platform_.instance, [this] { ExitProgram(); }};
  ColourHistory history{platform_.settings};
  TrayIcon tray{windowState,
                shown,
                platform_.window,
                platform_.tray,
                [this] { ExitProgram(); },
                [this] { about.Show(true); },
                [this]() -> const std::vector<ColorValue>& { return history.Items(); },
                [this](ColorValue c) { ChooseRecent(c); }};

 private:
  std::vector<TextBox*> tabOrder_;
  void ShowAboutWindow() override { about.Show(false); }
  void CallColourDialog() override {
    if (palette.调用系统调色板()) history.Add(workspace.CurrentColour());
  }
  void CloseMainWindow() override;
  void PicEn() override { frame.PicEn(); }
  void 控件刷新() override { eyedropper.控件刷新(); }
  bool IsDragSurface(const Control& c) const;
  void SizeSurfaces();
  bool loaded_ = false;
};

}  // namespace velkaro
