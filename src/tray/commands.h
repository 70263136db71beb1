// One copy at a time: a second start asks the running copy to show itself and ends. The
// running copy takes command strings from other programs and runs the few it knows.
#pragma once

#include <functional>
#include <string>

#include "controls.h"
#include "platform.h"

namespace velkaro {

// The name the copies find each other by: mutex, DDE service and topic.
inline constexpr char kLinkTopic[] = "Velkarov2.2";
inline constexpr char kApplicationTitle[] = "Velkarov2.2";

inline constexpr char kCommandExit[] = "退出";
inline constexpr char kCommandMinimise[] = "最小化";
inline constexpr char kCommandShow[] = "显示";
inline constexpr char kCommandOpenCmd[] = "打开CMD";
inline constexpr char kCommandOpenDriveC[] = "打开C盘";
inline constexpr char kCommandOpenSearch[] = "打开百度";


// Two boxes right of the window's visible area, never seen: the link the command strings
// arrive on, and where the unknown ones are put.
struct CommandPanel {
  explicit CommandPanel(ControlList& window);
  TextBox received;  // every command string
  TextBox unknown;   // the ones nobody knows
};

class Commands {
 public:
  Commands(CommandPanel& panel, WindowState& windowState, WindowHost& window,
           InstanceServices& instance, std::function<void()> exitProgram)
      : panel_(panel), windowState_(windowState), window_(window), instance_(instance),
        exitProgram_(std::move(exitProgram)) {}

  bool IsAlreadyRunning();
  void SendDdeCommand(const std::string& command);
  // Asks the running copy to end with its own command and waits for its process to end;
  // true when it did.
  bool EndRunningCopy();
  void ServeCommands();
  // The main window's execute handler: every string is accepted.
  void CommandReceived(const std::string& command, int& cancel);
  void ExecuteCommand(const std::string& command);

 private:
  CommandPanel& panel_;
  WindowState& windowState_;
  WindowHost& window_;
  InstanceServices& instance_;
  std::function<void()> exitProgram_;
};

}  // namespace velkaro
