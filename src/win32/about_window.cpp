#include "about_window.h"

#include "pictures.h"
#include "unicode.h"

namespace velkaro {

namespace {
constexpr UINT_PTR kHeadlineTimer = 1;
constexpr int kQrLeft = 0, kQrTop = 0, kQrWidth = 223, kQrHeight = 208;
constexpr int kHeadlineLeft = 256, kHeadlineTop = 0, kHeadlineWidth = 280, kHeadlineHeight = 24;
constexpr int kTextLeft = 224, kTextTop = 24, kTextWidth = 337, kTextHeight = 185;
constexpr float kHeadlinePt = 15, kTextPt = 8.25f;
constexpr int kQuietModules = 4;
constexpr wchar_t kFace[] = L"Tahoma";
}  // namespace

void AboutWindow::RunModal(HINSTANCE instance, HWND owner, HICON icon) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, Px(kAboutClientWidth), Px(kAboutClientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  const WindowPlace place{(GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h};
  about_.Opened();
  if (!Create(instance, {kAboutWindowClass, icon}, WS_EX_DLGMODALFRAME, Widen(kAboutCaption).c_str(), style, place,
              owner))
    return;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  MSG msg;
  while (!closed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Esc closes it, as it closes any modal window, whichever of its parts has the focus.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
        (msg.hwnd == Handle() || IsChild(Handle(), msg.hwnd))) {
      SendMessageW(Handle(), WM_CLOSE, 0, 0);
      continue;
    }
    if (IsDialogMessageW(Handle(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // A quit that arrived meanwhile belongs to the outer loop.
  if (!closed_ && msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindowNow();
  if (owner && IsWindowVisible(owner)) SetForegroundWindow(owner);
}

LRESULT AboutWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      if (wp == kHeadlineTimer) {
        about_.HeadlineTick();
        const RECT r = HeadlineRect();
        InvalidateRect(Handle(), &r, TRUE);
        UpdateWindow(Handle());  // at once, as the tick asks
      }
      return 0;
    case WM_CTLCOLORSTATIC:  // the read-only edit on white
      SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CLOSE:
      closed_ = true;
      KillTimer(Handle(), kHeadlineTimer);
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

void AboutWindow::OnCreate() {
  text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Widen(AboutBox::AboutText()).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                          Px(kTextLeft), Px(kTextTop), Px(kTextWidth), Px(kTextHeight), Handle(), nullptr, nullptr,
                          nullptr);
  SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(kTextPt, false, kFace)), FALSE);
  const ArgbPicture qr = DrawFeedbackQr(kQuietModules);
  qrSize_ = qr.width;
  const BITMAPINFO info = TopDown32(qr.width, qr.height);
  ScreenDc screen;
  qr_.reset(CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, qr.pixels.data(), &info, DIB_RGB_COLORS));
  SetTimer(Handle(), kHeadlineTimer, kAboutTickMs, nullptr);
}

RECT AboutWindow::HeadlineRect() const {
  return {Px(kHeadlineLeft), Px(kHeadlineTop), Px(kHeadlineLeft + kHeadlineWidth),
          Px(kHeadlineTop + kHeadlineHeight)};
}

// The QR code is stretched module by module (no smoothing, so it stays sharp to a scanner).
void AboutWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (qr_.get()) {
    MemoryDc source(dc, nullptr);
    Selected bitmap(source.dc(), qr_.get());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, Px(kQrLeft), Px(kQrTop), Px(kQrWidth), Px(kQrHeight), source.dc(), 0, 0, qrSize_, qrSize_,
               SRCCOPY);
  }
  RECT headline = HeadlineRect();
  Selected font(dc, fonts_.Get(kHeadlinePt, false, kFace));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(about_.headlineColour));
  DrawTextW(dc, Widen(kAboutHeadline).c_str(), -1, &headline, DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
  EndPaint(Handle(), &ps);
}

}  // namespace velkaro
