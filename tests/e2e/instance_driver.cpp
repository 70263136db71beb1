// One copy at a time, commands from other programs, and the tray icon, driven as a second
// copy, a DDE client and the shell would: second starts while the first is visible,
// minimised and hidden; every command in its ANSI and Unicode form; the tray callback and
// its menu; a thousand junk strings; twenty copies started at once; and "退出".
#include <windows.h>
#include <ddeml.h>
#include <tlhelp32.h>

#include <memory>
#include <random>
#include <set>
#include <vector>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

// Every visible main window of the program, by its process.
std::vector<DWORD> VisibleMainWindowOwners() {
  std::vector<DWORD> owners;
  EnumWindows(
      [](HWND hwnd, LPARAM list) -> BOOL {
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        if (IsWindowVisible(hwnd) && std::wstring(cls) == kMainWindowClass) {
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          reinterpret_cast<std::vector<DWORD>*>(list)->push_back(pid);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&owners));
  return owners;
}

// Processes by id and name.
std::vector<std::pair<DWORD, std::wstring>> Processes() {
  std::vector<std::pair<DWORD, std::wstring>> list;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W e{};
  e.dwSize = sizeof e;
  for (BOOL ok = Process32FirstW(snap, &e); ok; ok = Process32NextW(snap, &e)) list.emplace_back(e.th32ProcessID, e.szExeFile);
  CloseHandle(snap);
  return list;
}

// Waits for a process of that name that was not there before, and ends it.
bool NewProcessAppears(const std::wstring& name, const std::vector<std::pair<DWORD, std::wstring>>& before) {
  for (DWORD waited = 0; waited <= 10000; waited += 50) {
    for (const auto& [pid, exe] : Processes()) {
      if (_wcsicmp(exe.c_str(), name.c_str()) != 0) continue;
      bool old = false;
      for (const auto& b : before) old = old || b.first == pid;
      if (old) continue;
      if (HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, pid)) {
        TerminateProcess(h, 0);
        CloseHandle(h);
      }
      return true;
    }
    Sleep(50);
  }
  return false;
}

std::multiset<std::wstring> ProcessNames() {
  std::multiset<std::wstring> names;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W e{};
  e.dwSize = sizeof e;
  for (BOOL ok = Process32FirstW(snap, &e); ok; ok = Process32NextW(snap, &e)) names.insert(e.szExeFile);
  CloseHandle(snap);
  return names;
}

bool Responsive(HWND hwnd) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

