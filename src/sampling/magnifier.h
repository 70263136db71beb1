// The magnifier and its zoom: during a pick, the screen around the pointer enlarged, with
// the cross hair and, from 300 %, a pixel grid. The hover tick drives it.
#pragma once

#include <cstdint>

#include "controls.h"
#include "platform.h"
#include "surface.h"
#include "units.h"

namespace velkaro {

// What the user sees: the enlarged screen around the pointer during a pick, its cross hair
// and the pointer's picture over the crossing. The frame's caption tells the position.
struct MagnifierPanel {
  explicit MagnifierPanel(ControlList& window);
  Frame frame;
  PictureBox view;
  Image pointer;
  Line crossHairV, crossHairH;
};

// The zoom's own controls, right of the window's visible area: never seen, but they hold
// the zoom and the grid switch, and the scratch box's colour fills the block.
struct ZoomPanel {
  explicit ZoomPanel(ControlList& window);
  PictureBox scratch;  // its colour fills the block, its middle takes the pointer
  ScrollBar bar;
  TextBox box;
  CheckBox onTop;
  CheckBox grid;
};

enum class PickMode { None, Drag, Hotkey };

class Magnifier {
 public:
  // `pickMode` is the eyedropper's; the view follows the pointer only during a pick.
  Magnifier(MagnifierPanel& panel, ZoomPanel& zoom, const PickMode& pickMode, const WindowState& windowState,
            const bool& shown, const Units& units, ScreenPointer& screen, WindowHost& window, SystemServices& system)
      : panel_(panel), zoom_(zoom), pickMode_(pickMode), windowState_(windowState), shown_(shown), units_(units),
        screen_(screen), window_(window), system_(system) {}
  // One preview step: a new picture is due when the pointer moved, or every 250th step.
  void PreviewStep();
  void PreviewStep(std::optional<Point> pointer);  // the same, the pointer already asked
  // The due picture is taken on its own, once the step's readouts are out: the window
  // takes it before it paints, so both show together, and a program reading a readout
  // is not kept waiting for the screen copy.
  bool PictureDue() const { return due_.has_value(); }
  void TakeDuePicture();
  void CaptureMagnifier(Point pt);
  void DrawZoomGrid();
  float ClampZoom(float z) const;
  void ZoomBoxFocused();
  void ZoomBoxKeyPress(int& KeyAscii);
  void ZoomBoxLeft();
  void GridClicked();
  void ZoomBarChanged();
  void SetZoomValue(int value);  // sets zoomBar's value, running Change when it differs
  // Puts the cross hair, and the pointer's picture centred on it, over the cell where the
  // pointer's pixel lands at this zoom.
  void PlaceCrossHair();

  static constexpr std::int32_t kForceNewPicture = -100;  // as lastPreviewX: the next step takes a new picture
  // The side of the square a pick averages (1: none); the view outlines its cells.
  int averageSpan = 1;
  void OutlineAveragedCells();

  float zoomFactor = 0;
  std::int32_t lastPreviewX = 0, lastPreviewY = 0;
  std::int32_t previewTicks = 0;
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
  std::optional<Point> due_;  // where the next picture is to be taken
  MagnifierPanel& panel_;
  ZoomPanel& zoom_;
  const PickMode& pickMode_;
  const WindowState& windowState_;
  const bool& shown_;
  const Units& units_;
  ScreenPointer& screen_;
  WindowHost& window_;
  SystemServices& system_;
};

}  // namespace velkaro
