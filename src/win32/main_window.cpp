#include "main_window.h"

#include <commctrl.h>
#include <psapi.h>

#include <memory>
#include <tuple>
#include <utility>

#include "input.h"
#include "unicode.h"
#include "win32_platform.h"

namespace velkaro {

namespace {

constexpr COLORREF kTitleBandColour = RGB(33, 33, 38);
constexpr COLORREF kTitleText = RGB(255, 255, 255);
constexpr COLORREF kSloganText = RGB(150, 150, 160);
constexpr float kTitlePt = 15, kSloganPt = 9;
constexpr int kTitleIndentPx = 14, kSloganGapPx = 12;  // at 96 dpi
constexpr int kLargeCursor = 48, kSmallCursor = 32;
constexpr wchar_t kSlogan[] = L"屏幕取色 · 颜色换算 · 一键复制";

TrayClick TrayClickOf(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONUP) return TrayClick::Left;
  if (mouseMessage == WM_RBUTTONUP) return TrayClick::Right;
  return TrayClick::Other;
}

}  // namespace

MainWindow::MainWindow(Form1& form, HINSTANCE instance)
    : form_(form),
      fonts_(form.units.Dpi()),
      painter_(form.units, fonts_),
      edits_(form, fonts_, timings_, [this] { Sync(); }) {
  bodyBrush_.reset(CreateSolidBrush(kBody));
  titleBrush_.reset(CreateSolidBrush(kTitleBandColour));
  const int width = form.units.ScaledX(kClientWidthPx), height = form.units.ScaledY(kClientHeightPx);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const WindowPlace place{work.left + (work.right - work.left - width) / 2,
                          work.top + (work.bottom - work.top - height) / 2, width, height};
  // The program's icon, each size drawn for itself, at the sizes the screen's density asks.
  auto icon = [instance](int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(metricX),
                                         GetSystemMetrics(metricY), LR_SHARED));
  };
  Create(instance, {kMainWindowClass, icon(SM_CXICON, SM_CYICON), nullptr, icon(SM_CXSMICON, SM_CYSMICON)},
         WS_EX_APPWINDOW,
         kMainWindowCaption, WS_POPUP | WS_CLIPCHILDREN, place);
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
      if (auto brush = edits_.OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp))) return *brush;
      return Default(msg, wp, lp);
    case WM_COMMAND:
      if (HIWORD(wp) == EN_CHANGE) edits_.OnEditChanged(reinterpret_cast<HWND>(lp));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_ENDSESSION:
      // The session is ending: leave the way the tray's Exit does, not by hiding.
      if (wp) form_.SessionEnding();
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
      // Taken away while a control held the mouse (our own release clears the holder
      // first): that hold ends as a release would.
      if (reinterpret_cast<HWND>(lp) != Handle() && captured_) {
        Control* holder = std::exchange(captured_, nullptr);
        form_.CaptureLost(*holder);
        Sync();
      }
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
      return Default(msg, wp, lp);
    case WM_SYSCOMMAND:
      // The frame first, then the system: a close from the taskbar's menu hides the window.
      form_.SystemCommandArrived(wp == SC_CLOSE ? SystemCommand::Close : SystemCommand::Other);
      Sync();
      return Default(msg, wp, lp);
    case WM_SHOWWINDOW:
      form_.ShownChanged(wp != FALSE);
      return Default(msg, wp, lp);
    case kTrayCallbackMessage:
      form_.TrayClicked(TrayClickOf(LOWORD(lp)));
      Sync();
      return 0;
    case kCommandArrivedMessage:
      OnCommandArrived(lp);
      return 0;
    case WM_HOTKEY:
      if (wp == static_cast<WPARAM>(kPickHotkeyId)) OnHotkey();
      return 0;
    case kModalDueMessage:
      modalPosted_ = false;
      form_.RunDueModal();
      Sync();
      return 0;
    case kPictureDueMessage:
      picturePosted_ = false;
      form_.TakeDuePicture();
      Sync();
      return 0;
    case kHotkeyPickMoveMessage:
      movePosted_ = false;
      if (form_.HotkeyPicking()) {
        form_.HotkeyPickMoved(KeyShiftState());
        Sync();
        SetCursor(painter_.Picture(form_.PickPointer()));
      }
      return 0;
    case WM_DESTROY:
      StopWatchingMouse();
      PostQuitMessage(0);
      return 0;
    default:
      if (msg == timingsMessage_ && timingsMessage_ != 0) return OnTimingsQuery();
      if (msg == memoryMessage_ && memoryMessage_ != 0) return OnMemoryQuery();
      if (msg == fineTuneTimingsMessage_ && fineTuneTimingsMessage_ != 0) return OnFineTuneTimingsQuery(wp);
      if (msg == moveTimingsMessage_ && moveTimingsMessage_ != 0) return OnMoveTimingsQuery(wp);
      if (msg == changeDensityMessage_ && changeDensityMessage_ != 0) {
        RECT now{};
        GetWindowRect(Handle(), &now);
        const int dpi = static_cast<int>(wp);
        const Units at(dpi, dpi);
        OnDpiChanged(dpi, {now.left, now.top, now.left + at.ScaledX(kClientWidthPx), now.top + at.ScaledY(kClientHeightPx)});
        return 0;
      }
      if (msg == hoverTicksMessage_ && hoverTicksMessage_ != 0)
        return static_cast<LRESULT>((form_.hoverTicks & ~(std::uint64_t{1} << 63)) |
                                    (form_.HoverTimerRunning() ? std::uint64_t{1} << 63 : 0));
      if (msg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        form_.TaskbarCreated();
        return 0;
      }
      return Default(msg, wp, lp);
  }
}

