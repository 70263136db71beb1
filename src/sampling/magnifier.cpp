#include "magnifier.h"

#include <chrono>
#include <cmath>

#include "number_text.h"

namespace velkaro {

namespace {
constexpr std::int32_t kRenewEveryTicks = 250;
constexpr int kViewWidthExtra = 10;  // with the shift below, centres the pointer's pixel
constexpr int kViewShiftX = -8;
constexpr float kGridFromZoom = 3.0f;
constexpr ColorValue kGridGrey = 8421504, kGridSilver = 12632256;
constexpr int kEnter = 13, kFirstPrintable = 32;

std::int32_t Whole(double v) { return static_cast<std::int32_t>(RoundTiesToEven(v)); }
std::string ZoomText(float factor) { return DecimalText(RoundTiesToEven(factor * 100.0)) + "%"; }
}  // namespace

void Magnifier::屏幕预览() {
  if (windowState_ == WindowState::Minimised || picking_ == 0) return;
  ++PreviewTicks;
  const std::optional<Point> pos = screen_.CursorPos();
  if (!pos) return;
  if (pos->x != LastPreviewX || pos->y != LastPreviewY || PreviewTicks >= kRenewEveryTicks) {
    CaptureMagnifier(*pos);
    PreviewTicks = 0;
  }
  LastPreviewX = pos->x;
  LastPreviewY = pos->y;
}

/* With z the zoom, W = view width + 10 and H = view height:
 *   source block: origin pt - floor(W / z / 2, H / z / 2), size W / z x H / z (rounded)
 *   destination: floor(z x cx) wide; one more source column (and z more pixels) when that
 *   falls short of W; the same for rows. Drawn at x = -8, so the pointer's pixel lands on
 *   the cross hair (at 800 %: 17 pixels left of it, x = 128..136 around the line at 132). */
void Magnifier::CaptureMagnifier(Point pt) {
  const auto started = std::chrono::steady_clock::now();
  const double z = ZoomFactor;
  Surface& view = picZoom.surface;
  const std::int32_t W = Whole(view.Width() + kViewWidthExtra), H = Whole(view.Height());
  const std::int32_t sx = pt.x - Whole(std::floor(W / z / 2));
  const std::int32_t sy = pt.y - Whole(std::floor(H / z / 2));
  std::int32_t cx = Whole(W / z), cy = Whole(H / z);
  std::int32_t dw = static_cast<std::int32_t>(std::floor(z * cx));
  if (dw < W) {
    ++cx;
    dw = Whole(z + dw);
  }
  std::int32_t dh = static_cast<std::int32_t>(std::floor(z * cy));
  if (dh < H) {
    ++cy;
    dh = Whole(z + dh);
  }
  view.Fill(picZoom.backColor);
  // The block holds what this zoom takes and no more: at 25 % it is 4 MB, at 800 % 4 KB.
  if (magnifierBlock.Width() != cx || magnifierBlock.Height() != cy)
    magnifierBlock = Surface(cx, cy, PicTemp.backColor);
  magnifierBlock.Fill(PicTemp.backColor);
  screen_.CopyScreenBlock({sx, sy}, cx, cy, magnifierBlock, 0, 0);
  // The pointer goes where the 150 x 57 scratch box had its middle.
  screen_.DrawCurrentPointer(magnifierBlock, Whole(PicTemp.surface.Width() / 2.0),
                               Whole(PicTemp.surface.Height() / 2.0));
  view.StretchFrom(magnifierBlock, 0, 0, cx, cy, kViewShiftX, 0, dw, dh);
  if (chkGrid.value == 1) DrawZoomGrid();
  OutlineAveragedCells();
  const double micros =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started).count();
  ++magnifierTimings.pictures;
  magnifierTimings.totalMicros += micros;
}

// One-pixel lines on multiples of the zoom from the view's corner, in an 8 x 8 checker of
// grey and silver aligned to the view's origin.
void Magnifier::DrawZoomGrid() {
  if (ZoomFactor < kGridFromZoom) return;
  Surface& view = picZoom.surface;
  const auto w = static_cast<std::int16_t>(RoundTiesToEven(view.Width()));
  const auto h = static_cast<std::int16_t>(RoundTiesToEven(view.Height()));
  auto checker = [](int x, int y) { return (x + y) % 2 == 0 ? kGridGrey : kGridSilver; };
  for (float x = 0; x <= w; x += ZoomFactor) {
    const int col = static_cast<int>(std::floor(x));
    for (int y = 0; y < h; ++y) view.Set(col, y, checker(col, y));
  }
  for (float y = 0; y <= h; y += ZoomFactor) {
    const int row = static_cast<int>(std::floor(y));
    for (int x = 0; x < w; ++x) view.Set(x, row, checker(x, row));
  }
}

