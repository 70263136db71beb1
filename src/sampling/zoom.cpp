// Zoom of the magnifier and the window rectangle for the hover test.
#include "form1.h"

namespace velkaro {

namespace {
// "####%": the percentage without decimals.
std::string ZoomText(float factor) {
  return DecimalText(RoundTiesToEven(static_cast<double>(factor) * 100)) + "%";
}
constexpr std::int32_t kForceNewPicture = -100;
}  // namespace

void Form1::SetZoomValue(int value) {
  if (value == hsbZoom.value) return;
  hsbZoom.value = value;
  hsbZoom_Change();
}

void Form1::hsbZoom_Change() {
  txtZoom.text = ZoomText(static_cast<float>(hsbZoom.value) / 100);
  ZoomFactor = static_cast<float>(hsbZoom.value) / 100;
  if (shown && windowState != WindowState::Minimised && picZoom.visible) platform_.FocusMainWindow();
  LastPreviewX = kForceNewPicture;
}

void Form1::获取鼠标坐标() {
  const ScreenRect r = platform_.MainWindowRect();
  WindowRect = {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
                static_cast<float>(r.height)};
}

}  // namespace velkaro
