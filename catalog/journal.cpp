#include "catalog/journal.h"

#include <cstdio>
#include <string>

#include "catalog/console.h"
#include "catalog/io_stop.h"
#include "platform/dos_error.h"
#include "platform/dos_file.h"

namespace vortena::catalog {

namespace {

constexpr char kCtrlZ = '\x1A';
constexpr std::uint64_t kCtrlZWindow = 128;

// "Súbor sa nedá sprístupniť" in code page 852.
constexpr std::string_view kCannotAccess = "S\xA3" "bor sa ned\xA0 spr\xA1stupni\x9C";

[[noreturn]] void journalFailed(int code) { endProcess(stopExitCode(code)); }

}  // namespace

std::string formatJournalLine(const LocalTime& t, std::string_view message) {
  char stamp[48];
  std::snprintf(stamp, sizeof stamp, "%2d.%2d.%04d  %2d:%d:%d  ", t.day, t.month, t.year, t.hour, t.minute,
                t.second);
  std::string line(stamp);
  line.append(message);
  line.append("\r\n");
  return line;
}

void JournalWrite(std::string_view message) {
  DosFile journal;
  int code = journal.open(kJournalName, FileMode::ReadWrite);
  if (code == DosCode::kFileNotFound) code = journal.open(kJournalName, FileMode::CreateReadWrite);
  if (code != 0) journalFailed(code);

  std::uint64_t end = 0;
  if ((code = journal.size(end)) != 0) journalFailed(code);
  if (end > 0) {
    const std::uint64_t from = end > kCtrlZWindow ? end - kCtrlZWindow : 0;
    char tail[kCtrlZWindow];
    const auto length = static_cast<std::size_t>(end - from);
    if ((code = journal.readAt(from, tail, length)) != 0) journalFailed(code);
    const std::string_view window(tail, length);
    if (const auto at = window.find(kCtrlZ); at != std::string_view::npos) {
      end = from + at;
      if ((code = journal.truncate(end)) != 0) journalFailed(code);
    }
  }
  const std::string line = formatJournalLine(localTimeNow(), message);
  if ((code = journal.writeAt(end, line.data(), line.size())) != 0) journalFailed(code);
  if ((code = journal.close()) != 0) journalFailed(code);
}

void ConsoleNotice(int code, std::string_view message) {
  std::string line = std::to_string(code);
  line.append("  ");
  line.append(message);
  line.append("\r\n");
  consoleWrite(line);
  // Only an operator at a terminal can answer; a host without one (a window
  // program, a service, a build job) must not hang here.
  if (consoleIsInteractive()) consoleReadLine();
}

void AccessNotice(std::string_view path) {
  std::string message = "CH ! ";
  message.append(kCannotAccess);
  message.append(path);
  message.append("!");
  JournalWrite(message);
  std::string line = " ";
  line.append(kCannotAccess);
  line.append(path);
  line.append("!\r\n");
  consoleWrite(line);
}

}  // namespace vortena::catalog
