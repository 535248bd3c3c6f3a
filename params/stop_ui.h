#pragma once
// What the fatal stop needs from the user interface: the beep, the modal
// warning box with one OK button, and the end of the program. SPUSTAC
// installs its Qt implementation at start-up; until then (and in tools
// without windows) a console stand-in writes to standard error.

#include <string>

namespace vortena {

class StopUi {
 public:
  virtual ~StopUi() = default;
  virtual void beep() = 0;
  // Shows the text (Windows-1250 bytes) in a modal warning box with a single
  // OK button and returns when the box is closed.
  virtual void showWarning(const std::string& text) = 0;
  // Ends the program at once with the given exit code; never returns.
  [[noreturn]] virtual void endProgram(int exitCode) = 0;
};

// The one in use. Never null: the console stand-in until setStopUi.
StopUi& stopUi();
// Installs another implementation (not owned); nullptr goes back to the
// console stand-in.
void setStopUi(StopUi* ui);

}  // namespace vortena
