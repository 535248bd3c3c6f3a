#pragma once
// The host side of the journal and the notices: the local clock and the
// process's console. Failures here are ignored, as a process without a
// console shows nothing.

#include <string_view>

namespace vortena::catalog {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

LocalTime localTimeNow();
// Writes the bytes to standard output and flushes.
void consoleWrite(std::string_view bytes);
// True when standard input is an interactive terminal.
bool consoleIsInteractive();
// Reads and drops one line of standard input.
void consoleReadLine();
// Ends the process at once, without running any clean-up.
[[noreturn]] void endProcess(int exitCode);

}  // namespace vortena::catalog
