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
  TrayIcon tray{windowState, shown, platform, platform, [] {}, [] {}};
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
