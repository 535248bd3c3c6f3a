#pragma once
// The error journal CHYBOVNIK.TXT in the current folder and the console
// notices. Texts are bytes of the DOS code page 852 (ú A3, á A0, í A1, ť 9C).
//
// A journal line: the local date and time, then the message, then CR LF:
//   day (2, space-filled) "." month (2) "." year (4) two spaces
//   hour (2, space-filled) ":" minute ":" second (no filling) two spaces
// so 5 February 2004 9:05:07 gives " 5. 2.2004   9:5:7  ".
// Each line is appended with its own open and close. A Ctrl-Z within the last
// 128 bytes of the journal is cut away, with everything after it, first.

#include <string_view>

namespace vortena::catalog {

inline constexpr std::string_view kJournalName = "CHYBOVNIK.TXT";

// Appends one line. A journal that cannot be written ends the process with
// that code (stopExitCode).
void JournalWrite(std::string_view message);
// The code, two spaces and the message as one console line; then waits for a
// line on standard input, but only when that is an interactive terminal.
void ConsoleNotice(int code, std::string_view message);
// The notice that a file cannot be accessed: journal and console, no wait.
void AccessNotice(std::string_view path);

}  // namespace vortena::catalog

#include <string>

namespace vortena::catalog {
struct LocalTime;
// The journal line for a moment and a message, line end included.
std::string formatJournalLine(const LocalTime& time, std::string_view message);
}  // namespace vortena::catalog