// The window's own icons, which the taskbar and Alt+Tab ask the window for: the sizes of
// the window's density (32 and 16 at 96 dpi), each drawn for itself.
void MainWindow::SetIcons() {
  const int dpi = form_.units.Dpi();
  for (const auto& [which, px96] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
    const int px = MulDiv(px96, dpi, 96);
    const auto icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, px, px, LR_SHARED);
    SendMessageW(Handle(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}

// The window moved to a monitor of another scale, or the scale changed: everything is laid
// out anew at the new density and the window takes the rectangle the system suggests. The
// model keeps the colour, the readouts, the shifts, the zoom and the recent colours.
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || dpi == form_.units.Dpi()) return;
  form_.ChangeDensity(dpi);
  const auto retired = fonts_.SetDpi(dpi);  // freed once the edits took the new fonts
  PrepareForDensity();
  edits_.LayOut(painter_);
  for (const Image* image : TippedImages()) {
    TTTOOLINFOW info = ToolOf(*image);
    SendMessageW(toolTips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  }
  SetIcons();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  form_.frame.RememberWindowRect();
  InvalidateRect(Handle(), nullptr, FALSE);
  if (densityListener_) densityListener_(dpi);
  Sync();
}

void MainWindow::OnCreate() {
  timingsMessage_ = RegisterWindowMessageW(kMagnifierTimingsMessage);
  memoryMessage_ = RegisterWindowMessageW(kMemoryUsageMessage);
  fineTuneTimingsMessage_ = RegisterWindowMessageW(kFineTuneTimingsMessage);
  moveTimingsMessage_ = RegisterWindowMessageW(kMoveTimingsMessage);
  hoverTicksMessage_ = RegisterWindowMessageW(kHoverTicksMessage);
  changeDensityMessage_ = RegisterWindowMessageW(kChangeDensityMessage);
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  SetIcons();
  // Run elevated, the window would not hear a normal shell's restart otherwise.
  ChangeWindowMessageFilterEx(Handle(), taskbarCreatedMessage_, MSGFLT_ALLOW, nullptr);
  PrepareForDensity();
  const auto& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& c = *controls[i];
    const int id = kFirstControlId + static_cast<int>(i);
    const RECT r = painter_.ClientRect(c);
    if (c.kind == ControlKind::Frame) {
      // Frames are painted with the window; their captions also stand in hidden statics so
      // that screen readers and automation can read them.
      auto& frame = static_cast<Frame&>(c);
      HWND caption = CreateWindowExW(0, L"STATIC", Widen(frame.caption).c_str(), WS_CHILD, r.left, r.top, 0, 0,
                                     Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
      captions_.push_back({&frame, caption, frame.caption});
    } else if (c.kind == ControlKind::TextBox) {
      edits_.Create(Handle(), static_cast<TextBox&>(c), id, r);
    }
  }
  edits_.Subclass();
  AddToolTips();
}

// What the view draws at the window's density, at the start and after a change: the
// pictures, the labels fitted to their text, and what each control shows and where.
void MainWindow::PrepareForDensity() {
  painter_.LoadPictures(GetSystemMetrics(SM_CXCURSOR) >= kLargeCursor ? kLargeCursor : kSmallCursor);
  const auto& controls = form_.Controls();
  if (HDC dc = GetDC(Handle())) {
    painter_.FitLabels(dc, controls);
    ReleaseDC(Handle(), dc);
  }
  signatures_.resize(controls.size());
  paintedRects_.resize(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    signatures_[i] = ControlPainter::Signature(*controls[i]);
    paintedRects_[i] = painter_.DirtyRect(*controls[i]);
  }
}

std::vector<const Image*> MainWindow::TippedImages() const {
  std::vector<const Image*> tipped;
  if (!toolTips_) return tipped;
  for (const Control* c : form_.Controls())
    if (c->kind == ControlKind::Image && !static_cast<const Image*>(c)->toolTip.empty())
      tipped.push_back(static_cast<const Image*>(c));
  return tipped;
}

// A tip's tool: the image, where it lies now. Mouse messages are relayed from OnMouse (no
// flags): the tip's own subclassing of the window would route every message of the window
// through window properties under Wine.
TTTOOLINFOW MainWindow::ToolOf(const Image& image) const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = Handle();
  info.uId = reinterpret_cast<UINT_PTR>(&image);
  info.rect = painter_.ClientRect(image);
  return info;
}

