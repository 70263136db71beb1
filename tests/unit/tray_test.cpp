#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

// The command area alone: its panel, the window's state and the fakes.
struct Commanded : testing::Test {
  FakePlatform platform;
  ControlList window;
  CommandPanel panel{window};
  WindowState windowState = WindowState::Normal;
  int exits = 0;
  Commands commands{panel, windowState, platform, platform, [this] { ++exits; }};
};

// The tray icon alone, added as at start-up.
struct TrayAlone : testing::Test {
  FakePlatform platform;
  WindowState windowState = WindowState::Normal;
  bool shown = true;
  TrayIcon tray{windowState, shown, platform, platform, {}};
  void SetUp() override {
    tray.AddTrayIcon("Velkaro Ver2.2.1");
    platform.calls.clear();
  }
};

struct Tray : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override {
    form.Initialise();
    platform.calls.clear();
  }
};

// The whole string, exactly, in the table's order; the rest lands in unknownCommandBox.
TEST_F(Commanded, CommandTable) {
  struct Case { std::string command; std::vector<std::string> calls; std::string launched, text7; };
  const Case cases[] = {
      {"最小化", {"MinimiseWindow"}, "", ""},
      {"显示", {"FlashWindowOnce", "ShowWindowRestored"}, "", ""},
      {"打开CMD", {}, "command shell|normal", ""},
      {"打开C盘", {}, "drive C|normal", ""},
      {"打开百度", {}, "search portal|maximised", ""},
      {"显示 ", {}, "", "显示 "},
      {"显示\r\n", {}, "", "显示\r\n"},
      {"SHOW", {}, "", "SHOW"},
      {"退出 ", {}, "", "退出 "},
      {"打开CMD & calc", {}, "", "打开CMD & calc"},
      {"", {}, "", ""},
      {std::string(kLongestCommand, 'x'), {}, "", std::string(kLongestCommand, 'x')},
  };
  for (const Case& c : cases) {
    platform.calls.clear();
    platform.launched.clear();
    panel.unknown.text = "unchanged";
    int cancel = -1;
    commands.CommandReceived(c.command, cancel);
    EXPECT_EQ(cancel, 0) << c.command;
    EXPECT_EQ(panel.received.text, c.command);
    EXPECT_EQ(platform.calls, c.calls) << c.command;
    EXPECT_EQ(platform.launched, c.launched.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.launched}) << c.command;
    const bool known = !c.calls.empty() || !c.launched.empty();
    EXPECT_EQ(panel.unknown.text, known ? "unchanged" : c.text7) << c.command;
  }
}

// A string past the bound is taken and ignored: no box gets it, nothing runs.
TEST_F(Commanded, OverlongStringsAreIgnored) {
  panel.received.text = panel.unknown.text = "unchanged";
  int cancel = -1;
  commands.CommandReceived(std::string(kLongestCommand + 1, 'x'), cancel);
  commands.CommandReceived(std::string(kLongestCommand * 16, '\0') + "退出", cancel);
  EXPECT_EQ(cancel, 0);
  EXPECT_EQ(panel.received.text, "unchanged");
  EXPECT_EQ(panel.unknown.text, "unchanged");
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(Commanded, MinimiseCommandLeavesTheWindowOnTheTaskbar) {
  commands.ExecuteCommand("最小化");
  EXPECT_EQ(windowState, WindowState::Minimised);
  EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "HideWindow"), 0);
}

TEST_F(Tray, ExitCommandEndsTheProgramWithoutTheIcon) {
  form.commands.ExecuteCommand("退出");
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"DeleteTrayIcon", "PostQuit 1",
                                                       "TerminateProcess 0"}));
  platform.calls.clear();
  form.tray.RemoveTrayIcon();  // a second removal does nothing
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(TrayAlone, LeftClickTogglesTheWindow) {
  tray.Clicked(TrayClick::Left);
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"MinimiseWindow", "HideWindow"}));
  EXPECT_EQ(windowState, WindowState::Minimised);
  platform.calls.clear();
  tray.Clicked(TrayClick::Left);
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"ShowWindowRestored", "FlashWindowOnce"}));
  EXPECT_EQ(windowState, WindowState::Normal);
  EXPECT_TRUE(shown);
  platform.calls.clear();
  tray.Clicked(TrayClick::Other);  // a move, a press, a double click, the middle button
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(Tray, RightClickOpensTheMenu) {
  form.tray.Clicked(TrayClick::Right);  // closed without a choice
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"BringMainWindowToFront", "PopUpTrayMenu"}));
  platform.calls.clear();
  platform.menuChoice = TrayMenuItem::About;  // the About window, then the site once it is closed
  form.tray.Clicked(TrayClick::Right);
  form.RunDueModal();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"BringMainWindowToFront", "PopUpTrayMenu", "ShowAboutWindow",
                                                       "OpenUrl https://velkaro.example/"}));
  platform.calls.clear();
  platform.menuChoice = TrayMenuItem::Exit;
  form.tray.Clicked(TrayClick::Right);
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"BringMainWindowToFront", "PopUpTrayMenu", "DeleteTrayIcon", "PostQuit 1", "TerminateProcess 0"}));
}

