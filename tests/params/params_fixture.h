#pragma once
// The fixture of the parameter and log tests: a fresh drive C:, an empty
// parameter store, a fixed log clock, and a stop whose user interface is
// recorded and whose end of the program throws ProgramEnded, so a stop can
// be tested in this process.

#include <string>
#include <vector>

#include "params/log_clock.h"
#include "params/parameter_store.h"
#include "params/stop_ui.h"
#include "tests/support/temp_drive.h"

namespace vortena::testing {

struct ProgramEnded {
  int exitCode;
};

class RecordingStopUi final : public StopUi {
 public:
  void beep() override { events.push_back("beep"); }
  void showWarning(const std::string& text) override { events.push_back("box:" + text); }
  [[noreturn]] void endProgram(int exitCode) override {
    events.push_back("end:" + std::to_string(exitCode));
    throw ProgramEnded{exitCode};
  }
  std::vector<std::string> events;
};

class FixedLogClock final : public LogClock {
 public:
  std::string shortDate() override { return "24.02.2004"; }
  std::string longTime() override { return "9:05:07"; }
};

inline constexpr const char* kStamp = "24.02.2004 9:05:07 ";

class ParamsTest : public TempDriveTest {
 protected:
  ParamsTest() {
    parameterStore().reset();
    setStopUi(&ui);
    setLogClock(&clock);
  }
  ~ParamsTest() override {
    setStopUi(nullptr);
    setLogClock(nullptr);
    parameterStore().reset();
  }

  RecordingStopUi ui;
  FixedLogClock clock;
};

}  // namespace vortena::testing
