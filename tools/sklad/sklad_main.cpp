// sklad: the operator's tool for the catalogue files (sklad_commands.h).

#include <iostream>
#include <string>
#include <vector>

#include "tools/sklad/sklad_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return vortena::sklad::runSklad(args, std::cout, std::cerr);
}
