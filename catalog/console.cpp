#include "catalog/console.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vortena::catalog {

LocalTime localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &now);
#else
  localtime_r(&now, &tm);
#endif
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void consoleWrite(std::string_view bytes) {
  (void)std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  (void)std::fflush(stdout);
}

bool consoleIsInteractive() {
#ifdef _WIN32
  return _isatty(_fileno(stdin)) != 0;
#else
  return ::isatty(STDIN_FILENO) != 0;
#endif
}

void consoleReadLine() {
  int c = 0;
  do c = std::fgetc(stdin);
  while (c != EOF && c != '\n');
}

void endProcess(int exitCode) {
  (void)std::fflush(stdout);
  std::_Exit(exitCode);
}

}  // namespace vortena::catalog
