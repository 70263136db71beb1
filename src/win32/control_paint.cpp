#include "control_paint.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <optional>
#include <string>

#include "icons.h"
#include "pictures.h"
#include "unicode.h"

namespace velkaro {

namespace {

constexpr COLORREF kFrameLine = RGB(190, 190, 196);
constexpr COLORREF kCaptionText = RGB(60, 60, 70);
constexpr int kFrameCorner = 6;
constexpr int kCaptionIndent = 6;
constexpr int kShapeLine = 2;
constexpr int kTargetSize = 32;
constexpr int kLabelGapPx = 2;  // between a label's text and the control it names

// The image buttons, drawn at the screen's density so that they stay sharp: blue plates
// (resting, hover darker, pressed darkest) and dark squares (hover grey or red).
constexpr COLORREF kPlate[] = {RGB(45, 125, 215), RGB(30, 100, 185), RGB(20, 75, 150)};
constexpr COLORREF kMinimiseSquare[] = {RGB(33, 33, 38), RGB(90, 90, 98), RGB(60, 60, 66)};
constexpr COLORREF kCloseSquare[] = {RGB(33, 33, 38), RGB(215, 45, 45), RGB(150, 25, 25)};
constexpr int kPlateCornerPx = 8, kPlateMarkPx = 20, kPlateMarkLeftPx = 14, kPlateTextGapPx = 8;
constexpr int kSquareMarkPx = 16;
constexpr float kPlateTextPt = 10.5f;
constexpr wchar_t kAboutPlateText[] = L"关于我们", kPalettePlateText[] = L"调色板";

bool IsImageButtonPicture(PictureId p) { return p >= PictureId::AboutRest && p <= PictureId::ClosePressed; }

RECT ToRect(const ScreenRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) { return (h ^ v) * 1099511628211ull; }
// A place as its bits: any change shows, and a negative place is no undefined cast.
std::uint64_t Mix(std::uint64_t h, float v) { return Mix(h, std::uint64_t{std::bit_cast<std::uint32_t>(v)}); }

}  // namespace

void ControlPainter::LoadPictures(int cursorSize) {
  pictures_[PictureId::Target] = CreateIconFromPicture(DrawTargetIcon(kTargetSize), false);
  pictures_[PictureId::PointerLight] = CreateIconFromPicture(DrawCrossHairPointer(cursorSize, true), true);
  pictures_[PictureId::PointerDark] = CreateIconFromPicture(DrawCrossHairPointer(cursorSize, false), true);
  // The thumb's design size, 165 x 150 twips.
  pictures_[PictureId::SliderThumb] =
      CreateIconFromPicture(DrawSliderThumb(units_.PixelsX(165), units_.PixelsY(150)), false);
  marks_[Mark::Heart] = CreateIconFromPicture(DrawButtonHeart(units_.ScaledX(kPlateMarkPx)), false);
  marks_[Mark::ColourSquares] = CreateIconFromPicture(DrawButtonColourSquares(units_.ScaledX(kPlateMarkPx)), false);
  marks_[Mark::Bar] = CreateIconFromPicture(DrawButtonBar(units_.ScaledX(kSquareMarkPx)), false);
  marks_[Mark::Cross] = CreateIconFromPicture(DrawButtonCross(units_.ScaledX(kSquareMarkPx)), false);
}

HICON ControlPainter::Picture(PictureId id) const {
  const auto it = pictures_.find(id);
  return it == pictures_.end() ? nullptr : it->second.get();
}

RECT ControlPainter::ClientRect(const Control& c) const {
  RECT r = ToRect(units_.ClientPixels(c));
  if (const auto it = widened_.find(&c); it != widened_.end()) r.right += it->second;
  if (const auto it = narrowed_.find(&c); it != narrowed_.end()) r.left += it->second;
  return r;
}

void ControlPainter::FitLabels(HDC dc, const std::vector<Control*>& controls) {
  widened_.clear();
  narrowed_.clear();
  for (const Control* c : controls) {
    if (c->kind != ControlKind::Label || !static_cast<const Label*>(c)->names) continue;
    const auto& label = static_cast<const Label&>(*c);
    Selected font(dc, fonts_.Get(label.fontPt));
    const std::wstring text = Widen(label.caption);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const ScreenRect box = units_.ClientPixels(label), next = units_.ClientPixels(*label.names);
    const int over = box.left + size.cx + units_.ScaledX(kLabelGapPx) - next.left;
    if (over <= 0) continue;
    const int given = std::min(over, next.width / 4);
    widened_[&label] = next.left + given - (box.left + box.width);
    narrowed_[label.names] = given;
  }
}

// A line is drawn over its parent picture, and the parent's paint must cover it.
RECT ControlPainter::DirtyRect(const Control& c) const {
  const Control& area = c.kind == ControlKind::Line && c.parent ? *c.parent : c;
  RECT r = ClientRect(area);
  InflateRect(&r, 1, 1);
  return r;
}

std::uint64_t ControlPainter::Signature(const Control& c) {
  std::uint64_t h = 1469598103934665603ull;
  switch (c.kind) {
    case ControlKind::PictureBox:
      return Mix(h, static_cast<const PictureBox&>(c).surface.Revision());
    case ControlKind::Shape: {
      const auto& s = static_cast<const Shape&>(c);
      return Mix(Mix(Mix(Mix(h, static_cast<std::uint64_t>(s.borderColor)), static_cast<std::uint64_t>(s.fillColor)),
                     s.place.left),
                 s.place.top);
    }
    case ControlKind::Line: {
      const auto& l = static_cast<const Line&>(c);
      return Mix(Mix(Mix(h, static_cast<std::uint64_t>(l.borderColor)), l.x1), l.y1);
    }
    case ControlKind::Frame:
      return Mix(h, std::hash<std::string>{}(static_cast<const Frame&>(c).caption));
    case ControlKind::Image:
      return Mix(Mix(Mix(h, static_cast<std::uint64_t>(static_cast<const Image&>(c).picture)), c.place.left),
                 c.place.top);
    default:
      return h;
  }
}

void ControlPainter::Paint(HDC dc, const Control& c) {
  const RECT r = ClientRect(c);
  switch (c.kind) {
    case ControlKind::Frame: return PaintFrame(dc, static_cast<const Frame&>(c), r);
    case ControlKind::Label: return PaintLabel(dc, static_cast<const Label&>(c), r);
    case ControlKind::PictureBox: return PaintPictureBox(dc, static_cast<const PictureBox&>(c), r);
    case ControlKind::Shape: return PaintShape(dc, static_cast<const Shape&>(c), r);
    case ControlKind::Line: return PaintLine(dc, static_cast<const Line&>(c));
    case ControlKind::Image: return PaintImage(dc, static_cast<const Image&>(c), r);
    default: return;  // text boxes are edits of their own; the rest are never on screen
  }
}

// A rounded outline with the caption over it on a patch of the body colour.
void ControlPainter::PaintFrame(HDC dc, const Frame& frame, const RECT& r) {
  Selected font(dc, fonts_.Get(frame.fontPt));
  SIZE caption{};
  const std::wstring text = Widen(frame.caption);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &caption);
  const RECT border{r.left, r.top + caption.cy / 2, r.right, r.bottom};
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kFrameLine));
  Selected p(dc, pen.get());
  Selected b(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, border.left, border.top, border.right, border.bottom, kFrameCorner, kFrameCorner);
  if (text.empty()) return;
  RECT label{r.left + kCaptionIndent, r.top, r.left + kCaptionIndent + 4 + caption.cx, r.top + caption.cy};
  GdiObject<HBRUSH> bg(CreateSolidBrush(kBody));
  FillRect(dc, &label, bg.get());
  SetTextColor(dc, kCaptionText);
  label.left += 2;
  DrawTextW(dc, text.c_str(), -1, &label, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
}