// A white frame with a black one inside around the averaged cells: seen on any colour.
void Magnifier::OutlineAveragedCells() {
  if (averageSpan <= 1) return;
  const Cell cell = PointerCell();
  const double z = cell.zoom;
  Surface& view = picZoom.surface;
  const int r = averageSpan / 2;
  const int left = static_cast<int>(std::floor(cell.x - r * z)), top = static_cast<int>(std::floor(cell.y - r * z));
  const int right = static_cast<int>(std::floor(cell.x + (r + 1) * z)) - 1;
  const int bottom = static_cast<int>(std::floor(cell.y + (r + 1) * z)) - 1;
  auto frame = [&](int l, int t, int rr, int b, ColorValue c) {
    for (int x = l; x <= rr; ++x) {
      view.Set(x, t, c);
      view.Set(x, b, c);
    }
    for (int y = t; y <= b; ++y) {
      view.Set(l, y, c);
      view.Set(rr, y, c);
    }
  };
  frame(left - 1, top - 1, right + 1, bottom + 1, kWhite);
  frame(left, top, right, bottom, kBlack);
}

float Magnifier::ClampZoom(float z) const {
  const float p = z * 100;
  if (p > static_cast<float>(hsbZoom.max)) return static_cast<float>(hsbZoom.max) / 100;
  if (p < static_cast<float>(hsbZoom.min)) return static_cast<float>(hsbZoom.min) / 100;
  return z;
}

void Magnifier::txtZoom_GotFocus() {
  txtZoom.text = DecimalText(static_cast<std::int64_t>(LeadingNumber(txtZoom.text)));
  txtZoom.selStart = 0;
  txtZoom.selLength = static_cast<int>(txtZoom.text.size());
}

void Magnifier::txtZoom_KeyPress(int& KeyAscii) {
  if (KeyAscii == kEnter) {
    KeyAscii = 0;
    // The focus goes to the view and comes back: that applies the zoom and selects the text.
    window_.FocusMainWindow();
    txtZoom_LostFocus();
    txtZoom_GotFocus();
    return;
  }
  if (KeyAscii >= kFirstPrintable && (KeyAscii < '0' || KeyAscii > '9')) {
    KeyAscii = 0;
    system_.Beep();
  }
}

void Magnifier::txtZoom_LostFocus() {
  const double percent = LeadingNumber(txtZoom.text);
  const float z = ClampZoom(static_cast<float>(std::fmin(percent, 1e9) / 100));
  ZoomFactor = z;
  PlaceCrossHair();
  SetZoomValue(static_cast<int>(RoundTiesToEven(z * 100.0)));
  txtZoom.text = ZoomText(ZoomFactor);
}

void Magnifier::chkGrid_Click() { LastPreviewX = kForceNewPicture; }

/* The pointer's pixel is source column floor(W / z / 2) (W = view width + 10), drawn from
 * x = -8, and row floor(H / z / 2): its cell starts at those times z. The lines cross at
 * half and five eighths of the cell, which at 96 dpi and 800 % is the design's 132, 125;
 * at other zooms and densities they still mark the picked pixel. */
Magnifier::Cell Magnifier::PointerCell() const {
  const double z = ZoomFactor > 0 ? ZoomFactor : 1;
  const Surface& view = picZoom.surface;
  const double W = view.Width() + kViewWidthExtra, H = view.Height();
  return {std::floor(W / z / 2) * z + kViewShiftX, std::floor(H / z / 2) * z, z};
}

void Magnifier::PlaceCrossHair() {
  const Surface& view = picZoom.surface;
  const Cell cell = PointerCell();
  const double z = cell.zoom;
  const auto x = static_cast<float>(std::floor(cell.x + z / 2)), y = static_cast<float>(std::floor(cell.y + z * 5 / 8));
  Line2.x1 = Line2.x2 = x;
  Line2.y1 = 0;
  Line2.y2 = static_cast<float>(view.Height() + kViewWidthExtra);
  Line1.y1 = Line1.y2 = y;
  Line1.x1 = 0;
  Line1.x2 = static_cast<float>(view.Width() + kViewWidthExtra);
  // The picture's hot spot is its middle: 116, 109 for a 32 x 32 picture at 96 dpi.
  const int w = units_.PixelsX(Image8.place.width), h = units_.PixelsY(Image8.place.height);
  Image8.place.left = (x - static_cast<float>(w / 2)) * units_.TwipsPerPixelX();
  Image8.place.top = (y - static_cast<float>(h / 2)) * units_.TwipsPerPixelY();
}

void Magnifier::SetZoomValue(int value) {
  if (value == hsbZoom.value) return;
  hsbZoom.value = value;
  hsbZoom_Change();
}

void Magnifier::hsbZoom_Change() {
  txtZoom.text = ZoomText(static_cast<float>(hsbZoom.value) / 100);
  ZoomFactor = static_cast<float>(hsbZoom.value) / 100;
  PlaceCrossHair();
  if (shown_ && windowState_ != WindowState::Minimised && picZoom.visible) window_.FocusMainWindow();
  LastPreviewX = kForceNewPicture;
}

}  // namespace velkaro
