#include "commands.h"

namespace velkaro {

CommandPanel::CommandPanel(ControlList& w)
    : received{w, "Text4", nullptr, Px(1056, 260, 80, 18), ""}, unknown{w, "Text7", nullptr, Px(1056, 284, 80, 18), ""} {}

// A mutex this copy may not open is held by a copy running elevated: that one runs too.
bool Commands::IsAlreadyRunning() { return instance_.OpenMutex(kLinkTopic) != InstanceServices::MutexOpen::Created; }

void Commands::SendDdeCommand(const std::string& command) {
  instance_.SendCommand(kApplicationTitle, kLinkTopic, command);
}

bool Commands::EndRunningCopy() {
  constexpr int kWaitForEndMs = 10000;  // saving its place and leaving the tray take well under a second
  return instance_.SendCommandAndWaitForEnd(kApplicationTitle, kLinkTopic, kCommandExit, kWaitForEndMs);
}

void Commands::ServeCommands() { instance_.ServeCommands(kApplicationTitle, kLinkTopic); }

void Commands::CommandReceived(const std::string& command, int& cancel) {
  cancel = 0;
  if (command.size() > kLongestCommand) return;
  panel_.received.text = command;
  ExecuteCommand(command);
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
    instance_.Launch(LaunchCommand::CommandShell, LaunchWindow::Normal);
  } else if (command == kCommandOpenDriveC) {
    instance_.Launch(LaunchCommand::DriveC, LaunchWindow::Normal);
  } else if (command == kCommandOpenSearch) {
    instance_.Launch(LaunchCommand::SearchPortal, LaunchWindow::Maximised);
  } else {
    panel_.unknown.text = command;
  }
}

}  // namespace velkaro
