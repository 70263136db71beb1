// The tray menu's settings and the recent colours' export, with real keys in the real
// menu: the window kept on top (and again at the next start), starting with Windows, the
// hotkey pick copying CSS rgb(), an export through the Save dialog, one into a folder that
// takes no files, and clearing after the question.
// Arguments: the program, a screenshot path, the export's path, a folder that refuses files,
// a second screenshot path.
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

const wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Pelmora_Color\\Soft_Stat";
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr COLORREF kBoard = RGB(37, 150, 190);

void Press(std::initializer_list<WORD> keys, DWORD pause = 150) {
  for (WORD vk : keys) {
    Key(vk, true);
    Key(vk, false);
    Pump(pause);
  }
}

bool MenuOpen() { return FindWindowW(L"#32768", nullptr) != nullptr; }

// The tray icon's menu, opened as a right click on the icon opens it, then the keys.
bool OpenMenu(Session& s) {
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_RBUTTONUP);
  const bool open = WaitUntil(MenuOpen, 3000);
  Pump(300);
  return open;
}

// With recent colours the menu reads: 最近颜色 ▸, 设置 ▸, —, 关于软件, —, 退出.
void ChooseSetting(Session& s, std::initializer_list<WORD> inSettings) {
  s.checks.Expect(OpenMenu(s), "the tray menu opens");
  Press({VK_DOWN, VK_DOWN, VK_RIGHT});  // 设置, opened on its first item
  Press(inSettings);
  Press({VK_RETURN});
  s.checks.Expect(WaitUntil([] { return !MenuOpen(); }, 3000), "choosing closes the menu");
  Pump(300);
}

bool Topmost(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// A visible window of the dialog class owned by the program's window.
HWND OwnedDialog(HWND owner) {
  struct Find {
    HWND owner, found;
  } find{owner, nullptr};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Find*>(p);
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (IsWindowVisible(w) && std::wstring(cls) == L"#32770" && GetWindow(w, GW_OWNER) == f->owner) {
          f->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

std::string DialogText(HWND dialog) {
  std::string text;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) text += ReadText(child) + "|";
  return text;
}

// The recent colours' export, the Save dialog filled in as a user types a name.
HWND ExportTo(Session& s, const std::wstring& path) {
  s.checks.Expect(OpenMenu(s), "the tray menu opens");
  Press({VK_DOWN, VK_RIGHT, VK_UP, VK_UP, VK_RETURN});  // 最近颜色 ▸ ... 导出…, 清空
  HWND dialog = nullptr;
  s.checks.Expect(WaitUntil([&] { return (dialog = OwnedDialog(s.hwnd)) != nullptr; }, 5000), "the Save dialog opens");
  if (!dialog) return nullptr;
  Pump(500);
  // The file name box: the edit that holds the name offered.
  struct Find {
    HWND found = nullptr;
  } find;
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM p) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (std::wstring(cls) == L"Edit" && ReadText(w) == "Velkaro 最近颜色") {
          reinterpret_cast<Find*>(p)->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&find));
  HWND name = find.found;
  s.checks.Expect(name != nullptr, "it has a file name box with the name offered");
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  s.checks.Expect(WaitUntil([&] { return !IsWindow(dialog); }, 5000), "the Save dialog closes");
  Pump(500);
  return dialog;
}

void Prepare(Session& s) {
  // A known start: two recent colours, no settings, no Run value.
  const wchar_t history[] = L"#2596BE,#90C41F";
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"History", REG_SZ, history, sizeof history);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TopMost");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"HotkeyCopy");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Velkaro");
  s.Start();
}

