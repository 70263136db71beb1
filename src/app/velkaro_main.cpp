// Velkaro: the window, its start-up, and the message loop.
#include <windows.h>

#include "form1.h"
#include "main_window.h"
#include "win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  velkaro::Win32Platform platform;
  velkaro::Form1 form(platform);
  velkaro::MainWindow window(form, instance);
  if (!window.Handle()) return 1;
  platform.SetMainWindow(window.Handle());

  form.Form_Initialize();
  window.Sync();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    window.Sync();
  }
  return static_cast<int>(msg.wParam);
}
