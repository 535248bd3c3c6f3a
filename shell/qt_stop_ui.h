#pragma once
// The fatal stop's user interface on Qt: the beep, a warning box with one
// OK button, then the immediate end of the process.
//
// VORTENA_AUTO_CLOSE_BOXES=1 closes the boxes of the start-up stop as soon
// as they are shown, for tests that run the program in a child process
// without anyone to press OK. The program's other boxes ignore it.

#include "params/stop_ui.h"

namespace vortena::shell {

class QtStopUi final : public StopUi {
 public:
  void beep() override;
  void showWarning(const std::string& text) override;
  [[noreturn]] void endProgram(int exitCode) override;
};

// While it lives, the start-up's boxes honour VORTENA_AUTO_CLOSE_BOXES.
class StartupBoxes {
 public:
  StartupBoxes();
  ~StartupBoxes();
  StartupBoxes(const StartupBoxes&) = delete;
  StartupBoxes& operator=(const StartupBoxes&) = delete;
};

}  // namespace vortena::shell
