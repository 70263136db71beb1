// velkaro-color's Run on given arguments and input, with what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "colour_cli.h"

namespace velkaro::cli {

struct RunResult {
  int status;
  std::string out, err;
};

inline RunResult RunCli(std::vector<std::string> args, const std::string& input = "", bool outputIsTerminal = false) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = Run(args, in, out, err, outputIsTerminal);
  return {status, out.str(), err.str()};
}

}  // namespace velkaro::cli
