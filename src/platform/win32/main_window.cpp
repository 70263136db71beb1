#include "main_window.h"

#include <commctrl.h>

#include <cmath>

#include "icons.h"
#include "pictures.h"

namespace velkaro {

namespace {

constexpr COLORREF kTitleBand = RGB(33, 33, 38);
constexpr COLORREF kBody = RGB(232, 232, 232);
constexpr COLORREF kFrameLine = RGB(190, 190, 196);
constexpr COLORREF kCaptionText = RGB(60, 60, 70);
constexpr COLORREF kTitleText = RGB(255, 255, 255);
constexpr COLORREF kSloganText = RGB(150, 150, 160);
constexpr int kTitleBandRows = 38;
constexpr wchar_t kFontFace[] = L"微软雅黑";
constexpr wchar_t kSlogan[] = L"屏幕取色 · 颜色换算 · 一键复制";
constexpr int kShapeLine = 2;

RECT ToRect(const ScreenRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

constexpr int kFixed3DInset = 2;
int Inset(const Control& c) {
  return c.kind == ControlKind::PictureBox &&
                 static_cast<const PictureBox&>(c).border == BorderStyle::Fixed3D
             ? kFixed3DInset
             : 0;
}

// Mouse buttons and modifier keys as the handlers count them.
int ButtonsHeld(WPARAM wp) {
  return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
}
int ShiftState(WPARAM wp) {
  return ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) { return (h ^ v) * 1099511628211ull; }

}  // namespace

MainWindow::MainWindow(Form1& form, HINSTANCE instance) : form_(form) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MainWindow::WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kMainWindowClass;
  RegisterClassExW(&wc);

  const int width = form.PixelsX(Form1::kClientWidthPx * 15.0f);
  const int height = form.PixelsY(Form1::kClientHeightPx * 15.0f);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  CreateWindowExW(WS_EX_APPWINDOW, kMainWindowClass, kMainWindowCaption, WS_POPUP | WS_CLIPCHILDREN,
                  left, top, width, height, nullptr, nullptr, instance, this);
}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  for (auto& [id, icon] : pictures_) DestroyIcon(icon);
}

LRESULT CALLBACK MainWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->OnMessage(msg, wp, lp);
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SIZE:
      OnSize(wp);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_COMMAND:
      if (HIWORD(wp) == EN_CHANGE) OnEditChanged(reinterpret_cast<HWND>(lp));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session is ending: leave the way the tray's Exit does, not by hiding.
      if (wp) form_.ExitProgram();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnMouse(msg, wp, lp);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd_) captured_ = nullptr;  // taken away: the drag goes on
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      if (msg == timingsMessage_ && timingsMessage_ != 0) {
        const auto& t = form_.magnifierTimings;
        const double tenths = t.pictures ? t.totalMicros / t.pictures * 10 : 0;
        return static_cast<LRESULT>(static_cast<std::uint64_t>(t.pictures) << 32 |
                                    static_cast<std::uint32_t>(tenths));
      }
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void MainWindow::OnCreate() {
  timingsMessage_ = RegisterWindowMessageW(kMagnifierTimingsMessage);
  const int cursorSize = GetSystemMetrics(SM_CXCURSOR) >= 48 ? 48 : 32;
  pictures_[PictureId::Target] = CreateIconFromPicture(DrawTargetIcon(32), false);
  pictures_[PictureId::PointerLight] = CreateIconFromPicture(DrawCrossHairPointer(cursorSize, true), true);
  pictures_[PictureId::PointerDark] = CreateIconFromPicture(DrawCrossHairPointer(cursorSize, false), true);
  pictures_[PictureId::SliderThumb] =
      CreateIconFromPicture(DrawSliderThumb(form_.PixelsX(165), form_.PixelsY(150)), false);

  const int index0 = kFirstControlId;
  const auto& controls = form_.Controls();
  signatures_.assign(controls.size(), 0);
  paintedRects_.assign(controls.size(), RECT{});
  for (std::size_t i = 0; i < controls.size(); ++i) {
    signatures_[i] = Signature(*controls[i]);
    paintedRects_[i] = DirtyRect(*controls[i]);
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(index0 + static_cast<int>(i)));
    if (controls[i]->kind == ControlKind::Frame) {
      // Frames are painted with the window; their captions also stand in hidden statics so
      // that screen readers and automation can read them.
      auto* frame = static_cast<Frame*>(controls[i]);
      const RECT r = ClientRect(*frame);
      HWND caption = CreateWindowExW(0, L"STATIC", Widen(frame->caption).c_str(), WS_CHILD, r.left, r.top,
                                     0, 0, hwnd_, id, nullptr, nullptr);
      captions_.push_back({frame, caption, frame->caption});
      continue;
    }
    if (controls[i]->kind != ControlKind::TextBox) continue;
    auto* box = static_cast<TextBox*>(controls[i]);
    const RECT r = ClientRect(*box);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_CENTER;
    if (box->readOnly) style |= ES_READONLY;
    HWND edit = CreateWindowExW(0, L"EDIT", Widen(box->text).c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, hwnd_, id, nullptr, nullptr);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(box->fontPt)), FALSE);
    // The boxes are narrow: the text needs every pixel of them.
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    edits_.push_back({box, edit, box->text, box->backColor, box->foreColor,
                      GdiObject<HBRUSH>(CreateSolidBrush(ToColorRef(box->backColor))), box->selections});
  }
  // Subclassed once the list is complete: the list does not move any more.
  for (Edit& e : edits_) SetWindowSubclass(e.hwnd, &MainWindow::EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  const int dpi = static_cast<int>(std::lround(1440 / form_.TwipsPerPixelY()));
  titleFont_.reset(CreateFontW(-MulDiv(15, dpi, 72), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                               CLEARTYPE_QUALITY, 0, kFontFace));
  sloganFont_.reset(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                                0, CLEARTYPE_QUALITY, 0, kFontFace));
}

