#include "commands.h"

namespace velkaro {

bool Commands::IsAlreadyRunning() { return instance_.MutexAlreadyExists(kLinkTopic); }

void Commands::SendDdeCommand(const std::string& command) {
  instance_.SendCommand(kApplicationTitle, kLinkTopic, command);
}

void Commands::ServeCommands() { instance_.ServeCommands(kApplicationTitle, kLinkTopic); }

void Commands::Text4_LinkExecute(const std::string& CmdStr, int& Cancel) {
  Cancel = 0;
  Text4.text = CmdStr;
  ExecuteCommand(CmdStr);
}

// The whole string, exactly: "显示 " or "显示\r\n" is not "显示".
void Commands::ExecuteCommand(const std::string& command) {
  if (command == kCommandExit) {
    exitProgram_();
  } else if (command == kCommandMinimise) {
    windowState_ = WindowState::Minimised;
    window_.MinimiseWindow();
  } else if (command == kCommandShow) {
    window_.FlashWindowOnce();
    window_.ShowWindowRestored();
  } else if (command == kCommandOpenCmd) {
    instance_.Launch(kCmdLine, kShowNormal);
  } else if (command == kCommandOpenDriveC) {
    instance_.Launch(kDriveCLine, kShowNormal);
  } else if (command == kCommandOpenSearch) {
    instance_.Launch(kSearchLine, kShowMaximised);
  } else {
    Text7.text = command;
  }
}

}  // namespace velkaro
