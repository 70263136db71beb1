// Any command string from a second copy: a program is started only for the three launch
// commands, exactly as written, and the window stays usable.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  static fuzz::Started started;
  Form1& form = started.form;
  const std::string command(reinterpret_cast<const char*>(data), size);
  started.platform.launched.clear();
  int cancel = -1;
  form.commands.CommandReceived(command, cancel);
  const bool launches = command == kCommandOpenCmd || command == kCommandOpenDriveC || command == kCommandOpenSearch;
  fuzz::Require(started.platform.launched.size() == (launches ? 1u : 0u), "a launch only for a launch command");
  fuzz::Require(cancel == 0, "the request is accepted");
  return 0;
}
