#include <gtest/gtest.h>

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
                                      "StartHoverTimer 1", "AddTaskbarMenu", "MoveMainWindow 313,265",
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

TEST(ShutDown, ExitProgramStopsTheTimerQuitsAndEnds) {
  FakePlatform platform;
  platform.nextTimerId = 7;
  Form1 form(platform);
  form.Initialise();
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
                                        "SendCommand Velkarov2.2|Velkarov2.2 显示", "KillHoverTimer 0", "PostQuit 1",
                                        "TerminateProcess 0"}))
        << elevated;
    EXPECT_FALSE(form.tray.Installed());
  }
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
