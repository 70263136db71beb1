#include "driver.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace velkaro::e2e {

namespace {
HDDEDATA CALLBACK NoCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }
}  // namespace

bool SendExecute(const std::wstring& command, bool ansi) {
  DWORD inst = 0;
  if ((ansi ? DdeInitializeA(&inst, &NoCallback, APPCMD_CLIENTONLY, 0)
            : DdeInitializeW(&inst, &NoCallback, APPCMD_CLIENTONLY, 0)) != DMLERR_NO_ERROR)
    return false;
  HSZ name = DdeCreateStringHandleW(inst, L"Velkarov2.2", CP_WINUNICODE);
  bool acked = false;
  if (HCONV conv = DdeConnect(inst, name, name, nullptr)) {
    DWORD result = 0;
    if (ansi) {
      const int n = WideCharToMultiByte(CP_ACP, 0, command.c_str(), -1, nullptr, 0, nullptr, nullptr);
      std::string bytes(static_cast<size_t>(n), '\0');
      WideCharToMultiByte(CP_ACP, 0, command.c_str(), -1, bytes.data(), n, nullptr, nullptr);
      acked = DdeClientTransaction(reinterpret_cast<LPBYTE>(bytes.data()), static_cast<DWORD>(n), conv, nullptr,
                                   CF_TEXT, XTYP_EXECUTE, 5000, &result) != nullptr;
    } else {
      acked = DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(command.c_str())),
                                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)), conv, nullptr,
                                   CF_UNICODETEXT, XTYP_EXECUTE, 5000, &result) != nullptr;
    }
    DdeDisconnect(conv);
  }
  DdeFreeStringHandle(inst, name);
  DdeUninitialize(inst);
  return acked;
}

void EndSession(HWND hwnd, Program& program) {
  SendMessageTimeoutW(hwnd, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  PostMessageW(hwnd, WM_ENDSESSION, TRUE, 0);
  program.WaitForExit(10000);
}

POINT WindowCorner(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.left, r.top};
}

Program::Program(const std::wstring& exe, const std::wstring& arguments, const std::wstring& directory) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring cmd = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &si, &process_))
    process_ = {};
}

Program::~Program() {
  if (!process_.hProcess) return;
  if (Running()) ::TerminateProcess(process_.hProcess, 99);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND Program::WaitForWindow(DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
    HWND hwnd = FindWindowW(kMainWindowClass, kMainWindowCaption);
    if (hwnd && IsWindowVisible(hwnd)) return hwnd;
    Sleep(100);
  }
  return nullptr;
}

long Program::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<long>(code);
}

std::string ReadText(HWND control) {
  wchar_t buf[256] = {};
  SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buf));
  return Narrow(buf);
}

std::string ClipboardText() {
  std::string text;
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(50);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Narrow(p);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PutClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

std::string UserRegistryText(const wchar_t* key, const wchar_t* name) {
  wchar_t buf[1024] = {};
  DWORD size = sizeof buf - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
    return "(missing)";
  return Narrow(buf);
}

std::string StoredPlacement(const wchar_t* name) {
  return UserRegistryText(L"Software\\VB and VBA Program Settings\\Pelmora_Color\\Soft_Stat", name);
}

namespace {
FakePlatform& WithDpi(FakePlatform& p, int dpi) {
  p.dpi = dpi;
  return p;
}
}  // namespace

ControlMap::Model::Model(int dpi) : form(WithDpi(platform, dpi)) { form.Initialise(); }

std::unique_ptr<ControlMap::Model> ControlMap::Started() const { return std::make_unique<Model>(platform_.dpi); }

HWND WaitForPaintedWindow(Program& program, const ControlMap& ids, Checks& checks) {
  HWND hwnd = program.WaitForWindow(20000);
  checks.Expect(hwnd != nullptr, "Velkaro's window appears");
  if (!hwnd) return nullptr;
  checks.Expect(WaitForScreenColour(ScreenPoint(hwnd, ids.Layout(), ids.Get("Picture1"), 5, 5), ids.StartColour(), 10000),
                "the window has painted");
  return hwnd;
}

COLORREF ControlMap::StartColour() const {
  return static_cast<COLORREF>(Started()->form.workspace.CurrentColour());
}

namespace {
struct BoardColours {
  COLORREF a, b;
  bool checker;
};

LRESULT CALLBACK BoardProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
  const auto* colours = reinterpret_cast<const BoardColours*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT all;
  GetClientRect(hwnd, &all);
  if (colours->checker) {
    for (int y = ps.rcPaint.top; y < ps.rcPaint.bottom; ++y)
      for (int x = ps.rcPaint.left; x < ps.rcPaint.right; ++x) SetPixelV(dc, x, y, (x + y) % 2 == 0 ? colours->a : colours->b);
  } else {
    RECT left{0, 0, all.right / 2, all.bottom}, right{all.right / 2, 0, all.right, all.bottom};
    HBRUSH a = CreateSolidBrush(colours->a), b = CreateSolidBrush(colours->b);
    FillRect(dc, &left, a);
    FillRect(dc, &right, b);
    DeleteObject(a);
    DeleteObject(b);
  }
  EndPaint(hwnd, &ps);
  return 0;
}
}  // namespace

