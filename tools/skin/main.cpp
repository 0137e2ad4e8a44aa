// zentrix-skin: builds the project's skin archives and inspects them.

#include <iostream>
#include <string>
#include <vector>

#include "tools/skin/commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zentrix::skin::RunCommand(args, std::cout, std::cerr);
}