TEST_F(TrayAlone, TaskbarRestartAddsTheIconAgain) {
  tray.TaskbarCreated();
  EXPECT_EQ(platform.calls, std::vector<std::string>{"AddTrayIcon Velkaro Ver2.2.1"});
  tray.RemoveTrayIcon();
  platform.calls.clear();
  tray.TaskbarCreated();
  tray.Clicked(TrayClick::Left);
  EXPECT_TRUE(platform.calls.empty());
}

// The shell refused the icon (a slow log-on): a close asks again, and when it is refused
// again the window is only minimised, so that the taskbar still leads back to it.
TEST(TrayRefused, CloseWithoutAnIconKeepsTheWindowOnTheTaskbar) {
  FakePlatform platform;
  platform.trayAddsRefused = 2;
  Form1 form(platform);
  form.Initialise();
  EXPECT_FALSE(form.tray.Installed());
  platform.calls.clear();
  form.CloseRequested();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"MinimiseWindow", "AddTrayIcon Velkaro Ver2.2.1"}));
  EXPECT_EQ(form.State(), WindowState::Minimised);
  EXPECT_TRUE(form.Shown());
  form.Restored();
  platform.calls.clear();
  form.CloseRequested();  // the shell takes it now: the close hides to the tray as ever
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"MinimiseWindow", "AddTrayIcon Velkaro Ver2.2.1", "HideWindow",
                                                       "ModifyTrayIcon Velkaro Ver2.2.1"}));
  EXPECT_TRUE(form.tray.Installed());
  EXPECT_FALSE(form.Shown());
}

TEST(TrayRefused, TheTaskbarsRestartAddsTheRefusedIcon) {
  FakePlatform platform;
  platform.trayAddsRefused = 1;
  Form1 form(platform);
  form.Initialise();
  EXPECT_FALSE(form.tray.Installed());
  form.TaskbarCreated();
  EXPECT_TRUE(form.tray.Installed());
  form.ExitProgram();
  platform.calls.clear();
  form.TaskbarCreated();  // removed for good: not added again
  EXPECT_TRUE(platform.calls.empty());
}

}  // namespace
}  // namespace velkaro

