// Paints the model's controls onto a DC, one function per kind, and tells the view what
// a control's paint shows and where, so it repaints only what changed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "controls.h"
#include "fonts.h"
#include "gdi.h"
#include "units.h"

namespace velkaro {

inline constexpr COLORREF kBody = RGB(232, 232, 232);

class ControlPainter {
 public:
  ControlPainter(const Units& units, FontCache& fonts) : units_(units), fonts_(fonts) {}
  // Makes the pictures the image controls and pointers show.
  void LoadPictures(int cursorSize);
  HICON Picture(PictureId id) const;

  void Paint(HDC dc, const Control& c);
  RECT ClientRect(const Control& c) const;
  // Measures every label that names a control after it: where its text and a gap need
  // more than the room up to that control, the label widens and the control gives up its
  // left edge by as much (the rows have room to spare for their centred text).
  void FitLabels(HDC dc, const std::vector<Control*>& controls);
  // Where a control's paint lands, with a pixel to spare.
  RECT DirtyRect(const Control& c) const;
  // What the paint of one control shows that the model can change.
  static std::uint64_t Signature(const Control& c);

 private:
  void PaintFrame(HDC dc, const Frame& frame, const RECT& r);
  void PaintLabel(HDC dc, const Label& label, RECT r);
  void PaintPictureBox(HDC dc, const PictureBox& box, RECT r);
  void PaintShape(HDC dc, const Shape& shape, const RECT& r);
  void PaintLine(HDC dc, const Line& line);
  void PaintImage(HDC dc, const Image& image, const RECT& r);
  void PaintImageButton(HDC dc, PictureId picture, const RECT& r);

  const Units& units_;
  FontCache& fonts_;
  std::map<PictureId, IconHandle> pictures_;
  std::map<const Control*, int> widened_;  // by FitLabels: pixels a control gains on its right
  std::map<const Control*, int> narrowed_;  // pixels a control gives up on its left
  enum class Mark { Heart, ColourSquares, Bar, Cross };
  std::map<Mark, IconHandle> marks_;  // the image buttons' marks, at this density
};

}  // namespace velkaro