void KeptOnTop(Session& s) {
  s.checks.Expect(!Topmost(s.hwnd), "not on top at first");
  ChooseSetting(s, {});  // 窗口置顶
  s.checks.Expect(WaitUntil([&] { return Topmost(s.hwnd); }, 2000), "窗口置顶 puts the window above the others");
  s.checks.ExpectText("and is stored", UserRegistryText(kSettingsKey, L"TopMost"), "1");
  // Both submenus open, for the eye: 设置 and its 取色热键复制.
  s.checks.Expect(OpenMenu(s), "the tray menu opens");
  Press({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RIGHT}, 300);
  if (!s.shot.empty()) s.checks.Expect(SaveWindowBitmap(GetDesktopWindow(), s.shot), "menu screenshot saved");
  Press({VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
  WaitUntil([] { return !MenuOpen(); }, 2000);
}

void StartsWithWindows(Session& s) {
  ChooseSetting(s, {VK_DOWN});  // 开机启动
  s.checks.ExpectText("开机启动 writes this program's quoted path", UserRegistryText(kRunKey, L"Velkaro"), "\"" + Narrow(s.exe) + "\"");
  ChooseSetting(s, {VK_DOWN});
  s.checks.ExpectText("and unticked removes it", UserRegistryText(kRunKey, L"Velkaro"), "(missing)");
}

void HotkeyCopiesCssRgb(Session& s) {
  // 取色热键复制 ▸ VB, Html、PS, Delphi, BASIC, 其他, R,G,B, Hex, CSS rgb(), ...
  ChooseSetting(s, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});
  s.checks.ExpectText("the choice is stored", UserRegistryText(kSettingsKey, L"HotkeyCopy"), "css-rgb");
  HWND board = ShowBoard({40, 600, 240, 700}, kBoard, kBoard);
  PointerTo({100, 650});
  Pump(200);
  Key(VK_CONTROL, true);
  Key(VK_MENU, true);
  Press({'C'});
  Key(VK_MENU, false);
  Key(VK_CONTROL, false);
  Pump(500);
  PointerTo({110, 655});
  Pump(300);
  Button(true, true);
  Button(true, false);
  s.checks.Expect(WaitUntil([] { return ClipboardText() == "rgb(37, 150, 190)"; }, 3000),
                  "the hotkey pick copies " + ClipboardText());
  DestroyWindow(board);
  Pump(200);
}

void TopmostAtTheNextStart(Session& s) {
  s.checks.Expect(SendExecute(L"退出"), "退出 reaches the program");
  s.checks.Expect(s.program->WaitForExit(10000) == 0, "and it ends");
  if (!s.Start()) return;
  s.checks.Expect(WaitUntil([&] { return Topmost(s.hwnd); }, 2000),
                  "the next start is on top again (stored " + UserRegistryText(kSettingsKey, L"TopMost") + ")");
  ChooseSetting(s, {});
  s.checks.Expect(WaitUntil([&] { return !Topmost(s.hwnd); }, 2000), "窗口置顶 again puts it back among the others");
  s.checks.ExpectText("and is stored", UserRegistryText(kSettingsKey, L"TopMost"), "0");
}

void Exports(Session& s) {
  // The recent colours' submenu, for the eye.
  s.checks.Expect(OpenMenu(s), "the tray menu opens");
  Press({VK_DOWN, VK_RIGHT}, 300);
  if (const std::wstring shot = s.Extra(2); !shot.empty())
    s.checks.Expect(SaveWindowBitmap(GetDesktopWindow(), shot), "recent colours' menu screenshot saved");
  Press({VK_ESCAPE, VK_ESCAPE});
  WaitUntil([] { return !MenuOpen(); }, 2000);
  const std::wstring path = s.Extra(0);
  DeleteFileW(path.c_str());
  ExportTo(s, path);
  s.checks.Expect(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES, "the palette is written: " + Narrow(path));
  // Into a folder that takes no files: the message, and nothing left there.
  const std::wstring refusing = s.Extra(1);
  ExportTo(s, refusing + L"\\p.gpl");
  HWND message = nullptr;
  s.checks.Expect(WaitUntil([&] { return (message = OwnedDialog(s.hwnd)) != nullptr; }, 5000),
                  "a message box tells of the failure");
  if (message) {
    const std::string text = DialogText(message);
    s.checks.Expect(text.find("无法保存调色板") != std::string::npos, "it says so: " + text);
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(message); }, 3000);
  }
  WIN32_FIND_DATAW found{};
  HANDLE h = FindFirstFileW((refusing + L"\\*").c_str(), &found);
  int files = 0;
  if (h != INVALID_HANDLE_VALUE) {
    do files += found.cFileName[0] != L'.';
    while (FindNextFileW(h, &found));
    FindClose(h);
  }
  s.checks.Expect(files == 0, "no file, not even half of one, is left in that folder");
  s.checks.ExpectText("the recent colours are unchanged", UserRegistryText(kSettingsKey, L"History"), "#2596BE,#90C41F");
}

void ClearsAfterTheQuestion(Session& s) {
  s.checks.Expect(OpenMenu(s), "the tray menu opens");
  Press({VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN});  // 清空
  HWND question = nullptr;
  s.checks.Expect(WaitUntil([&] { return (question = OwnedDialog(s.hwnd)) != nullptr; }, 5000), "a question comes first");
  if (!question) return;
  Pump(300);
  SendMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
  s.checks.Expect(WaitUntil([] { return UserRegistryText(kSettingsKey, L"History").empty(); }, 3000),
                  "yes clears the recent colours");
  s.checks.Expect(SendExecute(L"退出"), "退出 reaches the program");
  s.checks.Expect(s.program->WaitForExit(10000) == 0, "and it ends");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv,
                   {{"a known start", Prepare},
                    {"窗口置顶", KeptOnTop},
                    {"开机启动", StartsWithWindows},
                    {"取色热键复制: CSS rgb()", HotkeyCopiesCssRgb},
                    {"窗口置顶 at the next start", TopmostAtTheNextStart},
                    {"导出…", Exports},
                    {"清空", ClearsAfterTheQuestion}},
                   StartFirst::No);
}
