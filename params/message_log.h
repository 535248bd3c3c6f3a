#pragma once
// The message log: MESSAGES.LOG and its copy M_______.MSG in the folder
// "C:\" + P7 (the root C:\ while P7 is empty). Both only grow.
//
// MESSAGES.LOG, one line per message (Windows-1250 bytes):
//   FIELD   SIZE      MEANING
//   date    variable  logClock().shortDate(), taken first
//   " "     1
//   time    variable  logClock().longTime()
//   " "     1
//   text    variable  the message, unchanged
//   CR LF   2
// M_______.MSG holds the same line with every byte b before the CR LF
// replaced by (2 * b) mod 256 ("abc" -> C2 C4 C6); its CR LF is unchanged.
// The copy loses each byte's top bit, and 05/85 become LF, 0D/8D become 1A,
// so its lines cannot be split safely at line ends.

#include <string>
#include <string_view>

namespace vortena {

// "C:\" + P7 + "\" + name, or "C:\" + name while P7 is empty.
std::string logFilePath(std::string_view fileName);

// The copy's transform of one line (without its CR LF).
std::string doubledBytes(std::string_view line);

// Appends the line to both files. A missing file is created. Any other
// failure (missing folder, read-only file, failed write or close) throws
// IoError with the code, the step and the file's DOS path; a failure on the
// copy comes after the line is in MESSAGES.LOG.
void LogMessage(std::string_view text);

}  // namespace vortena