void ControlPainter::PaintLabel(HDC dc, const Label& label, RECT r) {
  Selected font(dc, fonts_.Get(label.fontPt));
  SetTextColor(dc, kCaptionText);
  DrawTextW(dc, Widen(label.caption).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

// The surface goes to the screen as it is: it is already in the DIB's pixel order.
void ControlPainter::PaintPictureBox(HDC dc, const PictureBox& box, RECT r) {
  if (box.border == BorderStyle::Fixed3D) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
  const Surface& s = box.surface;
  if (s.Width() == 0 || s.Height() == 0) return;
  const int inset = BorderInsetPx(box);
  const BITMAPINFO info = TopDown32(s.Width(), s.Height());
  SetDIBitsToDevice(dc, r.left + inset, r.top + inset, static_cast<DWORD>(s.Width()), static_cast<DWORD>(s.Height()),
                    0, 0, 0, static_cast<UINT>(s.Height()), s.Pixels(), &info, DIB_RGB_COLORS);
}

// A marker is clipped to its picture, as lines are: near an edge it may stand half outside.
void ControlPainter::PaintShape(HDC dc, const Shape& shape, const RECT& r) {
  std::optional<ClipRegion> clip;
  if (shape.parent) {
    const RECT area = ClientRect(*shape.parent);
    const int inset = BorderInsetPx(*shape.parent);
    clip.emplace(dc, RECT{area.left + inset, area.top + inset, area.right - inset, area.bottom - inset});
  }
  GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, kShapeLine, ToColorRef(shape.borderColor)));
  Selected p(dc, pen.get());
  Selected b(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

// Lines are placed in their parent picture's pixels and clipped to it.
void ControlPainter::PaintLine(HDC dc, const Line& line) {
  if (!line.parent) return;
  const RECT area = ClientRect(*line.parent);
  const int inset = BorderInsetPx(*line.parent);
  const int ox = area.left + inset, oy = area.top + inset;
  ClipRegion clip(dc, {ox, oy, area.right - inset, area.bottom - inset});
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(line.borderColor)));
  Selected p(dc, pen.get());
  MoveToEx(dc, ox + static_cast<int>(line.x1), oy + static_cast<int>(line.y1), nullptr);
  LineTo(dc, ox + static_cast<int>(line.x2), oy + static_cast<int>(line.y2));
}

