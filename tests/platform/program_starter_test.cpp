#include "platform/program_starter.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/drive_map.h"
#include "platform/folders.h"
#include "tests/platform/pif_bytes.h"
#include "tests/support/temp_drive.h"

namespace vortena {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using testing::pifBytes;

class ProgramStarterTest : public testing::TempDriveTest {
 protected:
  ProgramStarterTest() {
    m_bin = drive.root() / "host-bin";
    m_programs = drive.root() / "host-programs";
    fs::create_directories(m_bin);
    fs::create_directories(m_programs);
    m_setup.programFolder = m_programs;
    m_setup.searchPath = m_bin.string();
  }

  static void makeExecutable(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  }
  // A script that writes its arguments (one a line), then cwd=, mode= and
  // pid= lines, to the record file; the rename makes the record whole.
  void makeRecorder(const fs::path& file, const std::string& record) {
    const std::string out = (drive.root() / record).string();
    makeExecutable(file, "#!/bin/sh\n{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done\n"
                         "printf 'cwd=%s\\nmode=%s\\npid=%s\\n' \"$(pwd -P)\" \"$VORTENA_SHOW_MODE\" \"$$\"\n"
                         "} > '" + out + ".tmp' && mv '" + out + ".tmp' '" + out + "'\n");
  }
  // The record's lines, or nothing when it does not come within 10 s.
  Strings waitForRecord(const std::string& record) {
    const fs::path file = drive.root() / record;
    for (int i = 0; i < 1000 && !fs::exists(file); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Strings lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::string rootText() const { return fs::canonical(drive.root()).string(); }

  fs::path m_bin;
  fs::path m_programs;
  StarterSetup m_setup;
};

TEST_F(ProgramStarterTest, PlansFollowTheRulesInOrder) {
  makeExecutable(hostPath("C:\\DOVODO\\STAVAK.EXE").string(), "#!/bin/sh\n");
  drive.makeFolder("C:\\DOVODO\\DATA");
  drive.writeFile("C:\\DOVODO\\PREVODW.EXE", "MZ");
  drive.writeFile("C:\\DOVODO\\VYSTAVA.PIF", pifBytes("C:\\DOVODO\\VYSTAVA.EXE", "C:\\DOVODO", "/F"));
  drive.writeFile("C:\\DOVODO\\SORTIM.PIF", pifBytes("SORTIM.EXE", "", ""));
  makeExecutable(m_bin / "dosbox", "#!/bin/sh\n");
  makeExecutable(m_bin / "wine", "#!/bin/sh\n");
  makeExecutable(m_programs / "zorak", "#!/bin/sh\n");
  const std::string root = driveRoot('C').string();
  const std::string report = "C:\\DOVODO\\DATA\\TOVARVYD.SPL";

  struct Case {
    std::string commandLine;
    ShowMode mode;
    fs::path program;
    Strings arguments;
  } const cases[] = {
      {"C:\\DOVODO\\STAVAK.EXE", ShowMode::Hide, hostPath("C:\\DOVODO\\STAVAK.EXE"), {}},
      {"c:\\dovodo\\stavak.exe a  b ", ShowMode::Normal, hostPath("C:\\DOVODO\\STAVAK.EXE"), {"a", "b"}},
      {"C:\\DOVODO\\PREVODW.EXE " + report, ShowMode::Normal, m_bin / "wine",
       {"start", "/unix", hostPath("C:\\DOVODO\\PREVODW.EXE").string(), report}},
      {"C:\\DOVODO\\PREVODW.EXE", ShowMode::Hide, m_bin / "wine",
       {"start", "/min", "/unix", hostPath("C:\\DOVODO\\PREVODW.EXE").string()}},
      {"C:\\DOVODO\\PREVODW.EXE", ShowMode::Maximized, m_bin / "wine",
       {"start", "/max", "/unix", hostPath("C:\\DOVODO\\PREVODW.EXE").string()}},
      {"C:\\DOVODO\\VYSTAVA.PIF", ShowMode::Maximized, m_bin / "dosbox",
       {"-c", "mount c \"" + root + "\"", "-c", "c:", "-c", "cd \\DOVODO", "-c", "C:\\DOVODO\\VYSTAVA.EXE /F", "-c",
        "exit", "-fullscreen"}},
      {"C:\\DOVODO\\SORTIM.PIF", ShowMode::Normal, m_bin / "dosbox",
       {"-c", "mount c \"" + root + "\"", "-c", "c:", "-c", "SORTIM.EXE", "-c", "exit"}},
      {"C:\\DOVODO\\ZORAK.EXE " + report, ShowMode::Maximized, m_programs / "zorak", {report}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    const std::optional<LaunchPlan> plan = planLaunch(c.commandLine, c.mode, m_setup);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->program, c.program);
    EXPECT_EQ(plan->arguments, c.arguments);
    EXPECT_FALSE(plan->workingFolder);
    const char* mode = c.mode == ShowMode::Hide ? "hidden" : c.mode == ShowMode::Normal ? "normal" : "maximized";
    EXPECT_EQ(plan->environment, (std::vector<std::pair<std::string, std::string>>{{"VORTENA_SHOW_MODE", mode}}));
  }

  // A ZORAK.EXE on the drive wins over the one beside the program.
  makeExecutable(hostPath("C:\\DOVODO\\ZORAK.EXE"), "#!/bin/sh\n");
  EXPECT_EQ(planLaunch("C:\\DOVODO\\ZORAK.EXE x", ShowMode::Normal, m_setup)->program,
            hostPath("C:\\DOVODO\\ZORAK.EXE"));
}

TEST_F(ProgramStarterTest, NothingPlansWhatCannotStart) {
  drive.writeFile("C:\\DOVODO\\README.TXT", "text");
  drive.writeFile("C:\\DOVODO\\SHORT.PIF", pifBytes("A.EXE", "", "", 100));
  drive.writeFile("C:\\DOVODO\\NOPROG.PIF", pifBytes("", "C:\\DOVODO", ""));
  drive.writeFile("C:\\DOVODO\\GOOD.PIF", pifBytes("A.EXE", "", ""));
  drive.writeFile("C:\\DOVODO\\PREVODW.EXE", "MZ");
  drive.makeFolder("C:\\DOVODO\\DIR.PIF");
  makeExecutable(m_bin / "dosbox", "#!/bin/sh\n");
  StarterSetup bare = m_setup;
  bare.searchPath = (drive.root() / "empty-bin").string();

  struct Case {
    const char* commandLine;
    const StarterSetup& setup;
  } const cases[] = {
      {"", m_setup},
      {" C:\\DOVODO\\GOOD.PIF", m_setup},  // no program before the first space
      {"C:\\DOVODO\\MISSING.EXE", m_setup},
      {"C:\\DOVODO\\MISSING.PIF", m_setup},
      {"C:\\DOVODO\\README.TXT", m_setup},
      {"C:\\DOVODO\\SHORT.PIF", m_setup},
      {"C:\\DOVODO\\NOPROG.PIF", m_setup},
      {"C:\\DOVODO\\DIR.PIF", m_setup},
      {"C:\\DOVODO\\GOOD.PIF", bare},       // no dosbox
      {"C:\\DOVODO\\PREVODW.EXE", m_setup},  // no wine
      {"C:\\DOVODO\\ZORAK.EXE x", m_setup},  // no zorak beside the program
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    EXPECT_FALSE(planLaunch(c.commandLine, ShowMode::Normal, c.setup));
    HostProgramStarter starter(c.setup);
    EXPECT_EQ(starter.start(c.commandLine, ShowMode::Normal), nullptr);
  }
}

// Each rule really starts its program: arguments, the inherited current
// folder and the show mode arrive.
TEST_F(ProgramStarterTest, StartsEachKindWithArgumentsFolderAndMode) {
  drive.makeFolder("C:\\TEMP");
  ASSERT_EQ(setCurrentFolder("C:\\TEMP"), 0);
  const std::string cwd = "cwd=" + rootText() + "/TEMP";
  makeRecorder(hostPath("C:\\DOVODO\\STAVAK.EXE"), "direct.txt");
  makeRecorder(m_bin / "dosbox", "dosbox.txt");
  makeRecorder(m_bin / "wine", "wine.txt");
  makeRecorder(m_programs / "zorak", "zorak.txt");
  drive.writeFile("C:\\DOVODO\\VYSTAVA.PIF", pifBytes("VYSTAVA.EXE", "C:\\DOVODO", ""));
  drive.writeFile("C:\\DOVODO\\PREVODW.EXE", "MZ");
  const std::string exe = hostPath("C:\\DOVODO\\PREVODW.EXE").string();

  struct Case {
    const char* commandLine;
    ShowMode mode;
    const char* record;
    Strings lines;  // without the pid line
  } const cases[] = {
      {"C:\\DOVODO\\STAVAK.EXE", ShowMode::Hide, "direct.txt", {cwd, "mode=hidden"}},
      {"C:\\DOVODO\\VYSTAVA.PIF", ShowMode::Maximized, "dosbox.txt",
       {"-c", "mount c \"" + driveRoot('C').string() + "\"", "-c", "c:", "-c", "cd \\DOVODO", "-c", "VYSTAVA.EXE",
        "-c", "exit", "-fullscreen", cwd, "mode=maximized"}},
      {"C:\\DOVODO\\PREVODW.EXE C:\\A.SPL", ShowMode::Normal, "wine.txt",
       {"start", "/unix", exe, "C:\\A.SPL", cwd, "mode=normal"}},
      {"C:\\DOVODO\\ZORAK.EXE C:\\A.SPL", ShowMode::Maximized, "zorak.txt", {"C:\\A.SPL", cwd, "mode=maximized"}},
  };
  HostProgramStarter starter(m_setup);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    const std::unique_ptr<StartedProgram> started = starter.start(c.commandLine, c.mode);
    ASSERT_NE(started, nullptr);
    Strings lines = waitForRecord(c.record);
    ASSERT_FALSE(lines.empty()) << "no record";
    EXPECT_EQ(lines.back().rfind("pid=", 0), 0u);
    lines.pop_back();
    EXPECT_EQ(lines, c.lines);
  }
}

TEST_F(ProgramStarterTest, NeverWaitsAndReapsEndedPrograms) {
  const std::string pidFile = (drive.root() / "pid.txt").string();
  makeExecutable(hostPath("C:\\SLEEPER"), "#!/bin/sh\necho $$ > '" + pidFile + ".tmp'; mv '" + pidFile +
                                              ".tmp' '" + pidFile + "'\nexec sleep 30\n");
  HostProgramStarter starter(m_setup);
  const auto before = std::chrono::steady_clock::now();
  std::unique_ptr<StartedProgram> sleeper = starter.start("C:\\SLEEPER", ShowMode::Normal);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  ASSERT_NE(sleeper, nullptr);
  const Strings pidLines = waitForRecord("pid.txt");
  ASSERT_EQ(pidLines.size(), 1u);
  const pid_t pid = std::stoi(pidLines[0]);
  EXPECT_FALSE(sleeper->hasEnded());

  // Dropped while running, then ended: the next reaping collects it, so
  // the pid disappears instead of lingering as a zombie.
  sleeper.reset();
  ASSERT_EQ(kill(pid, SIGTERM), 0);
  bool gone = false;
  for (int i = 0; i < 1000 && !gone; ++i) {
    reapDroppedPrograms();
    gone = kill(pid, 0) == -1 && errno == ESRCH;
    if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(gone);

  // A kept handle reaps its own program.
  makeRecorder(hostPath("C:\\QUICK"), "quick.txt");
  const std::unique_ptr<StartedProgram> quick = starter.start("C:\\QUICK", ShowMode::Normal);
  ASSERT_NE(quick, nullptr);
  ASSERT_FALSE(waitForRecord("quick.txt").empty());
  bool ended = false;
  for (int i = 0; i < 1000 && !ended; ++i) {
    ended = quick->hasEnded();
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace vortena
