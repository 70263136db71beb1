// The magnifier and its zoom: during a drag, the screen around the pointer enlarged in
// picZoom, with the cross hair and, from 300 %, a pixel grid. The hover tick drives it.
#pragma once

#include <cstdint>

#include "controls.h"
#include "platform.h"
#include "surface.h"
#include "units.h"

namespace velkaro {

struct MagnifierControls {
  PictureBox& picZoom;  // the view
  PictureBox& PicTemp;  // the scratch box: its colour fills the block, its middle takes the pointer
  ScrollBar& hsbZoom;
  TextBox& txtZoom;
  CheckBox& chkGrid;
  Line &Line1, &Line2;  // the cross hair: horizontal, vertical
  Image& Image8;        // the pointer's picture over the crossing
};

class Magnifier : private MagnifierControls {
 public:
  // `picking` is the eyedropper's drag state; the view follows the pointer only during one.
  Magnifier(const MagnifierControls& controls, const std::int16_t& picking, const WindowState& windowState,
            const bool& shown, const Units& units, ScreenPointer& screen, WindowHost& window, SystemServices& system)
      : MagnifierControls(controls), picking_(picking), windowState_(windowState), shown_(shown), units_(units),
        screen_(screen), window_(window), system_(system) {}
  void 屏幕预览();  // one preview step: a new picture when the pointer moved, or every 250th
  void CaptureMagnifier(Point pt);
  void DrawZoomGrid();
  float ClampZoom(float z) const;
  void txtZoom_GotFocus();
  void txtZoom_KeyPress(int& KeyAscii);
  void txtZoom_LostFocus();
  void chkGrid_Click();
  void hsbZoom_Change();
  void SetZoomValue(int value);  // sets hsbZoom's value, running Change when it differs
  // Puts the cross hair, and the pointer's picture centred on it, over the cell where the
  // pointer's pixel lands at this zoom.
  void PlaceCrossHair();

  static constexpr std::int32_t kForceNewPicture = -100;  // as LastPreviewX: the next step takes a new picture
  // The side of the square a pick averages (1: none); the view outlines its cells.
  int averageSpan = 1;
  void OutlineAveragedCells();

  float ZoomFactor = 0;
  std::int32_t LastPreviewX = 0, LastPreviewY = 0;
  std::int32_t PreviewTicks = 0;
  Surface magnifierBlock;  // the screen block, before it is enlarged
  struct Timings {
    std::uint32_t pictures = 0;
    double totalMicros = 0;
  } magnifierTimings;

 private:
  // Where the pointer's pixel lands in the view: its cell's corner, and the zoom.
  struct Cell {
    double x, y, zoom;
  };
  Cell PointerCell() const;
  const std::int16_t& picking_;
  const WindowState& windowState_;
  const bool& shown_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  SystemServices& system_;
};

}  // namespace velkaro
