#include "params/check_io_result.h"

#include <gtest/gtest.h>

#include "params/message_log.h"
#include "params/parameter_files.h"
#include "params/parameter_store.h"
#include "platform/dos_error.h"
#include "platform/io_error.h"
#include "tests/params/params_fixture.h"

namespace vortena {
namespace {

using testing::kStamp;
using testing::ProgramEnded;
using Events = std::vector<std::string>;

class CheckIoResultTest : public testing::ParamsTest {
 protected:
  CheckIoResultTest() {
    parameterStore().setValue(7, "BASE\\DATA");
    drive.makeFolder("C:\\BASE\\DATA");
  }
  // Runs CheckIoResult and gives the exit code it ended with.
  int stopCode(int code, const std::string& text) {
    try {
      CheckIoResult(code, text);
    } catch (const ProgramEnded& ended) {
      return ended.exitCode;
    }
    ADD_FAILURE() << "CheckIoResult returned for " << code;
    return 0;
  }
};

TEST(FormatCode3, RightAlignsAndKeepsTheFirstThreeCharacters) {
  struct Case {
    int code;
    const char* code3;
  } const cases[] = {{0, "  0"}, {2, "  2"}, {32, " 32"}, {100, "100"}, {1784, "178"}, {-1, " -1"}, {-1234, "-12"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(formatCode3(c.code), c.code3);
  }
}

TEST(IoExitCode, IsNeverZeroAndFitsAProcessStatus) {
  const std::pair<int, int> cases[] = {{2, 2}, {5, 5}, {255, 255}, {256, 255}, {1784, 255}, {-3, 1}};
  for (const auto& [code, exit] : cases) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ioExitCode(code), exit);
  }
}

TEST_F(CheckIoResultTest, ZeroNeitherBeepsNorLogs) {
  CheckIoResult(0, "Chyba pri reset parametra P5");
  EXPECT_TRUE(ui.events.empty());
  EXPECT_FALSE(drive.exists("C:\\BASE\\DATA\\MESSAGES.LOG"));
  EXPECT_FALSE(drive.exists("C:\\BASE\\DATA\\M_______.MSG"));
}

TEST_F(CheckIoResultTest, FailureBeepsLogsShowsAndEnds) {
  EXPECT_EQ(stopCode(2, "Chyba pri reset parametra P5"), 2);
  EXPECT_EQ(ui.events, (Events{"beep", "box:  2 Chyba pri reset parametra P5", "end:2"}));
  const std::string line = std::string(kStamp) + ">>>   2 Chyba pri reset parametra P5";
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"), line + "\r\n");
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\M_______.MSG"), doubledBytes(line) + "\r\n");
}

TEST_F(CheckIoResultTest, LongCodeShowsItsFirstDigitsAndEndsWithAValidStatus) {
  EXPECT_EQ(stopCode(1784, "x"), 255);
  EXPECT_EQ(ui.events[1], "box:178 x");
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"), std::string(kStamp) + ">>> 178 x\r\n");
}

TEST_F(CheckIoResultTest, UnwritableLogRaisesIoErrorInsteadOfTheBox) {
  parameterStore().setValue(7, "CHYBA");
  try {
    CheckIoResult(5, "Chyba pri rewrite parametra P37");
    FAIL() << "returned";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), DosCode::kPathNotFound);
    EXPECT_EQ(error.path(), "C:\\CHYBA\\MESSAGES.LOG");
  }
  EXPECT_EQ(ui.events, (Events{"beep"}));
}

// The real console stop in a child process: the program ends with the
// code, the box text goes to standard error, and the log lines are on disk.
TEST_F(CheckIoResultTest, ConsoleStopEndsTheProcessWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "fast");
  drive.writeFile("C:\\DOVODO\\DATA\\P\\P6.DAT", "DOVODO\\DATA\r\n");
  drive.writeFile("C:\\DOVODO\\DATA\\P\\P7.DAT", "BASE\\DATA\r\n");
  parameterStore().reset();
  EXPECT_EXIT(
      {
        setStopUi(nullptr);
        LoadParameters();
      },
      ::testing::ExitedWithCode(2), "  2 Chyba pri reset parametra P5");
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"),
            std::string(kStamp) + ">>>   2 Chyba pri reset parametra P5\r\n");
  EXPECT_TRUE(drive.exists("C:\\BASE\\DATA\\M_______.MSG"));
}

}  // namespace
}  // namespace vortena