// A second start: it must end with 0 within 15 s, and no window of its own may ever show.
void SecondStart(Checks& checks, const std::wstring& exe, HWND first, DWORD firstPid, const std::string& when) {
  Program second(exe);
  bool ownWindow = false;
  const DWORD start = GetTickCount();
  while (second.Running() && GetTickCount() - start < 15000) {
    for (DWORD pid : VisibleMainWindowOwners()) ownWindow = ownWindow || pid != firstPid;
    Sleep(10);
  }
  checks.Expect(second.WaitForExit(0) == 0, "a second copy started " + when + " exits with 0 within 15 s (took " +
                                                std::to_string(GetTickCount() - start) + " ms)");
  checks.Expect(!ownWindow, "the second copy never shows a window (" + when + ")");
  checks.Expect(WaitUntil([&] { return IsWindowVisible(first) && !IsIconic(first); }, 5000),
                "the first copy's window is visible and restored afterwards (" + when + ")");
  checks.Expect(FindWindowW(kMainWindowClass, kMainWindowCaption) == first, "it is the same window (" + when + ")");
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

// A second start while the first copy is visible, minimised and hidden in the tray.
void SecondStarts(Session& s) {
  Sleep(500);
  SecondStart(s.checks, s.exe, s.hwnd, ProcessOf(s.hwnd), "while the first is visible");
  s.checks.Expect(SendExecute(L"最小化", true), "\"最小化\" is acknowledged");
  s.checks.Expect(WaitUntil([&] { return IsIconic(s.hwnd) && IsWindowVisible(s.hwnd); }, 5000),
                "\"最小化\" minimises without hiding");
  SecondStart(s.checks, s.exe, s.hwnd, ProcessOf(s.hwnd), "while the first is minimised");
  PostMessageW(s.hwnd, WM_CLOSE, 0, 0);
  s.checks.Expect(WaitUntil([&] { return !IsWindowVisible(s.hwnd); }, 5000), "closing hides the window to the tray");
  SecondStart(s.checks, s.exe, s.hwnd, ProcessOf(s.hwnd), "while the first is hidden in the tray");
}

// Each command in both forms, where its effect can be seen.
void BothFormsOfEachCommand(Session& s) {
  for (const bool ansi : {true, false}) {
    const std::string form = ansi ? " (ANSI)" : " (Unicode)";
    s.checks.Expect(SendExecute(L"最小化", ansi), "\"最小化\" acknowledged" + form);
    s.checks.Expect(WaitUntil([&] { return IsIconic(s.hwnd) && IsWindowVisible(s.hwnd); }, 5000),
                  "\"最小化\" minimises" + form);
    s.checks.ExpectText("Text4" + form, s.Text("Text4"), "最小化");
    s.checks.Expect(SendExecute(L"显示", ansi), "\"显示\" acknowledged" + form);
    s.checks.Expect(WaitUntil([&] { return !IsIconic(s.hwnd) && IsWindowVisible(s.hwnd); }, 5000),
                  "\"显示\" restores" + form);
    for (const wchar_t* unknown : {L"显示 ", L"SHOW", L"退出\r\n"}) {
      s.checks.Expect(SendExecute(unknown, ansi), "an unknown string is acknowledged too" + form);
      Sleep(200);
      s.checks.ExpectText("Text7" + form, s.Text("Text7"), Narrow(unknown));
      s.checks.Expect(IsWindowVisible(s.hwnd) && !IsIconic(s.hwnd) && s.program->Running(),
                    "an unknown string changes nothing visible" + form);
    }
  }
}

// The launch commands start their fixed programs.
void LaunchCommands(Session& s) {
  for (const bool ansi : {true, false}) {
    auto before = Processes();
    SendExecute(L"打开CMD", ansi);
    s.checks.Expect(NewProcessAppears(L"cmd.exe", before), std::string("\"打开CMD\" starts cmd.exe") +
                                                              (ansi ? " (ANSI)" : " (Unicode)"));
    before = Processes();
    SendExecute(L"打开C盘", ansi);
    s.checks.Expect(NewProcessAppears(L"cmd.exe", before), std::string("\"打开C盘\" starts a command shell") +
                                                              (ansi ? " (ANSI)" : " (Unicode)"));
    Sleep(1000);
    s.checks.Expect(s.program->Running() && Responsive(s.hwnd), "the program goes on after a launch");
  }
}

// The tray icon's left click hides and shows.
void TrayLeftClicks(Session& s) {
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
  s.checks.Expect(WaitUntil([&] { return !IsWindowVisible(s.hwnd); }, 5000), "a left click on the icon hides the window");
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
  s.checks.Expect(WaitUntil([&] { return IsWindowVisible(s.hwnd) && !IsIconic(s.hwnd); }, 5000),
                "a second left click shows it again");
}

// Junk: random lengths up to 4 KB of random characters and near-misses; none starts anything.
void Junk(Session& s) {
  const auto before = ProcessNames();
  std::mt19937 random(20261210);
  const std::wstring nearMisses[] = {L"退出 ", L" 退出", L"最小化\n", L"显示\0x", L"打开CMD ", L"打开cmd",
                                     L"打开C盘\\", L"打开百度?", L"打开百度 & calc", L"\"打开CMD\""};
  int acked = 0;
  for (int i = 0; i < 1000; ++i) {
    std::wstring junk;
    if (i % 10 == 0) {
      junk = nearMisses[(i / 10) % std::size(nearMisses)];
    } else {
      junk.resize(std::uniform_int_distribution<int>(1, 2048)(random));
      for (wchar_t& c : junk) c = static_cast<wchar_t>(std::uniform_int_distribution<int>(1, 0xD7FF)(random));
    }
    acked += SendExecute(junk, false) ? 1 : 0;
  }
  s.checks.Expect(acked == 1000, std::to_string(acked) + " of 1000 junk strings acknowledged");
  s.checks.Expect(s.program->Running() && Responsive(s.hwnd), "the program still runs and answers after the junk");
  s.checks.Expect(ProcessNames() == before, "no junk string started a program");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

// The menu: "退出" chosen with the keyboard ends the s.program->
void ExitFromTheMenu(Session& s) {
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_RBUTTONUP);
  s.checks.Expect(WaitUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; }, 5000),
                "a right click on the icon opens the menu");
  Sleep(300);
  for (WORD vk : {WORD{VK_UP}, WORD{VK_RETURN}}) {
    Key(vk, true);
    Key(vk, false);
    Sleep(100);
  }
  s.checks.Expect(s.program->WaitForExit(10000) == 0, "\"退出\" from the menu ends the program with 0");
}

