#include "catalog/journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/catalog_state.h"
#include "catalog/console.h"
#include "catalog/io_stop.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;
using JournalTest = vortena::testing::TempDriveTest;

TEST(JournalLineTest, DateAndTimeAreFilledAsTheJournalWantsThem) {
  EXPECT_EQ(formatJournalLine(LocalTime{2004, 2, 5, 9, 5, 7}, "CH X"), " 5. 2.2004   9:5:7  CH X\r\n");
  EXPECT_EQ(formatJournalLine(LocalTime{2026, 12, 31, 23, 59, 0}, "M"), "31.12.2026  23:59:0  M\r\n");
}

TEST(StopExitCodeTest, TheCodeItselfOrTheFallback) {
  EXPECT_EQ(stopExitCode(3), 3);
  EXPECT_EQ(stopExitCode(255), 255);
  EXPECT_EQ(stopExitCode(0), kFallbackExitCode);
  EXPECT_EQ(stopExitCode(256), kFallbackExitCode);
  EXPECT_EQ(stopExitCode(-7), kFallbackExitCode);
}

TEST_F(JournalTest, AppendsAndCutsAtACtrlZNearTheEnd) {
  drive.writeFile("C:\\CHYBOVNIK.TXT", std::string("a\r\n") + std::string(300, 'x') + "\r\n\x1A\x1Arest");
  JournalWrite("CH one");
  JournalWrite("CH two");
  const std::string text = drive.readFile("C:\\CHYBOVNIK.TXT");
  EXPECT_EQ(text.find('\x1A'), std::string::npos);
  const auto messages = journalMessages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[2], "CH one");
  EXPECT_EQ(messages[3], "CH two");
}

TEST_F(JournalTest, ACtrlZFarFromTheEndIsText) {
  const std::string old = std::string("\x1A") + std::string(200, 'y') + "\r\n";
  drive.writeFile("C:\\CHYBOVNIK.TXT", old);
  JournalWrite("CH m");
  EXPECT_EQ(drive.readFile("C:\\CHYBOVNIK.TXT").substr(0, old.size()), old);
}

TEST_F(JournalTest, AnUnwritableJournalEndsTheProcessWithItsCode) {
  drive.writeFile("C:\\CHYBOVNIK.TXT", "");
  ::chmod((drive.root() / "CHYBOVNIK.TXT").c_str(), 0444);
  const ChildResult child = runInChild([] { JournalWrite("CH m"); });
  EXPECT_EQ(child.exitCode, 5);
}

TEST_F(JournalTest, ConsoleNoticeDoesNotWaitWithoutATerminal) {
  // Standard input is a pipe that is never written nor closed: a read would
  // block until the child is killed.
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  const ChildResult child = runInChild([&] {
    ::dup2(fds[0], STDIN_FILENO);
    ConsoleNotice(7, "!!! X !!!");
  });
  ::close(fds[0]);
  ::close(fds[1]);
  EXPECT_EQ(child.exitCode, kReturned);
  EXPECT_EQ(child.console, "7  !!! X !!!\r\n");
}

TEST_F(JournalTest, TheFirstStopCreatesTheJournalInTheCurrentFolder) {
  drive.makeFolder("C:\\WORK");
  ASSERT_EQ(::chdir((drive.root() / "WORK").c_str()), 0);
  const ChildResult child = runInChild([] {
    catalogState().LastIoCode = 0;
    noteIoCode(32);
    TakeIoCode();
    RecordFile f;
    StopOnFileError(f);
  });
  EXPECT_EQ(child.exitCode, 32);
  EXPECT_TRUE(drive.exists("C:\\WORK\\CHYBOVNIK.TXT"));
  EXPECT_EQ(journalMessages().size(), 4u);
}

}  // namespace
}  // namespace vortena::catalog
