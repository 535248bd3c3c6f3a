#pragma once
// The operator's tool for an installation's catalogue files, through the
// drive mapping (VORTENA_DRIVE_C). Only add, delete, find, import and
// reprice change files, and only through SKLADLIB's exports; the other
// commands read with the tool's own read-only reader.

#include <ostream>
#include <string>
#include <vector>

namespace vortena::sklad {

// args without the program name. Exit codes: 0 done (find: found), 1 a
// problem found or a file missing (find: not found), 2 a usage error.
int runSklad(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vortena::sklad
