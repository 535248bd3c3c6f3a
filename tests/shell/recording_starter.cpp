#include "tests/shell/recording_starter.h"

namespace vortena::testing {

namespace {

class FakeProgram final : public StartedProgram {
 public:
  explicit FakeProgram(std::shared_ptr<bool> ended) : m_ended(std::move(ended)) {}
  bool hasEnded() override { return *m_ended; }

 private:
  std::shared_ptr<bool> m_ended;
};

}  // namespace

std::unique_ptr<StartedProgram> RecordingStarter::start(const std::string& commandLine, ShowMode mode) {
  starts.push_back({commandLine, mode});
  const std::string program = commandLine.substr(0, commandLine.find(' '));
  if (m_refused.count(program) != 0) return nullptr;
  return std::make_unique<FakeProgram>(m_ended);
}

}  // namespace vortena::testing