// The image buttons that have a tip show it when the pointer rests on them.
void MainWindow::AddToolTips() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, nullptr, nullptr);
  for (const Image* image : TippedImages()) {
    std::wstring tip = Widen(image->toolTip);
    TTTOOLINFOW info = ToolOf(*image);
    info.lpszText = tip.data();
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void MainWindow::Sync() {
  if (!Handle()) return;
  const Timed timed(timings_, ViewPart::Sync);
  form_.SettleHoverTimer();
  if (form_.PictureDue() && !picturePosted_) picturePosted_ = PostMessageW(Handle(), kPictureDueMessage, 0, 0) != FALSE;
  if (form_.ModalDue() && !modalPosted_) modalPosted_ = PostMessageW(Handle(), kModalDueMessage, 0, 0) != FALSE;
  edits_.Sync();
  for (Caption& c : captions_) {
    if (c.frame->caption == c.shown) continue;
    c.shown = c.frame->caption;
    SetWindowTextW(c.hwnd, Widen(c.shown).c_str());
  }
  const auto& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const std::uint64_t now = ControlPainter::Signature(*controls[i]);
    if (now == signatures_[i]) continue;
    signatures_[i] = now;
    // Both where it was and where it is now: a thumb moves.
    InvalidateRect(Handle(), &paintedRects_[i], FALSE);
    paintedRects_[i] = painter_.DirtyRect(*controls[i]);
    InvalidateRect(Handle(), &paintedRects_[i], FALSE);
  }
}


namespace {
LRESULT CountAndMean(std::uint32_t count, double totalMicros) {
  const double tenths = count ? totalMicros / count * 10 : 0;
  return static_cast<LRESULT>(static_cast<std::uint64_t>(count) << 32 | static_cast<std::uint32_t>(tenths));
}
}  // namespace

LRESULT MainWindow::OnTimingsQuery() const {
  const auto& t = form_.magnifier.magnifierTimings;
  return CountAndMean(t.pictures, t.totalMicros);
}

LRESULT MainWindow::OnMoveTimingsQuery(WPARAM part) const {
  if (part >= static_cast<WPARAM>(ViewPart::kCount)) return 0;
  const ViewTimings::Part& t = timings_.Get(static_cast<int>(part));
  return CountAndMean(t.count, t.micros);
}

LRESULT MainWindow::OnFineTuneTimingsQuery(WPARAM which) const {
  const auto& t = form_.palette.fineTuneTimings;
  return CountAndMean(t.steps, which == 0 ? t.recolourMicros : t.stepMicros);
}

// Private bytes are counted from the address space itself (committed private regions):
// Wine reports no PrivateUsage, even for the process asking about itself.
LRESULT MainWindow::OnMemoryQuery() {
  std::uint64_t privateBytes = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) privateBytes += region.RegionSize;
    if (region.RegionSize == 0) break;
  }
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  const std::uint64_t working = GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)
                                    ? counters.WorkingSetSize
                                    : 0;
  return static_cast<LRESULT>((privateBytes / 1024) << 32 | ((working / 1024) & 0xFFFFFFFF));
}

// A command string another program sent; the window owns the text from here on.
void MainWindow::OnCommandArrived(LPARAM text) {
  const std::unique_ptr<std::string> command(reinterpret_cast<std::string*>(text));
  form_.CommandArrived(*command);
  Sync();
}

namespace {
MainWindow* hookOwner = nullptr;  // the window whose hotkey pick the mouse hook serves
}  // namespace

