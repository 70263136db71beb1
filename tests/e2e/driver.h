// Helpers for the end-to-end drivers: they start the real program, find its window and
// controls, and read and drive them as a user or a second copy would.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake_platform.h"
#include "form1.h"
#include "main_window.h"
#include "unicode.h"

namespace velkaro::e2e {

class Checks {
 public:
  void Expect(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    std::fflush(stdout);
    ok ? ++passed_ : ++failed_;
  }
  void ExpectText(const std::string& name, const std::string& actual, const std::string& expected) {
    Expect(actual == expected, name + " reads \"" + actual + "\" (expected \"" + expected + "\")");
  }
  int Finish() const {
    std::printf("%d passed, %d failed\n", passed_, failed_);
    return failed_ == 0 ? 0 : 1;
  }

 private:
  int passed_ = 0, failed_ = 0;
};

class Program {
 public:
  // Started in `directory` when one is given, else in this program's current directory.
  explicit Program(const std::wstring& exe, const std::wstring& arguments = L"", const std::wstring& directory = L"");
  ~Program();
  bool Started() const { return process_.hProcess != nullptr; }
  HWND WaitForWindow(DWORD timeoutMs);
  bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  HANDLE Process() const { return process_.hProcess; }
  // Waits for the end; returns the exit code, or -1 if it did not end in time.
  long WaitForExit(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION process_{};
};

// The control ids of the view follow the model's control order.
class ControlMap {
  static FakePlatform& DensityOf(FakePlatform& platform) {
    HDC dc = GetDC(nullptr);
    platform.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return platform;
  }

 public:
  // Laid out at the screen's real density, as the program lays itself out.
  ControlMap() : form_(DensityOf(platform_)) {}
  int Id(std::string_view name) const { return kFirstControlId + form_.IndexOf(name); }
  const Form1& Layout() const { return form_; }
  const Control& Get(std::string_view name) const { return *form_.Controls()[form_.IndexOf(name)]; }
  // The model started at this density: what the program shows before any input, and an
  // oracle for what the same input makes of it.
  struct Model {
    FakePlatform platform;
    Form1 form;
    explicit Model(int dpi);
  };
  std::unique_ptr<Model> Started() const;
  // The colour the program starts with at this density (the swatch under the marker).
  COLORREF StartColour() const;

 private:
  FakePlatform platform_;
  Form1 form_;
};

std::string ReadText(HWND control);
// Ends the program as the end of a session does, and waits for it.
void EndSession(HWND hwnd, Program& program);
POINT WindowCorner(HWND hwnd);
// Sends one DDE execute string to the running copy as a client program would, in the
// ANSI form (the system code page) or the Unicode form; true when it was acknowledged.
bool SendExecute(const std::wstring& command, bool ansi = false);
// Waits for the program's window and its first paint (the start colour in the eyedropper's
// swatch), checking both; nullptr when the window never came.
HWND WaitForPaintedWindow(Program& program, const ControlMap& ids, Checks& checks);
// The clipboard's Unicode text, as another program reads and writes it.
std::string ClipboardText();
void PutClipboardText(const std::wstring& text);
// A text value under HKEY_CURRENT_USER, as another program reads it, or "(missing)".
std::string UserRegistryText(const wchar_t* key, const wchar_t* name);
// A stored placement value ("Left", "Top", ...), or "(missing)".
std::string StoredPlacement(const wchar_t* name);
// Polls every 10 ms until `state` holds; false after the timeout.
template <class Pred>
bool WaitUntil(Pred state, DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 10) {
    if (state()) return true;
    Sleep(10);
  }
  return false;
}
// The screen position of a model control's client-pixel point.
POINT ScreenPoint(HWND hwnd, const Form1& form, const Control& c, int dx, int dy);
// Waits until the screen shows `colour` at p; false after the timeout.
bool WaitForScreenColour(POINT p, COLORREF colour, DWORD timeoutMs);
COLORREF ScreenColour(POINT p);
std::wstring Arg(int argc, wchar_t** argv, int i);

// Real input, as a user makes it: SendInput pointer moves (absolute), buttons and keys.
void PointerTo(POINT p);
void Button(bool left, bool down);
void Key(WORD vk, bool down);
// Lets this process's own windows paint while the driver waits.
void Pump(DWORD ms);
// A topmost window that never takes the focus, its left half in colour a and its right
// half in b (or, as a checker, a where x + y of its own pixels is even and b elsewhere):
// known pixels for the eyedropper to pick.
HWND ShowBoard(const RECT& place, COLORREF a, COLORREF b, bool checker = false);
// Saves the screen area of a window as a 32-bit BMP.
bool SaveWindowBitmap(HWND hwnd, const std::wstring& path);

// ---- the harness: a driver is a list of scenarios run on one session ----

// One run of a driver: the program under test, its window, the control map and the
// checks, handed to each scenario in turn.
struct Session {
  Session(int argc, wchar_t** argv);
  std::wstring exe, shot;  // the program, and where the driver's screenshot goes
  std::wstring Extra(int i) const;  // the driver's further arguments, from 0; empty past the end
  Checks checks;
  ControlMap ids;
  std::unique_ptr<Program> program;
  HWND hwnd = nullptr;
  // Starts the program and waits for its window's first paint; false when it never came.
  bool Start(const std::wstring& arguments = L"");
  const Form1& Layout() const { return ids.Layout(); }
  // The screen point of a control's client pixel, and a control's text as any program reads it.
  POINT At(std::string_view control, int dx, int dy) const;
  std::string Text(std::string_view control) const;
  bool Screenshot() { return shot.empty() || SaveWindowBitmap(hwnd, shot); }
  // Ends the program as the end of a session does; its exit code, -1 when it did not end.
  long EndSession();

 private:
  std::vector<std::wstring> extra_;
};

struct Scenario {
  const char* name;
  std::function<void(Session&)> run;  // a driver's own state, if any, is captured here
};
enum class StartFirst { Yes, No };
// Starts the program (unless told not to) and runs each scenario in order with its name
// printed, then prints the closing line. No window at the start: nothing more runs.
int RunDriver(int argc, wchar_t** argv, std::initializer_list<Scenario> scenarios, StartFirst start = StartFirst::Yes);

}  // namespace velkaro::e2e
