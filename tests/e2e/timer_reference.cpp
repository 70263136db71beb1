// The yardstick for Velkaro's idle load: a window and a 1 ms window-less timer with an
// empty callback, nothing else. Whatever this costs is the platform's own price.
#include <windows.h>

namespace {
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CreateWindowExW(0, L"STATIC", L"timer reference", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40, nullptr,
                  nullptr, nullptr, nullptr);
  SetTimer(nullptr, 0, 1, Tick);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
