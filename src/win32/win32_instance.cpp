// One copy at a time on Windows: the named mutex, command strings over DDE (the running
// copy serves them, a second copy sends one), and the programs the commands start.
#include <cstring>
#include <cwchar>
#include <string>

#include "unicode.h"
#include "win32_platform.h"

namespace velkaro {

namespace {

constexpr DWORD kLinkTimeoutMs = 3000;    // one execute request
constexpr DWORD kLongestCommandBytes = kLongestCommand;
constexpr DWORD kSenderGiveUpMs = 5000;   // the whole send, connecting included

// DDEML's callbacks carry no pointer of ours; there is one server per process.
Win32Instance* g_server = nullptr;

struct SendJob {
  std::wstring application, topic, command;
};

HDDEDATA CALLBACK IgnoreEverything(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// The ANSI form of a text when the system code page holds it exactly.
bool ExactAnsi(const std::wstring& wide, std::string& ansi) {
  if (wide.empty()) return true;
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return false;
  ansi.assign(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                      nullptr, &lossy);
  std::wstring back(static_cast<std::size_t>(wide.size()), L'\0');
  const int m = MultiByteToWideChar(CP_ACP, 0, ansi.data(), n, back.data(), static_cast<int>(back.size()));
  return !lossy && m == static_cast<int>(wide.size()) && back == wide;
}

// Wine mangles non-ASCII execute strings between two Unicode DDE programs, while an ANSI
// sender reaches a Unicode server exactly; on Windows both forms work. So the ANSI form
// goes whenever the code page holds the text, and the Unicode form otherwise.
void SendOnce(const SendJob& job) {
  std::string ansi;
  const bool useAnsi = ExactAnsi(job.command, ansi);
  DWORD inst = 0;
  const UINT flags = APPCMD_CLIENTONLY;
  if ((useAnsi ? DdeInitializeA(&inst, &IgnoreEverything, flags, 0)
               : DdeInitializeW(&inst, &IgnoreEverything, flags, 0)) != DMLERR_NO_ERROR)
    return;
  HSZ service = DdeCreateStringHandleW(inst, job.application.c_str(), CP_WINUNICODE);
  HSZ topic = DdeCreateStringHandleW(inst, job.topic.c_str(), CP_WINUNICODE);
  if (HCONV conv = DdeConnect(inst, service, topic, nullptr)) {
    DWORD result = 0;
    if (useAnsi)
      DdeClientTransaction(reinterpret_cast<LPBYTE>(ansi.data()), static_cast<DWORD>(ansi.size() + 1), conv, nullptr,
                           CF_TEXT, XTYP_EXECUTE, kLinkTimeoutMs, &result);
    else
      DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(job.command.c_str())),
                           static_cast<DWORD>((job.command.size() + 1) * sizeof(wchar_t)), conv, nullptr,
                           CF_UNICODETEXT, XTYP_EXECUTE, kLinkTimeoutMs, &result);
    DdeDisconnect(conv);
  }
  if (service) DdeFreeStringHandle(inst, service);
  if (topic) DdeFreeStringHandle(inst, topic);
  DdeUninitialize(inst);
}

// Under Wine a Unicode DDE server receives a Unicode sender's text as if its bytes were
// ANSI (the string is cut at the first zero byte), while an ANSI server receives both
// kinds of sender exactly. On Windows the Unicode server is right for every sender.
bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

DWORD WINAPI SendInBackground(void* job) {
  SendOnce(*static_cast<SendJob*>(job));
  delete static_cast<SendJob*>(job);
  return 0;
}

}  // namespace

Win32Instance::~Win32Instance() {
  if (!ddeInstance_) return;
  DdeNameService(ddeInstance_, service_, nullptr, DNS_UNREGISTER);
  DdeFreeStringHandle(ddeInstance_, service_);
  DdeFreeStringHandle(ddeInstance_, topic_);
  DdeUninitialize(ddeInstance_);
  g_server = nullptr;
}

InstanceServices::MutexOpen Win32Instance::OpenMutex(const std::string& name) {
  HANDLE h = CreateMutexW(nullptr, TRUE, Widen(name).c_str());
  const DWORD error = GetLastError();
  if (!h && error == ERROR_ACCESS_DENIED) return MutexOpen::Denied;  // held by an elevated copy
  if (error == ERROR_ALREADY_EXISTS) {
    if (h) {
      ReleaseMutex(h);
      CloseHandle(h);
    }
    return MutexOpen::Exists;
  }
  mutex_ = h;  // never closed: the process's end gives it up
  return MutexOpen::Created;
}

namespace {

// The running copy's process id, found by its main window: this copy has one of its own,
// never shown, which is passed over. 0 when there is none.
DWORD RunningCopyId() {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) != nullptr;) {
    DWORD id = 0;
    if (GetWindowThreadProcessId(window, &id) && id != GetCurrentProcessId()) return id;
  }
  return 0;
}

// A copy that is hung, stopped or still starting must not hold this one: the send runs
// on a thread of its own, and after the give-up time, or once `done` (when given) is
// signalled, this copy goes on (and ends) without it.
void Send(const std::string& application, const std::string& topic, const std::string& command, HANDLE done) {
  // The copy asked to show itself runs in the background and may not take the foreground
  // on its own: this copy, which the user just started, lets it.
  const DWORD first = RunningCopyId();
  AllowSetForegroundWindow(first ? first : ASFW_ANY);
  auto* job = new SendJob{Widen(application), Widen(topic), Widen(command)};
  HANDLE thread = CreateThread(nullptr, 0, &SendInBackground, job, 0, nullptr);
  if (!thread) {
    delete job;
    return;
  }
  // Connecting asks every top-level window, this copy's own hidden one too: the messages
  // sent to it are answered while waiting, or the send would wait for itself.
  const HANDLE handles[] = {thread, done};
  const DWORD count = done ? 2 : 1;
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD waited = GetTickCount() - start;
    if (waited >= kSenderGiveUpMs) break;
    const DWORD r = MsgWaitForMultipleObjects(count, handles, FALSE, kSenderGiveUpMs - waited, QS_SENDMESSAGE);
    if (r != WAIT_OBJECT_0 + count) break;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(thread);
}

}  // namespace

