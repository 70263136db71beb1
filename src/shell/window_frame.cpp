#include "window_frame.h"

namespace velkaro {

namespace {
constexpr int kLeftButton = 1, kRightButton = 2;
}  // namespace

bool WindowFrame::IsImageButton(const Control& c) const {
  return &c == &关于我们0 || &c == &系统调色板0 || &c == &最小0 || &c == &关闭0;
}

void WindowFrame::ImageButton_MouseDown(Image& button, int Button) {
  if (&button == &关于我们0) {
    关于我们0.picture = PictureId::关于我们3;
    AboutButtonState = static_cast<std::int16_t>(Button);
  } else if (&button == &系统调色板0) {
    系统调色板0.picture = PictureId::系统调色板3;
    PaletteButtonState = static_cast<std::int16_t>(Button);
  } else if (&button == &最小0) {
    最小0.picture = PictureId::最小3;
  } else if (&button == &关闭0) {
    关闭0.picture = PictureId::关闭3;
  }
}

// Hover shows picture 2; the plates stay pressed only for the right button (value 2),
// the squares only for the left one (value 1). With another window in front the plates
// change nothing and the squares put every button back.
void WindowFrame::ImageButton_MouseMove(Image& button, int Button) {
  const bool inFront = IsWindowForeground();
  if (&button == &关于我们0 || &button == &系统调色板0) {
    if (!inFront) return;
    const bool about = &button == &关于我们0;
    std::int16_t& state = about ? AboutButtonState : PaletteButtonState;
    state = static_cast<std::int16_t>(Button);
    PicEn();
    if (about)
      关于我们0.picture = state == kRightButton ? PictureId::关于我们3 : PictureId::关于我们2;
    else
      系统调色板0.picture = state == kRightButton ? PictureId::系统调色板3 : PictureId::系统调色板2;
    return;
  }
  if (!inFront) {
    PicEn();
    return;
  }
  if (&button == &最小0) {
    关闭0.picture = PictureId::关闭1;
    最小0.picture = Button == kLeftButton ? PictureId::最小3 : PictureId::最小2;
  } else if (&button == &关闭0) {
    最小0.picture = PictureId::最小1;
    关闭0.picture = Button == kLeftButton ? PictureId::关闭3 : PictureId::关闭2;
  }
}

// The release goes to the pressed button wherever the pointer is, for any button.
void WindowFrame::ImageButton_MouseUp(Image& button, int) {
  if (&button == &关于我们0) {
    关于我们0.picture = PictureId::关于我们1;
    AboutButtonState = 0;
    actions_.ShowAboutWindow();
  } else if (&button == &系统调色板0) {
    系统调色板0.picture = PictureId::系统调色板1;
    PaletteButtonState = 0;
    actions_.CallColourDialog();
  } else if (&button == &最小0) {
    最小0.picture = PictureId::最小2;
    windowState_ = WindowState::Minimised;
    window_.MinimiseWindow();
  } else if (&button == &关闭0) {
    关闭0.picture = PictureId::关闭2;
    actions_.CloseMainWindow();
  }
}

void WindowFrame::ImageButton_Click(Image& button) {
  if (&button == &关于我们0) {
    关于我们0.picture = PictureId::关于我们1;
    AboutButtonState = 0;
  } else if (&button == &系统调色板0) {
    PaletteButtonState = 0;
    系统调色板0.picture = PictureId::系统调色板1;
  }
}

void WindowFrame::PicEn() {
  关闭0.picture = PictureId::关闭1;
  最小0.picture = PictureId::最小1;
  按钮恢复();
}

void WindowFrame::按钮恢复() {
  关于我们0.picture = AboutButtonState == kRightButton ? PictureId::关于我们3 : PictureId::关于我们1;
  系统调色板0.picture = PaletteButtonState == kRightButton ? PictureId::系统调色板3 : PictureId::系统调色板1;
}

bool WindowFrame::IsWindowForeground() { return window_.IsMainWindowForeground(); }

bool WindowFrame::HoverPicturesAtRest() const {
  return 关闭0.picture == PictureId::关闭1 && 最小0.picture == PictureId::最小1 &&
         关于我们0.picture == (AboutButtonState == kRightButton ? PictureId::关于我们3 : PictureId::关于我们1) &&
         系统调色板0.picture == (PaletteButtonState == kRightButton ? PictureId::系统调色板3 : PictureId::系统调色板1);
}

// A minimised window's rectangle is the system's parking place, not the user's: saving it
// would lose the window's place at the next start, so neither save runs while minimised.
void WindowFrame::DragWindow() {
  window_.DragMainWindow();
  获取鼠标坐标();
  if (windowState_ != WindowState::Minimised) placement_.SavePlacement();
}

void WindowFrame::DragSurfaceMove() {
  DragWindow();
  PicEn();
  if (windowState_ != WindowState::Minimised) placement_.SavePlacement();
}

void WindowFrame::获取鼠标坐标() {
  const ScreenRect r = window_.MainWindowRect();
  WindowRect = {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
                static_cast<float>(r.height)};
}

void WindowFrame::HoverTimerProc() {
  // PicEn only puts hover pictures back; with every button at rest it would change
  // nothing, so the two queries that decide on it (a server round trip each under Wine,
  // a hundred times a second) are spared.
  if (HoverPicturesAtRest()) {
    magnifier_.屏幕预览();
    return;
  }
  const bool inFront = IsWindowForeground();
  magnifier_.屏幕预览();
  if (!inFront) {
    PicEn();
    return;
  }
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos) return;
  const float x = static_cast<float>(pos->x), y = static_cast<float>(pos->y);
  const FloatRect& r = WindowRect;
  if (x > r.left && x < r.left + r.width && y > r.top && y < r.top + r.height) return;
  PicEn();
}

// The borderless window's taskbar button gets a system menu and can minimise.
void WindowFrame::HookWindowFrame() { window_.AddWindowStyle(kSysMenuAndMinimiseBox); }

// Compared exactly, low bits and all; the command still goes on to the system afterwards.
void WindowFrame::FrameSystemCommand(unsigned wParam) {
  if (wParam == kSystemClose) actions_.CloseMainWindow();
}

}  // namespace velkaro
