// The yardstick for how soon a pointer move shows: a bare window with 24 edit boxes that,
// while it holds the mouse, reads the screen pixel under the pointer on every move and
// writes its channels and some derived numbers into the boxes. Nothing else.
#include <windows.h>

#include <string>

namespace {

constexpr int kBoxes = 24, kFirstBoxId = 100;
constexpr int kLeft = 20, kTop = 40, kWidth = 260, kHeight = 220;

void WriteBoxes(HWND hwnd, COLORREF c) {
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  for (int i = 0; i < kBoxes; ++i) {
    const int value = i % 3 == 0 ? r : i % 3 == 1 ? g : b;
    SetWindowTextW(GetDlgItem(hwnd, kFirstBoxId + i), std::to_wstring(i < 3 ? value : value * (i + 1) % 1000).c_str());
  }
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      for (int i = 0; i < kBoxes; ++i)
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 8 + (i % 4) * 62, 8 + (i / 4) * 34, 56,
                        22, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstBoxId + i)), nullptr, nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        POINT p;
        GetCursorPos(&p);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        WriteBoxes(hwnd, c);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"VelkaroLatencyReference";
  RegisterClassW(&wc);
  CreateWindowExW(0, wc.lpszClassName, L"latency reference", WS_POPUP | WS_VISIBLE, kLeft, kTop, kWidth, kHeight,
                  nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
