#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

struct Started : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override { form.Initialise(); }
};

TEST_F(Started, StartUpRunsInOrder) {
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"EnableDebugPrivilege", "Mutex Velkarov2.2", "ServeCommands Velkarov2.2|Velkarov2.2",
                                      "AddTaskbarMenu", "MoveMainWindow 313,265",
                                      "ShowWindowRestored",
                                      "FlashWindowOnce", "RegisterPickHotkey", "AddTrayIcon Velkaro Ver2.2.1", "FocusMainWindow"}));
  EXPECT_TRUE(form.Shown());
  EXPECT_EQ(form.State(), WindowState::Normal);
}

TEST_F(Started, ClosingHidesAndKeepsRunning) {
  platform.calls.clear();
  bool cancel = false;
  form.Unload(cancel);
  EXPECT_TRUE(cancel);
  EXPECT_EQ(form.State(), WindowState::Minimised);
  EXPECT_FALSE(form.Shown());
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"MinimiseWindow", "HideWindow", "ModifyTrayIcon Velkaro Ver2.2.1"}));
}

// The hover timer runs only while a tick has work: during a pick, and while a shown
// window's image button shows a hover picture. The view settles it after every message.
TEST_F(Started, TheHoverTimerRunsOnlyWhileATickHasWork) {
  constexpr int kLeft = 1;
  struct Step { const char* what; std::function<void()> event; bool running; };
  const Step steps[] = {
      {"started, nothing hovered", [] {}, false},
      {"the pointer over the close button", [&] { form.MouseMove(form.buttonPanel.close, {0, 0, 5, 5}); }, true},
      {"another window in front: the tick rests the button",
       [&] { platform.foreground = false; form.HoverTick(); }, false},
      {"a press on the target", [&] { form.MouseDown(form.eyedropperPanel.target, {kLeft, 0, 16, 16}); }, true},
      {"its release", [&] { form.MouseUp(form.eyedropperPanel.target, {kLeft, 0, 16, 16}); }, false},
      {"hidden in the tray", [&] { bool cancel; form.Unload(cancel); }, false},
      {"the pick hotkey shows the window and picks", [&] { form.HotkeyPressed(); }, true},
      {"the pick cancelled", [&] { form.EndHotkeyPick(false); }, false},
      {"in front and hovered again", [&] { platform.foreground = true; form.MouseMove(form.buttonPanel.minimise, {0, 0, 5, 5}); }, true},
      {"minimised", [&] { form.Minimised(); }, false},
  };
  for (const Step& s : steps) {
    s.event();
    form.SettleHoverTimer();
    EXPECT_EQ(form.HoverTimerRunning(), s.running) << s.what;
  }
  EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "StartHoverTimer 1"), 4);
}

TEST(ShutDown, ExitProgramStopsTheTimerQuitsAndEnds) {
  FakePlatform platform;
  platform.nextTimerId = 7;
  Form1 form(platform);
  form.Initialise();
  form.HotkeyPressed();  // a pick: the tick has work
  form.SettleHoverTimer();
  platform.calls.clear();
  form.ExitProgram();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"KillHoverTimer 7", "DeleteTrayIcon", "PostQuit 1",
                                                       "TerminateProcess 0"}));
}

// A second copy asks the first to show itself and ends before its window is ever shown;
// so does one that may not open the mutex because the first runs elevated.
TEST(StartUp, SecondCopySendsShowAndEnds) {
  for (const bool elevated : {false, true}) {
    FakePlatform platform;
    (elevated ? platform.otherCopyElevated : platform.otherCopyRunning) = true;
    Form1 form(platform);
    form.Initialise();
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"EnableDebugPrivilege", "Mutex Velkarov2.2",
                                        "SendCommand Velkarov2.2|Velkarov2.2 显示", "PostQuit 1",
                                        "TerminateProcess 0"}))
        << elevated;
    EXPECT_FALSE(form.tray.Installed());
  }
}

// /quit, for installers: the running copy is asked to end and waited for; this copy shows
// nothing, serves nothing, and tells by its exit code whether a copy still runs.
TEST(StartUp, QuitEndsTheRunningCopyAndShowsNothing) {
  struct Case { const char* what; bool running, ends; std::vector<std::string> calls; };
  const std::string wait = "SendCommandAndWait Velkarov2.2|Velkarov2.2 退出 10000";
  for (const Case& c : {Case{"none runs", false, true, {"Mutex Velkarov2.2", "TerminateProcess 0"}},
                        Case{"one runs and ends", true, true, {"Mutex Velkarov2.2", wait, "TerminateProcess 0"}},
                        Case{"one runs on", true, false, {"Mutex Velkarov2.2", wait, "TerminateProcess 1"}}}) {
    FakePlatform platform;
    platform.otherCopyRunning = c.running;
    platform.otherCopyEnds = c.ends;
    Form1 form(platform);
    form.Initialise(StartRequest::EndRunningCopy);
    EXPECT_EQ(platform.calls, c.calls) << c.what;
    EXPECT_FALSE(form.tray.Installed()) << c.what;
  }
  using Args = std::vector<std::string>;
  EXPECT_EQ(ReadStartRequest(Args{}), StartRequest::Run);
  EXPECT_EQ(ReadStartRequest(Args{"/Quit"}), StartRequest::EndRunningCopy);
  EXPECT_EQ(ReadStartRequest(Args{"--quit"}), StartRequest::EndRunningCopy);
  EXPECT_EQ(ReadStartRequest(Args{"/quitx", "quit"}), StartRequest::Run);
}

TEST(StartUp, ColourComesFromTheSwatchUnderTheMarkerAtAnyDensity) {
  struct Case { int dpi; Rgb expected; };
  for (const Case c : {Case{96, {144, 196, 31}}, {120, {33, 174, 53}}}) {
    FakePlatform platform;
    platform.dpi = c.dpi;
    Form1 form(platform);
    form.Initialise();
    EXPECT_EQ(SplitChannels(form.workspace.CurrentColour()), c.expected) << c.dpi;
  }
}

TEST(StartUp, ZoomChangeBeforeTheWindowShowsTakesNoFocus) {
  FakePlatform platform;
  Form1 form(platform);
  form.magnifier.SetZoomValue(50);
  EXPECT_EQ(form.zoomPanel.box.text, "50%");
  EXPECT_FLOAT_EQ(form.magnifier.zoomFactor, 0.5f);
  EXPECT_EQ(form.magnifier.lastPreviewX, -100);
  EXPECT_TRUE(platform.calls.empty());
}

}  // namespace
}  // namespace velkaro