void ControlPainter::PaintImage(HDC dc, const Image& image, const RECT& r) {
  if (image.picture == PictureId::None) return;
  if (IsImageButtonPicture(image.picture)) return PaintImageButton(dc, image.picture, r);
  DrawIconEx(dc, r.left, r.top, Picture(image.picture), r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
}

void ControlPainter::PaintImageButton(HDC dc, PictureId picture, const RECT& r) {
  const int index = static_cast<int>(picture) - static_cast<int>(PictureId::AboutRest);
  const int look = index % 3;  // resting, hover, pressed
  const int which = index / 3;  // about, palette, minimise, close
  if (which >= 2) {
    GdiObject<HBRUSH> fill(CreateSolidBrush(which == 2 ? kMinimiseSquare[look] : kCloseSquare[look]));
    FillRect(dc, &r, fill.get());
    const int size = units_.ScaledX(kSquareMarkPx);
    DrawIconEx(dc, (r.left + r.right - size) / 2, (r.top + r.bottom - size) / 2,
               marks_[which == 2 ? Mark::Bar : Mark::Cross].get(), size, size, 0, nullptr, DI_NORMAL);
    return;
  }
  GdiObject<HBRUSH> fill(CreateSolidBrush(kPlate[look]));
  GdiObject<HPEN> edge(CreatePen(PS_SOLID, 1, kPlate[look]));
  Selected b(dc, fill.get());
  Selected p(dc, edge.get());
  const int corner = units_.ScaledX(kPlateCornerPx);
  RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
  const int mark = units_.ScaledX(kPlateMarkPx), left = r.left + units_.ScaledX(kPlateMarkLeftPx);
  DrawIconEx(dc, left, (r.top + r.bottom - mark) / 2, marks_[which == 0 ? Mark::Heart : Mark::ColourSquares].get(),
             mark, mark, 0, nullptr, DI_NORMAL);
  RECT text{left + mark + units_.ScaledX(kPlateTextGapPx), r.top, r.right, r.bottom};
  Selected font(dc, fonts_.Get(kPlateTextPt, true));
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, which == 0 ? kAboutPlateText : kPalettePlateText, -1, &text,
            DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace velkaro