void MainWindow::Sync() {
  if (!hwnd_) return;
  for (Edit& e : edits_) {
    if (e.box->text != e.shownText) {
      e.shownText = e.box->text;  // first, so the EN_CHANGE this causes is recognised as ours
      SetWindowTextW(e.hwnd, Widen(e.box->text).c_str());
    }
    if (e.box->selections != e.selections) {
      e.selections = e.box->selections;
      SendMessageW(e.hwnd, EM_SETSEL, static_cast<WPARAM>(e.box->selStart),
                   static_cast<LPARAM>(e.box->selStart + e.box->selLength));
    }
    if (e.box->backColor != e.back || e.box->foreColor != e.fore) {
      if (e.box->backColor != e.back) e.brush.reset(CreateSolidBrush(ToColorRef(e.box->backColor)));
      e.back = e.box->backColor;
      e.fore = e.box->foreColor;
      InvalidateRect(e.hwnd, nullptr, TRUE);
    }
  }
  for (Caption& c : captions_) {
    if (c.frame->caption == c.shown) continue;
    c.shown = c.frame->caption;
    SetWindowTextW(c.hwnd, Widen(c.shown).c_str());
  }
  const auto& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const std::uint64_t now = Signature(*controls[i]);
    if (now == signatures_[i]) continue;
    signatures_[i] = now;
    // Both where it was and where it is now: a thumb moves.
    InvalidateRect(hwnd_, &paintedRects_[i], FALSE);
    paintedRects_[i] = DirtyRect(*controls[i]);
    InvalidateRect(hwnd_, &paintedRects_[i], FALSE);
  }
}

void MainWindow::RepaintNow() {
  Sync();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// What the paint of one control shows that the model can change.
std::uint64_t MainWindow::Signature(const Control& c) const {
  std::uint64_t h = 1469598103934665603ull;
  switch (c.kind) {
    case ControlKind::PictureBox:
      return Mix(h, static_cast<const PictureBox&>(c).surface.Revision());
    case ControlKind::Shape: {
      const auto& s = static_cast<const Shape&>(c);
      return Mix(Mix(Mix(Mix(h, s.borderColor), s.fillColor), static_cast<std::uint64_t>(s.place.left)),
                 static_cast<std::uint64_t>(s.place.top));
    }
    case ControlKind::Line:
      return Mix(h, static_cast<const Line&>(c).borderColor);
    case ControlKind::Frame:
      return Mix(h, std::hash<std::string>{}(static_cast<const Frame&>(c).caption));
    case ControlKind::Image:
      return Mix(Mix(Mix(h, static_cast<std::uint64_t>(static_cast<const Image&>(c).picture)),
                     static_cast<std::uint64_t>(c.place.left * 16)),
                 static_cast<std::uint64_t>(c.place.top * 16));
    default:
      return h;
  }
}

// A line is drawn over its parent picture, and the parent's paint must cover it.
RECT MainWindow::DirtyRect(const Control& c) const {
  const Control& area = c.kind == ControlKind::Line && c.parent ? *c.parent : c;
  RECT r = ClientRect(area);
  InflateRect(&r, 1, 1);
  return r;
}

bool MainWindow::PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || form_.Picking == 0) return false;
  const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
  int dx = 0, dy = 0;
  switch (msg.wParam) {
    case VK_LEFT: dx = -step; break;
    case VK_RIGHT: dx = step; break;
    case VK_UP: dy = -step; break;
    case VK_DOWN: dy = step; break;
    default: return false;
  }
  form_.NudgePointer(dx, dy);
  RepaintNow();
  ShowCapturedPointer();
  return true;
}

