#pragma once
// Starting outside programs in place of WinExec: never waits, ignores the
// result, shows no message when a program cannot be started; the program
// inherits the current folder.
//
// A command line "PROGRAM ARGS" is started by these rules, in order:
//  1. PROGRAM is a DOS path, mapped through the drive mapping. A file the
//     host can execute itself (execute bit: a native program or a script)
//     is started directly with ARGS as its arguments.
//  2. A .PIF file: the DOS program, its parameters and its working folder
//     are read from the program-information file and run in DOSBox, when
//     DOSBox is installed, with drive C: mounted at the mapped drive root.
//  3. A Windows .EXE: run with wine, when wine is installed.
//  4. C:\DOVODO\ZORAK.EXE when the drive has no such file: the zorak
//     program installed beside the running program.
// PROGRAM ends at the first space; ARGS are split on spaces (runs of spaces
// give no empty arguments). Argument bytes are passed unchanged.
//
// The show mode reaches the program as the environment variable
// VORTENA_SHOW_MODE = hidden | normal | maximized (every rule), and also:
// DOSBox gets -fullscreen when maximized; wine runs the program through
// "start /unix" with /min when hidden and /max when maximized. On Windows
// the mode is the window state of CreateProcess.
//
// Ended programs are reaped: StartedProgram::hasEnded does it without
// waiting, and a StartedProgram dropped while its program runs hands the
// process to a process-wide list that reapDroppedPrograms() clears of ended
// ones. Every start and the starter's destructor call it, so no ended
// program stays a zombie for longer than the next start.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vortena {

enum class ShowMode { Hide = 0, Normal = 1, Maximized = 3 };

// A resolved start: what exactly would run. Plain data, so the rules are
// tested without starting anything.
struct LaunchPlan {
  std::filesystem::path program;  // host path of the executable to run
  std::vector<std::string> arguments;
  std::optional<std::filesystem::path> workingFolder;  // unset: inherit ours
  std::vector<std::pair<std::string, std::string>> environment;  // added to ours
};

struct StarterSetup {
  // Folder of the running program (where zorak is installed beside it).
  std::filesystem::path programFolder;
  // The search path for dosbox and wine; unset: the PATH variable.
  std::optional<std::string> searchPath;
};

// Applies the rules; empty when nothing can start the command line.
std::optional<LaunchPlan> planLaunch(const std::string& commandLine, ShowMode mode, const StarterSetup& setup);

// A started process that can be asked, without waiting, whether it ended.
class StartedProgram {
 public:
  virtual ~StartedProgram() = default;
  virtual bool hasEnded() = 0;
};

// The interface the menu shell uses, so tests can record what it starts.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts and returns at once; null when it could not be started.
  virtual std::unique_ptr<StartedProgram> start(const std::string& commandLine, ShowMode mode) = 0;
};

// The real one: planLaunch, then a detached start of the plan.
class HostProgramStarter final : public ProgramStarter {
 public:
  explicit HostProgramStarter(StarterSetup setup) : m_setup(std::move(setup)) {}
  ~HostProgramStarter() override;
  std::unique_ptr<StartedProgram> start(const std::string& commandLine, ShowMode mode) override;

 private:
  StarterSetup m_setup;
};

// Reaps, without waiting, the dropped programs that have ended.
void reapDroppedPrograms();

}  // namespace vortena
