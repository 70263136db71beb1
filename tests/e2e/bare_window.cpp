// The yardstick for Velkaro's cost at rest: a window and its message loop, nothing else;
// shown, or hidden when the argument says "hidden". Whatever this costs is the platform's
// own price for a window that waits.
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  const bool hidden = arguments && std::wcsstr(arguments, L"hidden");
  CreateWindowExW(0, L"STATIC", L"bare window", WS_POPUP | (hidden ? 0 : WS_VISIBLE), 0, 0, 60, 40, nullptr,
                  nullptr, nullptr, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