float MainWindow::LocalX(const Control& c, int clientX) const {
  return static_cast<float>(clientX - form_.ClientPixels(c).left - Inset(c));
}
float MainWindow::LocalY(const Control& c, int clientY) const {
  return static_cast<float>(clientY - form_.ClientPixels(c).top - Inset(c));
}

// A pressed control gets the mouse until the last button is released, wherever the
// pointer goes; otherwise events go to the control under the pointer.
void MainWindow::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
  const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
  const int shift = ShiftState(wp);
  Control* target = captured_ ? captured_ : form_.ControlAt(x, y);
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      if (!target) return;
      const int button = msg == WM_LBUTTONDOWN ? 1 : msg == WM_RBUTTONDOWN ? 2 : 4;
      if (!captured_) {
        captured_ = target;
        SetCapture(hwnd_);
      }
      form_.MouseDown(*target, button, shift, LocalX(*target, x), LocalY(*target, y));
      break;
    }
    case WM_MOUSEMOVE:
      if (!target) return;
      form_.MouseMove(*target, ButtonsHeld(wp), shift, LocalX(*target, x), LocalY(*target, y));
      break;
    default: {
      if (!target) return;
      const int button = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
      if (ButtonsHeld(wp) == 0) {
        captured_ = nullptr;
        ReleaseCapture();
      }
      form_.MouseUp(*target, button, shift, LocalX(*target, x), LocalY(*target, y));
      break;
    }
  }
  RepaintNow();
  ShowCapturedPointer();
}

// While a control holds the mouse, no WM_SETCURSOR arrives: its pointer is set here.
void MainWindow::ShowCapturedPointer() {
  if (!captured_ || captured_->kind != ControlKind::Image) return;
  const PictureId pointer = static_cast<const Image*>(captured_)->pointer;
  if (pointer != PictureId::None) SetCursor(pictures_[pointer]);
}

bool MainWindow::OnSetCursor() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  const Control* c = form_.ControlAt(p.x, p.y);
  if (!c || c->kind != ControlKind::Image) return false;
  const PictureId pointer = static_cast<const Image*>(c)->pointer;
  if (pointer == PictureId::None) return false;
  SetCursor(pictures_[pointer]);
  return true;
}

void MainWindow::OnClose() {
  bool cancel = false;
  form_.Form_Unload(cancel);
  Sync();
  if (!cancel) DestroyWindow(hwnd_);
}

