#pragma once
// A ProgramStarter that starts nothing: it records every command line and
// show mode, refuses the programs it is told to refuse, and lets the test
// decide when a started program has ended.

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/program_starter.h"

namespace vortena::testing {

struct RecordedStart {
  std::string commandLine;
  ShowMode mode;
};

class RecordingStarter final : public ProgramStarter {
 public:
  std::unique_ptr<StartedProgram> start(const std::string& commandLine, ShowMode mode) override;

  // Command lines starting with this program path are refused (null).
  void refuse(const std::string& program) { m_refused.insert(program); }
  // Ends every program started so far.
  void endAll() { *m_ended = true; }

  std::vector<RecordedStart> starts;

 private:
  std::set<std::string> m_refused;
  std::shared_ptr<bool> m_ended = std::make_shared<bool>(false);
};

}  // namespace vortena::testing