void MainWindow::OnHotkey() {
  form_.HotkeyPressed();
  if (form_.HotkeyPicking()) {
    SetForegroundWindow(Handle());  // the hotkey's owner may take the foreground
    hookOwner = this;
    if (!mouseHook_) mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, &MainWindow::MouseHook, GetModuleHandleW(nullptr), 0);
    SetCapture(Handle());  // where no hook runs, the mouse still comes here
    SetCursor(painter_.Picture(form_.PickPointer()));
  }
  Sync();
}

LRESULT CALLBACK MainWindow::MouseHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && hookOwner && hookOwner->OnHotkeyPickMouse(wp)) return 1;
  return CallNextHookEx(nullptr, code, wp, lp);
}

bool MainWindow::OnHotkeyPickMouse(WPARAM msg) {
  if (swallowRelease_ != 0) {
    const bool release = msg == swallowRelease_;
    // A new press first: that release was lost, and the mouse is the user's again.
    if (release || msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
      swallowRelease_ = 0;
      if (!form_.HotkeyPicking()) StopWatchingMouse();
      if (release) return true;
    }
  }
  if (!form_.HotkeyPicking()) return false;
  switch (msg) {
    case WM_MOUSEMOVE:
      // The hook runs before the pointer moves: the pick follows once it has.
      if (!movePosted_) movePosted_ = PostMessageW(Handle(), kHotkeyPickMoveMessage, 0, 0) != FALSE;
      return false;
    case WM_LBUTTONDOWN:
      swallowRelease_ = WM_LBUTTONUP;
      EndHotkeyPick(true);
      return true;
    case WM_RBUTTONDOWN:
      swallowRelease_ = WM_RBUTTONUP;
      EndHotkeyPick(false);
      return true;
    default:
      return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP;
  }
}

void MainWindow::EndHotkeyPick(bool keep) {
  form_.EndHotkeyPick(keep);
  if (GetCapture() == Handle()) ReleaseCapture();
  if (swallowRelease_ == 0) StopWatchingMouse();
  Sync();
}

void MainWindow::StopWatchingMouse() {
  if (mouseHook_) UnhookWindowsHookEx(mouseHook_);
  mouseHook_ = nullptr;
  if (hookOwner == this) hookOwner = nullptr;
}

bool MainWindow::PreTranslate(const MSG& msg) {
  if (form_.Pick() != PickMode::None && (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
      (msg.wParam == VK_CONTROL || msg.wParam == VK_SHIFT)) {
    // Ctrl and Shift choose the averaging; the pick follows at once, without a move.
    form_.PickModifiersChanged(KeyShiftState());
    Sync();
    return false;
  }
  // Esc cancels a hotkey pick; Enter and Space take the pixel, as a left click does.
  if (msg.message == WM_KEYDOWN && form_.HotkeyPicking() &&
      (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN || msg.wParam == VK_SPACE)) {
    EndHotkeyPick(msg.wParam != VK_ESCAPE);
    return true;
  }
  if (msg.message != WM_KEYDOWN || form_.Pick() == PickMode::None) return false;
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
  Sync();
  ShowCapturedPointer();
  return true;
}

float MainWindow::LocalX(const Control& c, int clientX) const {
  return static_cast<float>(clientX - form_.units.ClientPixels(c).left - BorderInsetPx(c));
}
float MainWindow::LocalY(const Control& c, int clientY) const {
  return static_cast<float>(clientY - form_.units.ClientPixels(c).top - BorderInsetPx(c));
}

// A pressed control gets the mouse until the last button is released, wherever the
// pointer goes; otherwise events go to the control under the pointer.
void MainWindow::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
  if (toolTips_) {
    MSG relayed{Handle(), msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(toolTips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  // A hotkey pick takes the mouse; the hook already had what it watches.
  if (form_.HotkeyPicking() || (swallowRelease_ != 0 && msg == swallowRelease_)) {
    if (!mouseHook_) OnHotkeyPickMouse(msg);
    return;
  }
  const Timed message(timings_, ViewPart::MoveMessage, msg == WM_MOUSEMOVE && captured_ != nullptr);
  const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
  const int shift = MouseShiftState(wp);
  if (msg == WM_LBUTTONDOWN && pressListener_) {
    POINT screen{x, y};
    ClientToScreen(Handle(), &screen);
    pressListener_(screen);
  }
  Control* target = captured_ ? captured_ : form_.ControlAt(x, y);
  if (!target) {
    // The background: a move there may drag the window.
    if (msg == WM_MOUSEMOVE) {
      form_.BackgroundMouseMove();
      Sync();
    }
    return;
  }
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!captured_) {
        captured_ = target;
        SetCapture(Handle());
      }
      form_.MouseDown(*target, {ButtonOf(msg), shift, LocalX(*target, x), LocalY(*target, y)});
      break;
    case WM_MOUSEMOVE: {
      const Timed handler(timings_, ViewPart::MoveHandler, captured_ != nullptr);
      form_.MouseMove(*target, {ButtonsHeld(wp), shift, LocalX(*target, x), LocalY(*target, y)});
      break;
    }
    default:
      if (ButtonsHeld(wp) == 0) {
        captured_ = nullptr;
        ReleaseCapture();
      }
      form_.MouseUp(*target, {ButtonOf(msg), shift, LocalX(*target, x), LocalY(*target, y)});
      break;
  }
  Sync();
  ShowCapturedPointer();
}

// While a control holds the mouse, no WM_SETCURSOR arrives: its pointer is set here.
void MainWindow::ShowCapturedPointer() {
  if (!captured_ || captured_->kind != ControlKind::Image) return;
  const PictureId pointer = static_cast<const Image*>(captured_)->pointer;
  if (pointer != PictureId::None) SetCursor(painter_.Picture(pointer));
}

bool MainWindow::OnSetCursor() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(Handle(), &p);
  const Control* c = form_.ControlAt(p.x, p.y);
  if (!c || c->kind != ControlKind::Image) return false;
  const PictureId pointer = static_cast<const Image*>(c)->pointer;
  if (pointer == PictureId::None) return false;
  SetCursor(painter_.Picture(pointer));
  return true;
}