void MainWindow::OnSize(WPARAM kind) {
  if (kind == SIZE_MINIMIZED)
    form_.windowState = WindowState::Minimised;
  else if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED)
    form_.windowState = WindowState::Normal;
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND child) {
  for (Edit& e : edits_) {
    if (e.hwnd != child) continue;
    SetTextColor(dc, ToColorRef(e.fore));
    SetBkColor(dc, ToColorRef(e.back));
    return reinterpret_cast<LRESULT>(e.brush.get());
  }
  return DefWindowProcW(hwnd_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
}

// Typing and pasting reach the model's text; our own writes are recognised and ignored.
// A change that no key made is a paste, which the channel boxes check at once.
void MainWindow::OnEditChanged(HWND child) {
  Edit* e = FindEdit(child);
  if (!e) return;
  const int length = GetWindowTextLengthW(child);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(child, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  const std::string utf8 = Narrow(text);
  if (utf8 == e->shownText) return;
  e->box->text = e->shownText = utf8;
  if (!typing_ && form_.IsChannelBox(*e->box)) {
    form_.Channel_Change(*e->box);
    Sync();
  }
}

MainWindow::Edit* MainWindow::FindEdit(HWND hwnd) {
  for (Edit& e : edits_)
    if (e.hwnd == hwnd) return &e;
  return nullptr;
}

LRESULT CALLBACK MainWindow::EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* window = reinterpret_cast<MainWindow*>(self);
  if (Edit* e = window->FindEdit(hwnd)) return window->OnEditMessage(*e, msg, wp, lp);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The text boxes' keys and clicks, as the model's handlers define them.
LRESULT MainWindow::OnEditMessage(Edit& e, UINT msg, WPARAM wp, LPARAM lp) {
  const bool channel = form_.IsChannelBox(*e.box);
  const int row = form_.NotationIndex(*e.box);
  switch (msg) {
    case WM_CHAR:
    case WM_KEYDOWN: {
      if (msg == WM_CHAR && channel) {
        int key = static_cast<int>(wp);
        form_.Channel_KeyPress(*e.box, key);
        if (key == 0) return 0;
        wp = static_cast<WPARAM>(key);
      }
      typing_ = true;
      const LRESULT result = DefSubclassProc(e.hwnd, msg, wp, lp);
      typing_ = false;
      return result;
    }
    case WM_KEYUP: {
      const LRESULT result = DefSubclassProc(e.hwnd, msg, wp, lp);
      if (channel) {
        const int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                          (GetKeyState(VK_MENU) < 0 ? 4 : 0);
        form_.Channel_KeyUp(*e.box, static_cast<int>(wp), shift);
        RepaintNow();
      }
      return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if (row < 0) break;
      const int button = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
      const float x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
      // The left release ends the edit's own selection first; the right one copies before
      // the context menu opens.
      LRESULT result = 0;
      if (msg != WM_RBUTTONUP) result = DefSubclassProc(e.hwnd, msg, wp, lp);
      form_.Color_TextBox_MouseUp(row, button, ShiftState(wp), x, y);
      Sync();
      if (msg == WM_RBUTTONUP) result = DefSubclassProc(e.hwnd, msg, wp, lp);
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(e.hwnd, msg, wp, lp);
}

void MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  BackBuffer buffer(dc, client.right, client.bottom);
  Paint(buffer.dc(), ps.rcPaint);
  const RECT& u = ps.rcPaint;
  BitBlt(dc, u.left, u.top, u.right - u.left, u.bottom - u.top, buffer.dc(), u.left, u.top, SRCCOPY);
  EndPaint(hwnd_, &ps);
}

// Paints what lies in `area`: the magnifier repaints on every move of a drag.
void MainWindow::Paint(HDC dc, const RECT& area) {
  GdiObject<HBRUSH> body(CreateSolidBrush(kBody));
  FillRect(dc, &area, body.get());
  RECT band{0, 0, form_.PixelsX(Form1::kClientWidthPx * 15.0f), form_.PixelsY(kTitleBandRows * 15.0f)};
  RECT overlap;
  if (IntersectRect(&overlap, &band, &area)) PaintTitleBand(dc);
  SetBkMode(dc, TRANSPARENT);
  for (const Control* c : form_.Controls()) {
    bool visible = true;
    for (const Control* p = c; p; p = p->parent) visible = visible && p->visible;
    const RECT r = DirtyRect(*c);
    if (visible && IntersectRect(&overlap, &r, &area)) PaintControl(dc, *c);
  }
}

void MainWindow::PaintTitleBand(HDC dc) {
  RECT band{0, 0, form_.PixelsX(Form1::kClientWidthPx * 15.0f), form_.PixelsY(kTitleBandRows * 15.0f)};
  GdiObject<HBRUSH> brush(CreateSolidBrush(kTitleBand));
  FillRect(dc, &band, brush.get());
  SetBkMode(dc, TRANSPARENT);
  RECT name{form_.PixelsX(14 * 15.0f), 0, band.right, band.bottom};
  {
    Selected font(dc, titleFont_.get());
    SetTextColor(dc, kTitleText);
    DrawTextW(dc, kMainWindowCaption, -1, &name, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    RECT measured = name;
    DrawTextW(dc, kMainWindowCaption, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    name.left = measured.right + form_.PixelsX(12 * 15.0f);
  }
  Selected font(dc, sloganFont_.get());
  SetTextColor(dc, kSloganText);
  DrawTextW(dc, kSlogan, -1, &name, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

RECT MainWindow::ClientRect(const Control& c) const { return ToRect(form_.ClientPixels(c)); }

HFONT MainWindow::FontFor(float points) {
  const int tenths = static_cast<int>(std::lround(points * 10));
  auto it = fonts_.find(tenths);
  if (it == fonts_.end()) {
    const int dpi = static_cast<int>(std::lround(1440 / form_.TwipsPerPixelY()));
    HFONT f = CreateFontW(-MulDiv(tenths, dpi, 720), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                          0, CLEARTYPE_QUALITY, 0, kFontFace);
    it = fonts_.emplace(tenths, GdiObject<HFONT>(f)).first;
  }
  return it->second.get();
}

void MainWindow::PaintControl(HDC dc, const Control& c) {
  RECT r = ClientRect(c);
  switch (c.kind) {
    case ControlKind::Frame: {
      const auto& frame = static_cast<const Frame&>(c);
      Selected font(dc, FontFor(frame.fontPt));
      SIZE caption{};
      const std::wstring text = Widen(frame.caption);
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &caption);
      RECT border{r.left, r.top + caption.cy / 2, r.right, r.bottom};
      GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kFrameLine));
      Selected p(dc, pen.get());
      Selected b(dc, GetStockObject(NULL_BRUSH));
      RoundRect(dc, border.left, border.top, border.right, border.bottom, 6, 6);
      if (!text.empty()) {
        RECT label{r.left + 6, r.top, r.left + 10 + caption.cx, r.top + caption.cy};
        GdiObject<HBRUSH> bg(CreateSolidBrush(kBody));
        FillRect(dc, &label, bg.get());
        SetTextColor(dc, kCaptionText);
        label.left += 2;
        DrawTextW(dc, text.c_str(), -1, &label, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
      }
      break;
    }
    case ControlKind::Label: {
      const auto& label = static_cast<const Label&>(c);
      Selected font(dc, FontFor(label.fontPt));
      SetTextColor(dc, kCaptionText);
      DrawTextW(dc, Widen(label.caption).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
      break;
    }
    case ControlKind::PictureBox: {
      const auto& box = static_cast<const PictureBox&>(c);
      if (box.border == BorderStyle::Fixed3D) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
      const Surface& s = box.surface;
      if (s.Width() == 0 || s.Height() == 0) break;
      const int inset = Inset(box);
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof info.bmiHeader;
      info.bmiHeader.biWidth = s.Width();
      info.bmiHeader.biHeight = -s.Height();  // top row first
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      SetDIBitsToDevice(dc, r.left + inset, r.top + inset, static_cast<DWORD>(s.Width()),
                        static_cast<DWORD>(s.Height()), 0, 0, 0, static_cast<UINT>(s.Height()),
                        s.Pixels(), &info, DIB_RGB_COLORS);
      break;
    }
    case ControlKind::Shape: {
      const auto& shape = static_cast<const Shape&>(c);
      GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, kShapeLine, ToColorRef(shape.borderColor)));
      Selected p(dc, pen.get());
      Selected b(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, r.left, r.top, r.right, r.bottom);
      break;
    }
    case ControlKind::Line: {
      const auto& line = static_cast<const Line&>(c);
      if (!line.parent) break;
      const RECT area = ClientRect(*line.parent);
      const int inset = Inset(*line.parent);
      const int ox = area.left + inset, oy = area.top + inset;
      HRGN clip = CreateRectRgn(ox, oy, area.right - inset, area.bottom - inset);
      SelectClipRgn(dc, clip);
      GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(line.borderColor)));
      Selected p(dc, pen.get());
      MoveToEx(dc, ox + static_cast<int>(line.x1), oy + static_cast<int>(line.y1), nullptr);
      LineTo(dc, ox + static_cast<int>(line.x2), oy + static_cast<int>(line.y2));
      SelectClipRgn(dc, nullptr);
      DeleteObject(clip);
      break;
    }
    case ControlKind::Image: {
      const auto& image = static_cast<const Image&>(c);
      if (image.picture == PictureId::None) break;
      DrawIconEx(dc, r.left, r.top, pictures_[image.picture], r.right - r.left, r.bottom - r.top, 0,
                 nullptr, DI_NORMAL);
      break;
    }
    default:
      break;
  }
}

}  // namespace velkaro
