// Velkaro: the window, its start-up, and the message loop.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "form1.h"
#include "icons.h"
#include "main_window.h"
#include "pictures.h"
#include "unicode.h"
#include "win32_platform.h"

namespace {
// The hover timer has no window, so its callback finds the window through these.
velkaro::Form1* g_form = nullptr;
velkaro::MainWindow* g_window = nullptr;

void CALLBACK OnHoverTimer(HWND, UINT, UINT_PTR, DWORD) {
  const velkaro::Timed timed(g_window->Timings(), velkaro::ViewPart::TimerTick, g_form->Pick() != velkaro::PickMode::None);
  // The loop below syncs the window after every message, this tick's WM_TIMER included.
  g_form->HoverTick();
}
}  // namespace

// The command line's arguments after the program's name, as UTF-8.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  int count = 0;
  if (LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) arguments.push_back(velkaro::Narrow(list[i]));
    LocalFree(list);
  }
  return arguments;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A library loaded by name comes from the system folder only, never from this program's
  // folder (Downloads, say) or the current one, where anyone may have left a file of that
  // name.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
  SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
  velkaro::Win32Platform platform;
  velkaro::Form1 form(platform.Roles());
  velkaro::MainWindow window(form, instance);
  if (!window.Handle()) return 1;
  g_form = &form;
  g_window = &window;
  // The target, as the program's icon in the notification area.
  const velkaro::IconHandle appIcon =
      velkaro::CreateIconFromPicture(velkaro::DrawTargetIcon(GetSystemMetrics(SM_CXSMICON)), false);
  platform.SetMainWindow(window.Handle(), instance, appIcon.get());
  platform.dialogs.SetDensity(form.units.Dpi());
  platform.window.SetTimerCallback(&OnHoverTimer);
  window.SetPressListener([&platform](POINT p) { platform.window.SetPressPoint(p); });
  window.SetDensityListener([&platform](int dpi) {
    platform.screen.SetWindowDensity(dpi);
    platform.dialogs.SetDensity(dpi);
  });

  form.Initialise(velkaro::ReadStartRequest(Arguments()));
  window.Sync();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    window.Sync();
  }
  return static_cast<int>(msg.wParam);
}
