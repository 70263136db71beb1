// Entry point of velkaro-color, the console companion of the window.
#include <iostream>
#include <string>
#include <vector>

#include "colour_cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
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
  return velkaro::cli::Run(args, std::cin, std::cout, std::cerr);
}