void MainWindow::OnClose() {
  form_.CloseRequested();  // cancelled: the window goes to the tray
  Sync();
}

void MainWindow::OnSize(WPARAM kind) {
  if (kind == SIZE_MINIMIZED)
    form_.Minimised();
  else if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) {
    form_.Restored();
    Sync();
  }
}

// Only what the update region holds is painted, into a buffer of its bounding box: a move
// changes a few small areas far apart, and everything between them stays as it is.
void MainWindow::OnPaint() {
  const Timed timed(timings_, ViewPart::Paint);
  GdiObject<HRGN> update(CreateRectRgn(0, 0, 0, 0));
  const bool regional = GetUpdateRgn(Handle(), update.get(), FALSE) > NULLREGION;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  const RECT& u = ps.rcPaint;
  const int width = u.right - u.left, height = u.bottom - u.top;
  if (width > 0 && height > 0) {
    BackBuffer buffer(dc, width, height);
    // The buffer is addressed in client coordinates; its clip, in its own pixels.
    SetViewportOrgEx(buffer.dc(), -u.left, -u.top, nullptr);
    if (regional) {
      OffsetRgn(update.get(), -u.left, -u.top);
      SelectClipRgn(buffer.dc(), update.get());
    }
    Paint(buffer.dc(), u);
    BitBlt(dc, u.left, u.top, width, height, buffer.dc(), u.left, u.top, SRCCOPY);
  }
  EndPaint(Handle(), &ps);
}

// Paints what lies in `area` and in the DC's clip: the magnifier repaints on every move
// of a drag, the frames and labels around it only when uncovered.
void MainWindow::Paint(HDC dc, const RECT& area) {
  FillRect(dc, &area, bodyBrush_.get());
  const RECT band = TitleBand();
  if (RectVisible(dc, &band)) PaintTitleBand(dc);
  SetBkMode(dc, TRANSPARENT);
  for (const Control* c : form_.Controls()) {
    const RECT r = painter_.DirtyRect(*c);
    if (c->Showing() && RectVisible(dc, &r)) painter_.Paint(dc, *c);
  }
}

RECT MainWindow::TitleBand() const {
  return {0, 0, form_.units.ScaledX(kClientWidthPx), form_.units.ScaledY(kTitleBandRows)};
}

void MainWindow::PaintTitleBand(HDC dc) {
  const RECT band = TitleBand();
  FillRect(dc, &band, titleBrush_.get());
  SetBkMode(dc, TRANSPARENT);
  RECT name{form_.units.ScaledX(kTitleIndentPx), 0, band.right, band.bottom};
  {
    Selected font(dc, fonts_.Get(kTitlePt, true));
    SetTextColor(dc, kTitleText);
    DrawTextW(dc, kMainWindowCaption, -1, &name, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    RECT measured = name;
    DrawTextW(dc, kMainWindowCaption, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    name.left = measured.right + form_.units.ScaledX(kSloganGapPx);
  }
  Selected font(dc, fonts_.Get(kSloganPt));
  SetTextColor(dc, kSloganText);
  DrawTextW(dc, kSlogan, -1, &name, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

}  // namespace velkaro
