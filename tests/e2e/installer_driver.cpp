// The installer as a Windows user meets it, in a fresh prefix: a silent install into the
// user's own programs folder with its shortcut and uninstall entry, an install over a
// running copy, and the two silent uninstalls, keeping the settings and removing them.
// Arguments: the installer, a screenshot path, the version.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velkaro";
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Pelmora_Color";
const wchar_t* const kInstalledFiles[] = {L"Velkaro.exe", L"velkaro-color.exe", L"README.txt", L"LICENSE.txt",
                                          L"uninstall.exe"};

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

std::wstring InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Velkaro"; }
std::wstring StartMenuLink() { return KnownFolder(FOLDERID_Programs) + L"\\Velkaro.lnk"; }
std::wstring DesktopLink() { return KnownFolder(FOLDERID_Desktop) + L"\\Velkaro.lnk"; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// What a shortcut starts, as the shell reads it.
std::wstring LinkTarget(const std::wstring& link) {
  std::wstring target;
  IShellLinkW* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shellLink))))
    return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
        SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
      target = path;
    file->Release();
  }
  shellLink->Release();
  return target;
}

long DwordValue(const wchar_t* key, const wchar_t* name) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<long>(value);
}

bool KeyExists(const wchar_t* key) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

void SetRunValue(const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Velkaro", REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// A program run to its end, as a script runs it; its exit code, -1 when it did not end.
long RunToEnd(const std::wstring& exe, const std::wstring& arguments) {
  Program program(exe, arguments);
  return program.Started() ? program.WaitForExit(120000) : -2;
}

// Whether a process of this name runs.
bool Running(const wchar_t* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
    found = _wcsicmp(entry.szExeFile, name) == 0;
  CloseHandle(snapshot);
  return found;
}

// The uninstaller hands over to a copy of itself outside the folder it removes (Un.exe,
// in the temporary folder) and ends at once: the copy's end is the uninstall's end.
bool UninstallSilently(const std::wstring& arguments, Checks& checks) {
  const std::wstring quiet = Widen(UserRegistryText(kUninstallKey, L"QuietUninstallString"));
  const std::wstring exe = InstallFolder() + L"\\uninstall.exe";
  checks.Expect(quiet == L"\"" + exe + L"\" /S", "the quiet uninstall string names the uninstaller with /S");
  checks.Expect(RunToEnd(exe, L"/S" + arguments) == 0, "the uninstaller ends with 0");
  return WaitUntil([] { return !Running(L"Un.exe"); }, 60000) && !Exists(InstallFolder());
}

void InstallsSilently(Session& s) {
  const std::wstring folder = InstallFolder();
  s.checks.Expect(!Exists(folder), "nothing installed before");
  s.checks.Expect(RunToEnd(s.exe, L"/S") == 0, "the silent install ends with 0");
  long bytes = 0;
  for (const wchar_t* name : kInstalledFiles) {
    const std::wstring path = folder + L"\\" + name;
    s.checks.Expect(Exists(path), "installed: " + Narrow(path));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (std::wstring(name) != L"uninstall.exe" && GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
      bytes += static_cast<long>(data.nFileSizeLow);
  }
  const std::wstring program = folder + L"\\Velkaro.exe";
  const std::string target = Narrow(LinkTarget(StartMenuLink()));
  s.checks.ExpectText("the Start-menu shortcut's target", target, Narrow(program));
  s.checks.Expect(!Exists(DesktopLink()), "no desktop shortcut unless asked for");

  struct Value { const wchar_t* name; std::string expected; };
  const std::string dir = Narrow(folder), version = Narrow(s.Extra(0));
  for (const Value& v : {Value{L"DisplayName", "Velkaro"}, {L"DisplayVersion", version}, {L"Publisher", "Velkaro"},
                         {L"DisplayIcon", "\"" + dir + "\\Velkaro.exe\",0"}, {L"InstallLocation", dir},
                         {L"UninstallString", "\"" + dir + "\\uninstall.exe\""},
                         {L"QuietUninstallString", "\"" + dir + "\\uninstall.exe\" /S"}})
    s.checks.ExpectText("uninstall entry " + Narrow(v.name), UserRegistryText(kUninstallKey, v.name), v.expected);
  for (const wchar_t* flag : {L"NoModify", L"NoRepair"})
    s.checks.Expect(DwordValue(kUninstallKey, flag) == 1, "uninstall entry " + Narrow(flag) + " is 1");
  s.checks.Expect(DwordValue(kUninstallKey, L"EstimatedSize") == (bytes + 1023) / 1024,
                  "EstimatedSize is the installed files' size in KB: " +
                      std::to_string(DwordValue(kUninstallKey, L"EstimatedSize")));

  s.exe = program;
  s.checks.Expect(s.Start(), "the installed program starts and shows its window");
}

std::string FileText(const std::wstring& path) {
  std::string text;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return text;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) text.append(buf, got);
  CloseHandle(f);
  return text;
}

// The running copy holds Velkaro.exe: the installer must have it end, not fail or ask for
// a restart. A mark in the installed guide shows that the files were written again.
void InstallsOverARunningCopy(Session& s, const std::wstring& setup) {
  const std::wstring readme = InstallFolder() + L"\\README.txt";
  const std::string guide = FileText(readme);
  if (HANDLE f = CreateFileW(readme.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      f != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(f, "changed", 7, &written, nullptr);
    CloseHandle(f);
  }
  s.checks.Expect(s.program && s.program->Running(), "a copy runs");
  s.checks.Expect(RunToEnd(setup, L"/S") == 0, "the silent install over it ends with 0");
  s.checks.Expect(s.program->WaitForExit(5000) == 0, "the running copy was asked to end and ended with 0");
  s.checks.Expect(!guide.empty() && FileText(readme) == guide, "the installed files were written again");
  s.checks.Expect(s.Start(), "the new copy starts");
}

void UninstallKeepsTheSettings(Session& s) {
  s.checks.Expect(KeyExists(kSettingsKey), "the program has stored its settings");
  const std::wstring program = InstallFolder() + L"\\Velkaro.exe";
  SetRunValue(L"\"" + program + L"\"");  // as starting with Windows writes it
  s.checks.Expect(UninstallSilently(L"", s.checks), "the silent uninstall removes the program's folder");
  s.checks.Expect(s.program->WaitForExit(5000) == 0, "the running copy was asked to end and ended with 0");
  s.checks.Expect(!Exists(StartMenuLink()), "the Start-menu shortcut is gone");
  s.checks.Expect(!KeyExists(kUninstallKey), "the uninstall entry is gone");
  s.checks.ExpectText("the start-with-Windows value", UserRegistryText(kRunKey, L"Velkaro"), "(missing)");
  s.checks.Expect(KeyExists(kSettingsKey), "the settings stay");
}

void UninstallRemovesTheSettingsWhenAsked(Session& s, const std::wstring& setup) {
  s.checks.Expect(RunToEnd(setup, L"/S") == 0, "installed again");
  const std::wstring other = L"\"C:\\Other\\Velkaro.exe\"";
  SetRunValue(other);  // another copy's: not this program's to remove
  s.checks.Expect(UninstallSilently(L" /REMOVESETTINGS", s.checks), "the silent uninstall removes the program's folder");
  s.checks.Expect(!KeyExists(kSettingsKey), "with /REMOVESETTINGS the settings go too");
  s.checks.ExpectText("another program's start-with-Windows value", UserRegistryText(kRunKey, L"Velkaro"), Narrow(other));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Velkaro");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring setup = Arg(argc, argv, 1);
  const int result = RunDriver(
      argc, argv,
      {{"a silent install into a fresh prefix", InstallsSilently},
       {"an install over a running copy", [&setup](Session& s) { InstallsOverARunningCopy(s, setup); }},
       {"a silent uninstall keeps the settings", UninstallKeepsTheSettings},
       {"a silent uninstall with /REMOVESETTINGS", [&setup](Session& s) { UninstallRemovesTheSettingsWhenAsked(s, setup); }}},
      StartFirst::No);
  CoUninitialize();
  return result;
}
