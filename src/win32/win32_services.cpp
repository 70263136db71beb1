// The settings store, the clipboard and the process on Windows.
#include <cstring>

#include "unicode.h"
#include "win32_platform.h"

namespace velkaro {

namespace {
// Where settings of this kind have always lived for the current user.
std::wstring SettingsKey(const std::string& app, const std::string& section) {
  return L"Software\\VB and VBA Program Settings\\" + Widen(app) + L"\\" + Widen(section);
}

class RegistryKey {
 public:
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};
}  // namespace

std::string Win32Settings::GetSetting(const std::string& app, const std::string& section, const std::string& key) {
  wchar_t buf[256] = {};
  DWORD size = sizeof buf - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), Widen(key).c_str(), RRF_RT_REG_SZ,
                   nullptr, buf, &size) != ERROR_SUCCESS)
    return {};
  return Narrow(buf);
}

bool Win32Settings::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value) {
  RegistryKey k;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, k.out(), nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring text = Widen(value);
  return RegSetValueExW(k.get(), Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

namespace {
constexpr UINT kClipboardRetryMs = 50;
constexpr ULONGLONG kClipboardPatienceMs = 10000;
}  // namespace

bool Win32Clipboard::SetClipboardText(const std::string& text) {
  std::wstring wide = Widen(text);
  if (CopyNow(wide)) {
    if (retrying_) KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
    retrying_ = false;
    return true;
  }
  if (!owner_) return false;
  pending_ = std::move(wide);
  pendingUntil_ = GetTickCount64() + kClipboardPatienceMs;
  // The timer's id is this object, so the callback finds it without a global.
  retrying_ = SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), kClipboardRetryMs, &Win32Clipboard::Retry) != 0;
  return false;
}

void CALLBACK Win32Clipboard::Retry(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  auto* self = reinterpret_cast<Win32Clipboard*>(id);
  if (!self->CopyNow(self->pending_) && GetTickCount64() < self->pendingUntil_) return;
  KillTimer(hwnd, id);
  self->retrying_ = false;
  self->pending_.clear();
}

bool Win32Clipboard::CopyNow(const std::wstring& wide) {
  if (!OpenClipboard(owner_)) return false;
  EmptyClipboard();
  bool ok = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t))) {
    if (void* p = GlobalLock(memory)) {
      std::memcpy(p, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
      GlobalUnlock(memory);
      ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it now
    }
    if (!ok) GlobalFree(memory);
  }
  CloseClipboard();
  return ok;
}

// Enabled if the account holds the privilege; every result is ignored.
void Win32System::EnableDebugPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
    TOKEN_PRIVILEGES previous{};
    DWORD length = 0;
    AdjustTokenPrivileges(token, FALSE, &privileges, sizeof previous, &previous, &length);
  }
  CloseHandle(token);
}

void Win32System::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void Win32System::TerminateProcess(int exitCode) {
  ::TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
}

void Win32System::Beep() { MessageBeep(0xFFFFFFFF); }

void Win32System::ShowMessage(const std::string& text, const std::string& title, MessageIcon) {
  MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), MB_ICONERROR);
}

bool Win32System::Confirm(const std::string& text, const std::string& title) {
  return MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
         IDYES;
}

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Velkaro";

// What the system says about its last error, in the user's language, on one line.
std::string LastErrorText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n ? std::wstring(text, n) : L"error " + std::to_wstring(error);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  return Narrow(message);
}

}  // namespace

// A path longer than MAX_PATH is possible: the buffer grows until it holds it.
std::string Win32System::ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::optional<std::string> Win32System::StartupCommand() {
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, value.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcslen(value.c_str()));
  return Narrow(value);
}

bool Win32System::SetStartupCommand(const std::optional<std::string>& command) {
  if (!command) {
    const LSTATUS r = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
  }
  const std::wstring value = Widen(*command);
  return RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, REG_SZ, value.c_str(),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The temporary file is made in the target's own folder, so that the rename is a rename
// and not a copy to another volume; it goes again on any failure.
std::optional<std::string> Win32System::WriteWholeFile(const std::string& path, const std::string& bytes) {
  const std::wstring target = Widen(path);
  const std::size_t slash = target.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
  wchar_t temporary[MAX_PATH + 1] = {};
  if (folder.size() > MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"vel", 0, temporary))
    return LastErrorText(GetLastError());
  HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written != bytes.size() ||
        !FlushFileBuffers(file))
      error = GetLastError();
    CloseHandle(file);
  }
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error == ERROR_SUCCESS) return std::nullopt;
  DeleteFileW(temporary);
  return LastErrorText(error ? error : ERROR_WRITE_FAULT);
}

}  // namespace velkaro
