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

MagnifierPanel::MagnifierPanel(ControlList& w)
    : frame{w, "Frame5", nullptr, Px(10, 149, 275, 268), "像素坐标校准:"},
      view{w, "picZoom", &frame, Px(3, 16, 269, 248), 0xF0E0C0, BorderStyle::Fixed3D},
      pointer{w, "Image8", &view, Px(116, 109, 32, 32)},
      crossHairV{w, "Line2", &view, 132, 0, 132, 280},
      crossHairH{w, "Line1", &view, 0, 125, 272, 125} {}

ZoomPanel::ZoomPanel(ControlList& w)
    : scratch{w, "PicTemp", nullptr, Px(1056, 176, 150, 57)},
      bar{w, "hsbZoom", &scratch, Px(0, 0, 80, 18), 25, 1000, 1000},
      box{w, "txtZoom", &scratch, Px(80, 0, 38, 19), "1000%"},
      onTop{w, "chkOnTop", &scratch, Px(0, 20, 80, 17), "", 0},
      grid{w, "chkGrid", nullptr, Px(1080, 424, 57, 17), "像素标", 1} {}

void Magnifier::PreviewStep() {
  if (windowState_ == WindowState::Minimised || pickMode_ == PickMode::None) return;
  PreviewStep(screen_.CursorPos());
}

void Magnifier::PreviewStep(std::optional<Point> pos) {
  if (windowState_ == WindowState::Minimised || pickMode_ == PickMode::None) return;
  ++previewTicks;
  if (!pos) return;
  if (pos->x != lastPreviewX || pos->y != lastPreviewY || previewTicks >= kRenewEveryTicks) {
    due_ = *pos;
    previewTicks = 0;
  }
  lastPreviewX = pos->x;
  lastPreviewY = pos->y;
}

void Magnifier::TakeDuePicture() {
  if (!due_) return;
  const Point at = *due_;
  due_.reset();
  CaptureMagnifier(at);
}

/* With z the zoom, W = view width + 10 and H = view height:
 *   source block: origin pt - floor(W / z / 2, H / z / 2), size W / z x H / z (rounded)
 *   destination: floor(z x cx) wide; one more source column (and z more pixels) when that
 *   falls short of W; the same for rows. Drawn at x = -8, so the pointer's pixel lands on
 *   the cross hair (at 800 %: 17 pixels left of it, x = 128..136 around the line at 132). */
void Magnifier::CaptureMagnifier(Point pt) {
  const auto started = std::chrono::steady_clock::now();
  const double z = zoomFactor;
  Surface& view = panel_.view.surface;
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
  view.Fill(panel_.view.backColor);
  // The block holds what this zoom takes and no more: at 25 % it is 4 MB, at 800 % 4 KB.
  if (magnifierBlock.Width() != cx || magnifierBlock.Height() != cy)
    magnifierBlock = Surface(cx, cy, zoom_.scratch.backColor);
  magnifierBlock.Fill(zoom_.scratch.backColor);
  screen_.CopyScreenBlock({sx, sy}, cx, cy, magnifierBlock, 0, 0);
  // The pointer goes where the 150 x 57 scratch box had its middle.
  screen_.DrawCurrentPointer(magnifierBlock, Whole(zoom_.scratch.surface.Width() / 2.0),
                               Whole(zoom_.scratch.surface.Height() / 2.0));
  view.StretchFrom(magnifierBlock, 0, 0, cx, cy, kViewShiftX, 0, dw, dh);
  if (zoom_.grid.value == 1) DrawZoomGrid();
  OutlineAveragedCells();
  const double micros =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started).count();
  ++magnifierTimings.pictures;
  magnifierTimings.totalMicros += micros;
}

// One-pixel lines on multiples of the zoom from the view's corner, in an 8 x 8 checker of
// grey and silver aligned to the view's origin.
void Magnifier::DrawZoomGrid() {
  if (zoomFactor < kGridFromZoom) return;
  Surface& view = panel_.view.surface;
  const auto w = static_cast<std::int16_t>(RoundTiesToEven(view.Width()));
  const auto h = static_cast<std::int16_t>(RoundTiesToEven(view.Height()));
  auto checker = [](int x, int y) { return (x + y) % 2 == 0 ? kGridGrey : kGridSilver; };
  for (float x = 0; x <= w; x += zoomFactor) {
    const int col = static_cast<int>(std::floor(x));
    for (int y = 0; y < h; ++y) view.Set(col, y, checker(col, y));
  }
  for (float y = 0; y <= h; y += zoomFactor) {
    const int row = static_cast<int>(std::floor(y));
    for (int x = 0; x < w; ++x) view.Set(x, row, checker(x, row));
  }
}

