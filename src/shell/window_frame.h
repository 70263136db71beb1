// The skinned frame: the four image buttons with their hover and pressed pictures,
// dragging the window by its surfaces, the taskbar system menu, and the hover tick that
// also drives the magnifier.
#pragma once

#include <cstdint>

#include "controls.h"
#include "magnifier.h"
#include "placement.h"
#include "platform.h"

namespace velkaro {

struct FloatRect {
  float left = 0, top = 0, width = 0, height = 0;
};

// What the buttons do, carried out by the window that composes the areas.
class FrameActions {
 public:
  virtual ~FrameActions() = default;
  virtual void ShowAboutWindow() = 0;
  virtual void CallColourDialog() = 0;
  virtual void CloseMainWindow() = 0;
};

struct FrameControls {
  Image &关于我们0, &系统调色板0, &最小0, &关闭0;
};

inline constexpr std::uint32_t kSysMenuAndMinimiseBox = 0xA0000;  // WS_SYSMENU | WS_MINIMIZEBOX
inline constexpr unsigned kSystemClose = 0xF060;                  // SC_CLOSE

class WindowFrame : private FrameControls {
 public:
  WindowFrame(const FrameControls& controls, FrameActions& actions, Placement& placement, Magnifier& magnifier,
              WindowState& windowState, ScreenPointer& screen, WindowHost& window)
      : FrameControls(controls), actions_(actions), placement_(placement), magnifier_(magnifier),
        windowState_(windowState), screen_(screen), window_(window) {}

  bool IsImageButton(const Control& c) const;
  void ImageButton_MouseDown(Image& button, int Button);
  void ImageButton_MouseMove(Image& button, int Button);
  void ImageButton_MouseUp(Image& button, int Button);
  void ImageButton_Click(Image& button);

  void PicEn();  // the close and minimise buttons at rest, then 按钮恢复
  void 按钮恢复();
  bool IsWindowForeground();
  bool HoverPicturesAtRest() const;  // PicEn would change nothing

  void DragWindow();
  // A move over the background, a frame or a picture that drags the window.
  void DragSurfaceMove();
  void 获取鼠标坐标();  // remembers the window's rectangle for the hover tick
  void HoverTimerProc();

  void HookWindowFrame();
  // A system command reaching the window; the system close becomes a close request too.
  void FrameSystemCommand(unsigned wParam);

  FloatRect WindowRect;
  std::int16_t AboutButtonState = 0, PaletteButtonState = 0;

 private:
  FrameActions& actions_;
  Placement& placement_;
  Magnifier& magnifier_;
  WindowState& windowState_;
  ScreenPointer& screen_;
  WindowHost& window_;
};

}  // namespace velkaro