namespace velkaro {
namespace {

constexpr char kTopmostKey[] = "Pelmora_Color\\Soft_Stat\\TopMost";
constexpr char kCopyKey[] = "Pelmora_Color\\Soft_Stat\\HotkeyCopy";
constexpr char kThisProgram[] = "C:\\Tools\\Velkaro\\Velkaro.exe";

// The tray menu's settings and the recent colours' export and clearing, through the menu
// as the user reaches them.
struct TraySettings : testing::Test {
  FakePlatform platform;
  std::unique_ptr<Form1> form;
  void Start() {
    form = std::make_unique<Form1>(platform);
    form->Initialise();
  }
  void Choose(TrayMenuItem item, std::size_t form_ = 0) {
    platform.menuChoice = item;
    platform.formChoice = form_;
    form->tray.Clicked(TrayClick::Right);
    form->RunDueModal();
  }
  bool CallMade(const std::string& call) const {
    return std::find(platform.calls.begin(), platform.calls.end(), call) != platform.calls.end();
  }
};

TEST_F(TraySettings, StoredChoicesComeBackAndDamagedOnesAreTheDefault) {
  struct Case { const char* topmost; const char* copy; bool onTop; std::size_t form; };
  for (const Case c : {Case{"", "", false, kCopyHtml}, {"1", "css-rgb", true, kCopyCssRgb}, {"0", "vb", false, 0},
                       {"yes", "CSS-RGB", false, kCopyHtml}, {"2", "css-oklch", false, kCopyCssOklch},
                       {"1 ", "hex", false, 6}}) {
    platform.settings[kTopmostKey] = c.topmost;
    platform.settings[kCopyKey] = c.copy;
    platform.calls.clear();
    Start();
    EXPECT_EQ(form->settings.Topmost(), c.onTop) << c.topmost;
    EXPECT_EQ(CallMade("SetTopmost on"), c.onTop) << c.topmost;
    EXPECT_EQ(form->settings.CopyForm(), c.form) << c.copy;
  }
}

TEST_F(TraySettings, TopmostTogglesIsShownTickedAndIsRemembered) {
  Start();
  Choose(TrayMenuItem::None);
  EXPECT_FALSE(platform.menuState.topmost);
  Choose(TrayMenuItem::Topmost);
  EXPECT_TRUE(platform.topmost);
  EXPECT_EQ(platform.settings[kTopmostKey], "1");
  Choose(TrayMenuItem::None);
  EXPECT_TRUE(platform.menuState.topmost);
  Start();  // the next run
  EXPECT_TRUE(platform.topmost);
  Choose(TrayMenuItem::Topmost);
  EXPECT_FALSE(platform.topmost);
  EXPECT_EQ(platform.settings[kTopmostKey], "0");
}

// The tick is whether the Run value names this program; ticking writes it quoted (again,
// over a value naming another place), unticking removes it.
TEST_F(TraySettings, StartWithWindowsFollowsTheRunValue) {
  Start();
  struct Case { std::optional<std::string> value; bool ticked; std::optional<std::string> afterChoice; };
  const std::string quoted = std::string("\"") + kThisProgram + "\"";
  for (const Case& c : {Case{std::nullopt, false, quoted}, {quoted, true, std::nullopt},
                        {std::string(kThisProgram), true, std::nullopt},
                        {"\"c:\\tools\\VELKARO\\velkaro.exe\"", true, std::nullopt},
                        {"\"D:\\Old\\Velkaro.exe\"", false, quoted}, {"", false, quoted},
                        {quoted + " /tray", false, quoted}}) {
    platform.runValue = c.value;
    Choose(TrayMenuItem::None);
    EXPECT_EQ(platform.menuState.startWithWindows, c.ticked) << c.value.value_or("(none)");
    Choose(TrayMenuItem::StartWithWindows);
    EXPECT_EQ(platform.runValue, c.afterChoice) << c.value.value_or("(none)");
  }
}

// What the hotkey pick's click and a chosen recent colour copy, form by form.
TEST_F(TraySettings, TheChosenFormIsWhatIsCopied) {
  Start();
  const ColorValue c = ComposeColor(37, 150, 190);
  const char* expected[kCopyForms] = {"&HBE9625&", "#2596BE", "#2596BE", "12490277", "#c2596BE", "37,150,190",
                                      "BE9625", "rgb(37, 150, 190)", "hsl(196, 67%, 45%)", "oklch(63.05% 0.1123 227.43)"};
  for (std::size_t f = 0; f < kCopyForms; ++f) {
    Choose(TrayMenuItem::CopyForm, f);
    EXPECT_EQ(form->settings.CopyText(c), expected[f]) << kCopyFormLabels[f];
  }
  Choose(TrayMenuItem::CopyForm, kCopyCssRgb);
  EXPECT_EQ(platform.settings[kCopyKey], "css-rgb");
  Choose(TrayMenuItem::CopyForm, kCopyForms);  // out of range: nothing changes
  EXPECT_EQ(form->settings.CopyForm(), kCopyCssRgb);
  Choose(TrayMenuItem::None);
  EXPECT_EQ(platform.menuState.copyForm, kCopyCssRgb);
  // The hotkey pick's click.
  platform.screen = [c](Point) { return c; };
  form->HotkeyPressed();
  form->EndHotkeyPick(true);
  EXPECT_EQ(platform.clipboard, "rgb(37, 150, 190)");
  // A recent colour chosen in the menu.
  form->history.Add(ComposeColor(1, 2, 3));
  platform.recentChoice = 0;
  Choose(TrayMenuItem::Recent);
  EXPECT_EQ(platform.clipboard, "rgb(1, 2, 3)");
}

TEST_F(TraySettings, ExportWritesTheChosenKindOrSaysWhyNot) {
  Start();
  form->history.Add(kWhite);
  form->history.Add(ComposeColor(144, 196, 31));
  platform.saveChoice = DialogServices::SaveChoice{"C:\\out\\brand.css", 2};
  Choose(TrayMenuItem::ExportRecent);
  ASSERT_EQ(platform.saveTypes.size(), 4u);
  EXPECT_EQ(platform.saveTypes[1].extension, "ase");
  EXPECT_EQ(platform.files["C:\\out\\brand.css"],
            ":root {\n  --velkaro-1: #90C41F; /* yellowgreen */\n  --velkaro-2: #FFFFFF; /* white */\n}\n");
  EXPECT_TRUE(platform.messages.empty());
  platform.files.clear();
  platform.saveChoice.reset();  // cancelled
  Choose(TrayMenuItem::ExportRecent);
  EXPECT_TRUE(platform.files.empty());
  EXPECT_TRUE(platform.messages.empty());
  platform.saveChoice = DialogServices::SaveChoice{"C:\\locked\\p.gpl", 0};
  platform.writeFailure = "拒绝访问。";
  Choose(TrayMenuItem::ExportRecent);
  EXPECT_TRUE(platform.files.empty());
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"Velkaro|无法保存调色板“C:\\locked\\p.gpl”：拒绝访问。|error"}));
  EXPECT_EQ(form->history.Items().size(), 2u);
}

TEST_F(TraySettings, ClearingAsksFirst) {
  Start();
  form->history.Add(ComposeColor(1, 2, 3));
  Choose(TrayMenuItem::ClearRecent);  // answered no
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(form->history.Items().size(), 1u);
  platform.confirmAnswer = true;
  Choose(TrayMenuItem::ClearRecent);
  EXPECT_TRUE(form->history.Items().empty());
  Start();  // stored empty
  EXPECT_TRUE(form->history.Items().empty());
}

}  // namespace
}  // namespace velkaro