// A white frame with a black one inside around the averaged cells: seen on any colour.
void Magnifier::OutlineAveragedCells() {
  if (averageSpan <= 1) return;
  const Cell cell = PointerCell();
  const double z = cell.zoom;
  Surface& view = panel_.view.surface;
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
  if (p > static_cast<float>(zoom_.bar.max)) return static_cast<float>(zoom_.bar.max) / 100;
  if (p < static_cast<float>(zoom_.bar.min)) return static_cast<float>(zoom_.bar.min) / 100;
  return z;
}

void Magnifier::ZoomBoxFocused() {
  zoom_.box.text = DecimalText(static_cast<std::int64_t>(LeadingNumber(zoom_.box.text)));
  zoom_.box.selStart = 0;
  zoom_.box.selLength = static_cast<int>(zoom_.box.text.size());
}

void Magnifier::ZoomBoxKeyPress(int& KeyAscii) {
  if (KeyAscii == kEnter) {
    KeyAscii = 0;
    // The focus goes to the view and comes back: that applies the zoom and selects the text.
    window_.FocusMainWindow();
    ZoomBoxLeft();
    ZoomBoxFocused();
    return;
  }
  if (KeyAscii >= kFirstPrintable && (KeyAscii < '0' || KeyAscii > '9')) {
    KeyAscii = 0;
    system_.Beep();
  }
}

void Magnifier::ZoomBoxLeft() {
  const double percent = LeadingNumber(zoom_.box.text);
  const float z = ClampZoom(static_cast<float>(std::fmin(percent, 1e9) / 100));
  zoomFactor = z;
  PlaceCrossHair();
  SetZoomValue(static_cast<int>(RoundTiesToEven(z * 100.0)));
  zoom_.box.text = ZoomText(zoomFactor);
}

void Magnifier::GridClicked() { lastPreviewX = kForceNewPicture; }

/* The pointer's pixel is source column floor(W / z / 2) (W = view width + 10), drawn from
 * x = -8, and row floor(H / z / 2): its cell starts at those times z. The lines cross at
 * half and five eighths of the cell, which at 96 dpi and 800 % is the design's 132, 125;
 * at other zooms and densities they still mark the picked pixel. */
Magnifier::Cell Magnifier::PointerCell() const {
  const double z = zoomFactor > 0 ? zoomFactor : 1;
  const Surface& view = panel_.view.surface;
  const double W = view.Width() + kViewWidthExtra, H = view.Height();
  return {std::floor(W / z / 2) * z + kViewShiftX, std::floor(H / z / 2) * z, z};
}

void Magnifier::PlaceCrossHair() {
  const Surface& view = panel_.view.surface;
  const Cell cell = PointerCell();
  const double z = cell.zoom;
  const auto x = static_cast<float>(std::floor(cell.x + z / 2)), y = static_cast<float>(std::floor(cell.y + z * 5 / 8));
  panel_.crossHairV.x1 = panel_.crossHairV.x2 = x;
  panel_.crossHairV.y1 = 0;
  panel_.crossHairV.y2 = static_cast<float>(view.Height() + kViewWidthExtra);
  panel_.crossHairH.y1 = panel_.crossHairH.y2 = y;
  panel_.crossHairH.x1 = 0;
  panel_.crossHairH.x2 = static_cast<float>(view.Width() + kViewWidthExtra);
  // The picture's hot spot is its middle: 116, 109 for a 32 x 32 picture at 96 dpi.
  const int w = units_.PixelsX(panel_.pointer.place.width), h = units_.PixelsY(panel_.pointer.place.height);
  panel_.pointer.place.left = (x - static_cast<float>(w / 2)) * units_.TwipsPerPixelX();
  panel_.pointer.place.top = (y - static_cast<float>(h / 2)) * units_.TwipsPerPixelY();
}

void Magnifier::SetZoomValue(int value) {
  if (value == zoom_.bar.value) return;
  zoom_.bar.value = value;
  ZoomBarChanged();
}

void Magnifier::ZoomBarChanged() {
  zoom_.box.text = ZoomText(static_cast<float>(zoom_.bar.value) / 100);
  zoomFactor = static_cast<float>(zoom_.bar.value) / 100;
  PlaceCrossHair();
  if (shown_ && windowState_ != WindowState::Minimised && panel_.view.visible) window_.FocusMainWindow();
  lastPreviewX = kForceNewPicture;
}

}  // namespace velkaro
