// A velkaro-color input: every line gives one output line (--format html) or one error
// line, and nothing else; the error line holds no control character.
#include <sstream>

#include "colour_cli.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input), count(input);
  std::ostringstream out, err;
  const int status = velkaro::cli::Run({"--format", "html"}, in, out, err);
  std::size_t lines = 0;
  for (std::string line; std::getline(count, line);) ++lines;
  std::size_t printed = 0, errors = 0;
  for (char ch : out.str()) printed += ch == '\n';
  for (char ch : err.str()) {
    errors += ch == '\n';
    velkaro::fuzz::Require(ch == '\n' || static_cast<unsigned char>(ch) >= 0x20, "no control character in a message");
  }
  velkaro::fuzz::Require(printed + errors == lines, "one line out per line in");
  velkaro::fuzz::Require(status == (errors > 0 ? 1 : 0), "the status says whether any line was bad");
  return 0;
}