// Twenty at once: exactly one goes on.
void TwentyAtOnce(Session& s) {
  std::vector<std::unique_ptr<Program>> copies;
  for (int i = 0; i < 20; ++i) copies.push_back(std::make_unique<Program>(s.exe));
  int zeros = 0, running = 0;
  for (auto& p : copies) {
    const long code = p->WaitForExit(20000);
    zeros += code == 0 ? 1 : 0;
    running += p->Running() ? 1 : 0;
  }
  s.checks.Expect(running == 1 && zeros == 19, "of 20 copies started at once, " + std::to_string(running) +
                                                   " runs on and " + std::to_string(zeros) + " exit with 0");
  HWND hwnd = FindWindowW(kMainWindowClass, kMainWindowCaption);
  s.checks.Expect(WaitUntil([&] { return IsWindowVisible(hwnd); }, 10000), "the one that runs shows its window");
  Program* survivor = nullptr;
  for (auto& p : copies)
    if (p->Running()) survivor = p.get();
  s.checks.Expect(SendExecute(L"退出", false), "\"退出\" is acknowledged");
  s.checks.Expect(survivor && survivor->WaitForExit(10000) == 0, "\"退出\" ends it with exit code 0");
  s.checks.Expect(!IsWindow(hwnd), "and its window is gone");
}

// Strings far past the longest command: each acknowledged and dropped unread, and the
// program answers at once afterwards. Memory is reported beside strings just under the
// bound, which the program does read: under Wine the DDE layer keeps a share of every
// string in the receiving process whatever the program does with it (see the log).
void MegabyteStrings(Session& s) {
  const UINT memoryMessage = RegisterWindowMessageW(kMemoryUsageMessage);
  auto privateKiB = [&] {
    return static_cast<long long>(static_cast<std::uint64_t>(SendMessageW(s.hwnd, memoryMessage, 0, 0)) >> 32);
  };
  auto send = [&](std::size_t chars, int times) {
    const std::wstring text(chars, L'x');
    int acked = 0;
    for (int i = 0; i < times; ++i) acked += SendExecute(text, false) ? 1 : 0;
    return acked;
  };
  const long long start = privateKiB();
  const int small = send(30 * 1024, 200);  // 60 KiB each: read, and ignored as unknown
  const long long afterSmall = privateKiB();
  const int huge = send(512 * 1024, 200);  // 1 MB each
  const long long afterHuge = privateKiB();
  std::printf("memory: %lld KiB private at first; %+lld KiB after 200 strings of 60 KiB (read); %+lld KiB after "
              "200 of 1 MB (dropped unread)\n",
              start, afterSmall - start, afterHuge - afterSmall);
  s.checks.Expect(small == 200 && huge == 200, std::to_string(small) + " of 200 strings of 60 KiB and " +
                                                   std::to_string(huge) + " of 200 of 1 MB acknowledged");
  s.checks.Expect(s.program->Running() && Responsive(s.hwnd), "the program answers at once afterwards");
}

// A cmd.exe and an explorer.exe of someone else's, beside the program and in the folder it
// is started in: the launch commands start the system's own, never these.
void PlantedProgramsNeverRun(Session& s) {
  const std::wstring planted = s.Extra(0);
  if (planted.empty()) return;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"velkaro_planted", app = root + L"\\app", cwd = root + L"\\cwd";
  CreateDirectoryW(root.c_str(), nullptr);
  std::vector<std::wstring> marks;
  for (const std::wstring& folder : {app, cwd}) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* name : {L"cmd.exe", L"explorer.exe"}) {
      const std::wstring copy = folder + L"\\" + name;
      CopyFileW(planted.c_str(), copy.c_str(), FALSE);
      DeleteFileW((copy + L".ran").c_str());
      marks.push_back(copy + L".ran");
    }
  }
  const std::wstring exe = app + L"\\velkaro.exe";
  s.checks.Expect(CopyFileW(s.exe.c_str(), exe.c_str(), FALSE) != FALSE, "the program copied beside the planted ones");
  Program program(exe, L"", cwd);
  HWND hwnd = program.WaitForWindow(20000);
  s.checks.Expect(hwnd != nullptr, "started from that folder, its window appears");
  if (!hwnd) return;
  for (const wchar_t* command : {L"打开CMD", L"打开C盘"}) {
    const auto before = Processes();
    s.checks.Expect(SendExecute(command, true), "\"" + Narrow(command) + "\" is acknowledged");
    s.checks.Expect(NewProcessAppears(L"cmd.exe", before), "\"" + Narrow(command) + "\" starts the system's cmd.exe");
  }
  Sleep(2000);
  int ran = 0;
  for (const std::wstring& mark : marks) ran += GetFileAttributesW(mark.c_str()) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
  s.checks.Expect(ran == 0, "no planted program ran (" + std::to_string(ran) + " marks)");
  EndSession(hwnd, program);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv,
                   {{"second starts", SecondStarts},
                    {"both forms of each command", BothFormsOfEachCommand},
                    {"the launch commands", LaunchCommands},
                    {"the tray icon's left clicks", TrayLeftClicks},
                    {"junk command strings", Junk},
                    {"strings of a megabyte", MegabyteStrings},
                    {"exit from the menu", ExitFromTheMenu},
                    {"twenty copies at once", TwentyAtOnce},
                    {"planted programs never run", PlantedProgramsNeverRun}});
}
