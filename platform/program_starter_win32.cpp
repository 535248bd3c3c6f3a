// Starting a plan on Windows: CreateProcessW with the show mode as the
// window state, never waiting. Process handles are closed when the
// StartedProgram goes, so nothing needs reaping.
#include <windows.h>

#include "common/code_page.h"
#include "platform/program_starter.h"

namespace vortena {

namespace {

std::wstring wide(const std::string& windows1250) {
  std::wstring out;
  for (const char c : windows1250) out += static_cast<wchar_t>(byteToUnicode(CodePage::Windows1250, static_cast<unsigned char>(c)));
  return out;
}

// One argument quoted the way the C runtime splits a command line.
void appendQuoted(std::wstring& line, const std::wstring& argument) {
  if (!line.empty()) line += L' ';
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    line += argument;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

WORD showWindow(ShowMode mode) {
  switch (mode) {
    case ShowMode::Hide: return SW_HIDE;
    case ShowMode::Maximized: return SW_SHOWMAXIMIZED;
    case ShowMode::Normal: break;
  }
  return SW_SHOWNORMAL;
}

class WindowsStartedProgram final : public StartedProgram {
 public:
  explicit WindowsStartedProgram(HANDLE process) : m_process(process) {}
  ~WindowsStartedProgram() override { CloseHandle(m_process); }
  WindowsStartedProgram(const WindowsStartedProgram&) = delete;
  WindowsStartedProgram& operator=(const WindowsStartedProgram&) = delete;
  bool hasEnded() override { return WaitForSingleObject(m_process, 0) != WAIT_TIMEOUT; }

 private:
  HANDLE m_process;
};

}  // namespace

void reapDroppedPrograms() {}

HostProgramStarter::~HostProgramStarter() = default;

// The plan's environment additions are not passed on Windows: the show mode
// travels as the window state, which is what they stand in for elsewhere.
std::unique_ptr<StartedProgram> HostProgramStarter::start(const std::string& commandLine, ShowMode mode) {
  const std::optional<LaunchPlan> plan = planLaunch(commandLine, mode, m_setup);
  if (!plan) return nullptr;
  std::wstring line;
  appendQuoted(line, plan->program.wstring());
  for (const std::string& argument : plan->arguments) appendQuoted(line, wide(argument));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = showWindow(mode);
  PROCESS_INFORMATION info{};
  const std::wstring folder = plan->workingFolder ? plan->workingFolder->wstring() : std::wstring();
  if (!CreateProcessW(plan->program.wstring().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return nullptr;
  CloseHandle(info.hThread);
  return std::make_unique<WindowsStartedProgram>(info.hProcess);
}

}  // namespace vortena
