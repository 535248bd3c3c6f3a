#include "platform/program_starter.h"

namespace vortena {

std::optional<LaunchPlan> planLaunch(const std::string&, ShowMode, const StarterSetup&) { return std::nullopt; }

std::unique_ptr<StartedProgram> HostProgramStarter::start(const std::string&, ShowMode) { return nullptr; }

}  // namespace vortena
