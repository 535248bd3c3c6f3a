// Starting a plan on POSIX hosts: posix_spawn, never waiting.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

#include "platform/program_starter.h"

extern char** environ;

namespace vortena {

namespace {

// Processes whose StartedProgram was dropped before they ended.
std::mutex g_droppedMutex;
std::vector<pid_t> g_dropped;

// True when the process has ended and is reaped (or was reaped elsewhere).
bool reapIfEnded(pid_t pid) {
  int status = 0;
  for (;;) {
    const pid_t result = waitpid(pid, &status, WNOHANG);
    if (result == pid) return true;
    if (result == 0) return false;
    if (errno != EINTR) return true;  // ECHILD: not ours to wait for any more
  }
}

class PosixStartedProgram final : public StartedProgram {
 public:
  explicit PosixStartedProgram(pid_t pid) : m_pid(pid) {}
  ~PosixStartedProgram() override {
    if (hasEnded()) return;
    const std::lock_guard lock(g_droppedMutex);
    g_dropped.push_back(m_pid);
  }
  PosixStartedProgram(const PosixStartedProgram&) = delete;
  PosixStartedProgram& operator=(const PosixStartedProgram&) = delete;

  bool hasEnded() override {
    if (!m_ended) m_ended = reapIfEnded(m_pid);
    return m_ended;
  }

 private:
  pid_t m_pid;
  bool m_ended = false;
};

// Our environment with the plan's variables put in place of same-named ones.
std::vector<std::string> environmentFor(const LaunchPlan& plan) {
  std::vector<std::string> result;
  for (char** entry = environ; entry && *entry; ++entry) {
    const std::string_view text(*entry);
    bool replaced = false;
    for (const auto& [name, value] : plan.environment)
      if (text.size() > name.size() && text.substr(0, name.size()) == name && text[name.size()] == '=')
        replaced = true;
    if (!replaced) result.emplace_back(text);
  }
  for (const auto& [name, value] : plan.environment) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// 0 on success, else an errno value.
int spawn(const LaunchPlan& plan, pid_t& pid) {
  std::vector<std::string> argv{plan.program.string()};
  argv.insert(argv.end(), plan.arguments.begin(), plan.arguments.end());
  std::vector<std::string> envp = environmentFor(plan);
  std::vector<char*> argvPointers = pointersTo(argv);
  std::vector<char*> envpPointers = pointersTo(envp);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  // A program of its own: its own process group, so a signal aimed at ours
  // (Ctrl-C in a terminal) does not end it, and no blocked signals.
  sigset_t noSignals;
  sigemptyset(&noSignals);
  posix_spawnattr_setsigmask(&attributes, &noSignals);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
  int error = 0;
  if (plan.workingFolder) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 29))
    error = posix_spawn_file_actions_addchdir_np(&actions, plan.workingFolder->c_str());
#else
    error = ENOSYS;
#endif
  }
  if (error == 0)
    error = posix_spawn(&pid, argv[0].c_str(), &actions, &attributes, argvPointers.data(), envpPointers.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

}  // namespace

void reapDroppedPrograms() {
  const std::lock_guard lock(g_droppedMutex);
  std::erase_if(g_dropped, reapIfEnded);
}

HostProgramStarter::~HostProgramStarter() { reapDroppedPrograms(); }

std::unique_ptr<StartedProgram> HostProgramStarter::start(const std::string& commandLine, ShowMode mode) {
  reapDroppedPrograms();
  const std::optional<LaunchPlan> plan = planLaunch(commandLine, mode, m_setup);
  if (!plan) return nullptr;
  pid_t pid = 0;
  if (spawn(*plan, pid) != 0) return nullptr;
  return std::make_unique<PosixStartedProgram>(pid);
}

}  // namespace vortena