HWND ShowBoard(const RECT& place, COLORREF a, COLORREF b, bool checker) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = BoardProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VelkaroTestBoard";
  RegisterClassW(&wc);
  static BoardColours boards[8];  // a few boards per test program
  static int made = 0;
  BoardColours& colours = boards[made++ % 8];
  colours = {a, b, checker};
  HWND board = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST, wc.lpszClassName, L"board", WS_POPUP, place.left,
                               place.top, place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                               wc.hInstance, &colours);
  ShowWindow(board, SW_SHOWNOACTIVATE);
  return board;
}

POINT ScreenPoint(HWND hwnd, const Form1& form, const Control& c, int dx, int dy) {
  const ScreenRect r = form.units.ClientPixels(c);
  POINT p{r.left + dx, r.top + dy};
  ClientToScreen(hwnd, &p);
  return p;
}

COLORREF ScreenColour(POINT p) {
  HDC dc = GetDC(nullptr);
  const COLORREF c = GetPixel(dc, p.x, p.y);
  ReleaseDC(nullptr, dc);
  return c;
}

bool WaitForScreenColour(POINT p, COLORREF colour, DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
    if (ScreenColour(p) == colour) return true;
    Sleep(50);
  }
  return false;
}

std::wstring Arg(int argc, wchar_t** argv, int i) { return i < argc ? argv[i] : L""; }

Session::Session(int argc, wchar_t** argv) : exe(Arg(argc, argv, 1)), shot(Arg(argc, argv, 2)) {
  for (int i = 3; i < argc; ++i) extra_.emplace_back(argv[i]);
}

std::wstring Session::Extra(int i) const {
  return i >= 0 && i < static_cast<int>(extra_.size()) ? extra_[static_cast<std::size_t>(i)] : L"";
}

bool Session::Start(const std::wstring& arguments) {
  program = std::make_unique<Program>(exe, arguments);
  checks.Expect(program->Started(), "the program starts");
  hwnd = WaitForPaintedWindow(*program, ids, checks);
  return hwnd != nullptr;
}

POINT Session::At(std::string_view control, int dx, int dy) const {
  return ScreenPoint(hwnd, ids.Layout(), ids.Get(control), dx, dy);
}

std::string Session::Text(std::string_view control) const { return ReadText(GetDlgItem(hwnd, ids.Id(control))); }

long Session::EndSession() {
  SendMessageTimeoutW(hwnd, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  PostMessageW(hwnd, WM_ENDSESSION, TRUE, 0);
  return program->WaitForExit(10000);
}

int RunDriver(int argc, wchar_t** argv, std::initializer_list<Scenario> scenarios, StartFirst start) {
  Session session(argc, argv);
  if (start == StartFirst::Yes && !session.Start()) return session.checks.Finish();
  for (const Scenario& scenario : scenarios) {
    std::printf("-- %s\n", scenario.name);
    std::fflush(stdout);
    scenario.run(session);
  }
  return session.checks.Finish();
}

void PointerTo(POINT p) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((static_cast<long long>(p.x) * 65536 + w - 1) / w);
  in.mi.dy = static_cast<LONG>((static_cast<long long>(p.y) * 65536 + h - 1) / h);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void Button(bool left, bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                       : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
  SendInput(1, &in, sizeof in);
}

void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) |
                  (vk >= VK_PRIOR && vk <= VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &in, sizeof in);
}

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool SaveWindowBitmap(HWND hwnd, const std::wstring& path) {
  RECT r;
  if (!GetWindowRect(hwnd, &r)) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info = TopDown32(w, h);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
  GdiFlush();
  // Opaque: a viewer would otherwise take the fourth byte, which GDI leaves at 0, for alpha.
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < w * h; ++i) pixels[i] |= 0xFF000000u;
  const DWORD size = static_cast<DWORD>(w * h * 4);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + size;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return out.good();
}

}  // namespace velkaro::e2e
