// The portable zip's program, unpacked into a folder of its own: it starts, shows its
// window, and its own command "退出" over DDE ends it with 0.
#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

void ExitsOnItsCommand(Session& s) {
  s.checks.Expect(SendExecute(L"退出"), "the running copy takes 退出");
  s.checks.Expect(s.program->WaitForExit(10000) == 0, "and ends with 0");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunDriver(argc, argv, {{"退出 over DDE", ExitsOnItsCommand}});
}
