// Entry point of velkaro-color, the console companion of the window.
#include <iostream>
#include <string>
#include <vector>

#include "colour_cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // UTF-8 labels on the console, and the same bytes as on Linux when redirected.
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef _WIN32
  const bool terminal = _isatty(_fileno(stdout)) != 0;
#else
  const bool terminal = isatty(STDOUT_FILENO) != 0;
#endif
  return velkaro::cli::Run(args, std::cin, std::cout, std::cerr, terminal);
}
