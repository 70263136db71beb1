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

}  // namespace velkaro
