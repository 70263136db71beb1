// A velkaro-color input: every line gives one output line or one error line, and nothing
// else; the error line holds no control character. An input that starts with a byte
// below 10 chooses the output form with it (otherwise --format html), so that every
// form's writer, and the simulation, meets every colour the parsers accept.
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "colour_cli.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> forms[] = {
      {"--format", "html"}, {"--format", "vb"},      {"--format", "css-hsl"}, {"--format", "lab"},
      {"--tsv"},            {"--format", "cmyk"},    {"--format", "hsv"},
      {"--template", "{html} {{x}} {lab-a}\\t{cmyk-k}"},
      {"--format", "oklch"},
      {"simulate", "deuteranopia", "--format", "oklab"}};
  std::size_t form = 0;
  if (size > 0 && data[0] < std::size(forms)) {
    form = data[0];
    ++data;
    --size;
  }
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input), count(input);
  std::ostringstream out, err;
  const int status = velkaro::cli::Run(forms[form], in, out, err);
  // Blank lines (and a byte-order mark before the first) carry no colour and are passed over.
  std::size_t lines = 0;
  bool first = true;
  for (std::string line; std::getline(count, line); first = false) {
    std::string_view text = line;
    if (first && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.find_first_not_of(" \t\r\n") != std::string_view::npos) ++lines;
  }
  std::size_t printed = 0, errors = 0;
  for (char ch : out.str()) printed += ch == '\n';
  for (char ch : err.str()) {
    errors += ch == '\n';
    velkaro::fuzz::Require(ch == '\n' || static_cast<unsigned char>(ch) >= 0x20, "no control character in a message");
  }
  const std::size_t header = forms[form].front() == "--tsv" ? 1 : 0;
  velkaro::fuzz::Require(printed + errors == lines + header, "one line out per line in that is not blank");
  velkaro::fuzz::Require(status == (errors > 0 ? 1 : 0), "the status says whether any line was bad");
  return 0;
}
