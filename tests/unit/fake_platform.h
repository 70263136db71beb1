// A platform for the tests: records what the program asked for and answers from a script.
#pragma once

#include <string>
#include <vector>

#include "platform.h"

namespace velkaro {

class FakePlatform : public Platform {
 public:
  std::vector<std::string> calls;
  int dpi = 96;
  ScreenRect windowRect{313, 264, 654, 495};
  std::uint32_t nextTimerId = 0;

  void EnableDebugPrivilege() override { calls.push_back("EnableDebugPrivilege"); }
  void PostQuit(int code) override { calls.push_back("PostQuit " + std::to_string(code)); }
  void TerminateProcess(int code) override {
    calls.push_back("TerminateProcess " + std::to_string(code));
  }
  std::uint32_t StartHoverTimer(int ms) override {
    calls.push_back("StartHoverTimer " + std::to_string(ms));
    return nextTimerId;
  }
  void KillHoverTimer(std::uint32_t id) override {
    calls.push_back("KillHoverTimer " + std::to_string(id));
  }
  int DpiX() override { return dpi; }
  int DpiY() override { return dpi; }
  void ShowWindowRestored() override { calls.push_back("ShowWindowRestored"); }
  void FlashWindowOnce() override { calls.push_back("FlashWindowOnce"); }
  void MinimiseWindow() override { calls.push_back("MinimiseWindow"); }
  void HideWindow() override { calls.push_back("HideWindow"); }
  ScreenRect MainWindowRect() override { return windowRect; }
  void FocusMainWindow() override { calls.push_back("FocusMainWindow"); }
};

}  // namespace velkaro