void Win32Instance::SendCommand(const std::string& application, const std::string& topic,
                                const std::string& command) {
  Send(application, topic, command, nullptr);
}

// The copy's process is found before the command: afterwards its window may be gone. A
// copy that ends at once may leave the conversation unanswered, so its end also ends the
// send.
bool Win32Instance::SendCommandAndWaitForEnd(const std::string& application, const std::string& topic,
                                             const std::string& command, int waitMs) {
  const DWORD id = RunningCopyId();
  HANDLE process = id ? OpenProcess(SYNCHRONIZE, FALSE, id) : nullptr;
  Send(application, topic, command, process);
  if (!process) return false;
  const bool ended = WaitForSingleObject(process, static_cast<DWORD>(waitMs)) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

void Win32Instance::ServeCommands(const std::string& application, const std::string& topic) {
  if (ddeInstance_ || g_server) return;
  const UINT flags = APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_POKES | CBF_FAIL_REQUESTS |
                     CBF_SKIP_ALLNOTIFICATIONS;
  ansiServer_ = RunningOnWine();
  const UINT result = ansiServer_ ? DdeInitializeA(&ddeInstance_, &Win32Instance::DdeCallback, flags, 0)
                                  : DdeInitializeW(&ddeInstance_, &Win32Instance::DdeCallback, flags, 0);
  if (result != DMLERR_NO_ERROR) {
    ddeInstance_ = 0;
    return;
  }
  g_server = this;
  service_ = DdeCreateStringHandleW(ddeInstance_, Widen(application).c_str(), CP_WINUNICODE);
  topic_ = DdeCreateStringHandleW(ddeInstance_, Widen(topic).c_str(), CP_WINUNICODE);
  DdeNameService(ddeInstance_, service_, nullptr, DNS_REGISTER);
}

// The request is acknowledged at once and the string handed to the window's queue: the
// messages already waiting run first, and a command that ends the program does not leave
// the sender waiting for an answer.
HDDEDATA CALLBACK Win32Instance::DdeCallback(UINT type, UINT, HCONV, HSZ topic, HSZ service, HDDEDATA data,
                                             ULONG_PTR, ULONG_PTR) {
  Win32Instance* self = g_server;
  if (!self) return nullptr;
  switch (type) {
    case XTYP_CONNECT:
      return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(
          DdeCmpStringHandles(topic, self->topic_) == 0 && DdeCmpStringHandles(service, self->service_) == 0));
    case XTYP_EXECUTE: {
      // The longest command is a few bytes: a string beyond the bound is taken and dropped
      // unread, so no other program can make this one copy megabytes (or fail to).
      if (DdeGetData(data, nullptr, 0, 0) > kLongestCommandBytes)
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DDE_FACK));
      auto* command = new std::string(Narrow(self->ExecuteText(data)));
      if (!PostMessageW(self->main_, kCommandArrivedMessage, 0, reinterpret_cast<LPARAM>(command))) delete command;
      return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DDE_FACK));
    }
    default:
      return nullptr;
  }
}

// The execute string up to its first terminating zero.
std::wstring Win32Instance::ExecuteText(HDDEDATA data) const {
  const DWORD size = DdeGetData(data, nullptr, 0, 0);
  if (!ansiServer_) {
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (size > 0) DdeGetData(data, reinterpret_cast<LPBYTE>(text.data()), size, 0);
    text.resize(std::wcslen(text.c_str()));
    return text;
  }
  std::string bytes(size + 1, '\0');
  if (size > 0) DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
  bytes.resize(std::strlen(bytes.c_str()));
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

namespace {
// A program in one of the system's folders, by full path: the search path would look in
// this program's own folder and the current one first, where anyone may have put a file
// of that name.
std::wstring InSystemFolder(const wchar_t* program) {
  wchar_t folder[MAX_PATH] = {};
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(folder) + L"\\" + program : std::wstring();
}
std::wstring InWindowsFolder(const wchar_t* program) {
  wchar_t folder[MAX_PATH] = {};
  const UINT n = GetWindowsDirectoryW(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(folder) + L"\\" + program : std::wstring();
}
std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }
}  // namespace

void Win32Instance::Launch(LaunchCommand command, LaunchWindow show) {
  const std::wstring shell = InSystemFolder(L"cmd.exe"), explorer = InWindowsFolder(L"explorer.exe");
  if (shell.empty() || explorer.empty()) return;
  std::wstring program, line;
  switch (command) {
    case LaunchCommand::CommandShell:
      program = shell;
      line = Quoted(shell);
      break;
    case LaunchCommand::DriveC:
      // The shell strips the outer quotes of what follows /c, leaving the quoted path.
      program = shell;
      line = Quoted(shell) + L" /c \"" + Quoted(explorer) + L" \"c:\\\"\"";
      break;
    case LaunchCommand::SearchPortal:
      program = explorer;
      line = Quoted(explorer) + L" https://www.baidu.com/";
      break;
  }
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = show == LaunchWindow::Maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace velkaro
