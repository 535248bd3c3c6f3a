#pragma once
// The fatal stop for input/output failures of the parameter files.
//
// CheckIoResult(code, text) returns at once for code 0. For any other code:
// beep, log ">>> " + code3 + " " + text (message_log.h), show code3 + " " +
// text in the warning box with one OK button, and when it is closed end the
// program through stopUi().endProgram(ioExitCode(code)).
//
// code3 is the code in decimal right-aligned in three characters; a longer
// number keeps its first three characters (2 -> "  2", 1784 -> "178").
//
// Contract with the caller: when the log itself cannot be written,
// LogMessage's IoError leaves CheckIoResult after the beep, before the box;
// CheckIoResult then does not end the program. SPUSTAC's main catches it
// around LoadParameters, shows the application's error box
// (IoError::userMessage) and ends with a nonzero code; inside a dialog the
// application's standard error handling shows it and the program goes on.
//
// Text arguments are Windows-1250 bytes.

#include <string>
#include <string_view>

namespace vortena {

std::string formatCode3(int code);

// The process exit code of the stop: the I/O code clipped to 1..255, so a
// stopped program never reports success (codes above 255 give 255, negative
// ones 1).
int ioExitCode(int code);

void CheckIoResult(int code, std::string_view text);

}  // namespace vortena
