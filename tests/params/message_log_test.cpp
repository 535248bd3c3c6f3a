#include "params/message_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "params/parameter_store.h"
#include "platform/dos_error.h"
#include "platform/drive_map.h"
#include "platform/io_error.h"
#include "tests/params/params_fixture.h"

namespace vortena {
namespace {

namespace fs = std::filesystem;
using testing::hexBytes;
using testing::kStamp;
using testing::toHex;

class MessageLogTest : public testing::ParamsTest {
 protected:
  MessageLogTest() {
    parameterStore().setValue(7, "BASE\\DATA");
    drive.makeFolder("C:\\BASE\\DATA");
  }
  static void makeReadOnly(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
};

TEST_F(MessageLogTest, LinesAreAppendedInOrderAfterEarlierOnes) {
  drive.writeFile("C:\\BASE\\DATA\\MESSAGES.LOG", "old line\r\n");
  LogMessage("first");
  LogMessage("second");
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"),
            std::string("old line\r\n") + kStamp + "first\r\n" + kStamp + "second\r\n");
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\M_______.MSG"),
            doubledBytes(std::string(kStamp) + "first") + "\r\n" + doubledBytes(std::string(kStamp) + "second") +
                "\r\n");
}

TEST_F(MessageLogTest, CopyDoublesEveryByteOfTheLineButNotItsEnd) {
  struct Case {
    const char* text;
    const char* doubled;
  } const cases[] = {
      {"61 62 63", "C2 C4 C6"},  // abc
      {"05 85", "0A 0A"},        // both become LF
      {"0D 8D", "1A 1A"},
      {"00 80 FF 7F", "00 00 FE FE"},
      {"0D 0A", "1A 14"},  // a CR LF inside the text is doubled like any byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(toHex(doubledBytes(hexBytes(c.text))), toHex(hexBytes(c.doubled)));
  }
  LogMessage(hexBytes("61 62 63 E1"));
  const std::string copy = drive.readFile("C:\\BASE\\DATA\\M_______.MSG");
  EXPECT_EQ(toHex(copy.substr(copy.size() - 6)), "C2 C4 C6 C2 0D 0A");
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"), std::string(kStamp) + hexBytes("61 62 63 E1") + "\r\n");
}

TEST_F(MessageLogTest, EmptyLogFolderMeansTheRootOfC) {
  parameterStore().setValue(7, "");
  EXPECT_EQ(logFilePath("MESSAGES.LOG"), "C:\\MESSAGES.LOG");
  LogMessage("x");
  EXPECT_EQ(drive.readFile("C:\\MESSAGES.LOG"), std::string(kStamp) + "x\r\n");
  EXPECT_TRUE(drive.exists("C:\\M_______.MSG"));
}

TEST_F(MessageLogTest, MissingFolderThrowsIoErrorWithCodeAndPath) {
  parameterStore().setValue(7, "NIE\\JE");
  try {
    LogMessage("x");
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), DosCode::kPathNotFound);
    EXPECT_EQ(error.path(), "C:\\NIE\\JE\\MESSAGES.LOG");
  }
}

// A log that exists but cannot be appended to is reported, never emptied.
TEST_F(MessageLogTest, ReadOnlyLogKeepsItsLinesAndThrows) {
  drive.writeFile("C:\\BASE\\DATA\\MESSAGES.LOG", "old line\r\n");
  makeReadOnly(hostPath("C:\\BASE\\DATA\\MESSAGES.LOG"));
  try {
    LogMessage("x");
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), DosCode::kAccessDenied);
    EXPECT_EQ(error.path(), "C:\\BASE\\DATA\\MESSAGES.LOG");
  }
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"), "old line\r\n");
  EXPECT_FALSE(drive.exists("C:\\BASE\\DATA\\M_______.MSG"));
}

TEST_F(MessageLogTest, FailureOnTheCopyComesAfterTheLogLine) {
  drive.writeFile("C:\\BASE\\DATA\\M_______.MSG", "");
  makeReadOnly(hostPath("C:\\BASE\\DATA\\M_______.MSG"));
  try {
    LogMessage("x");
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), DosCode::kAccessDenied);
    EXPECT_EQ(error.path(), "C:\\BASE\\DATA\\M_______.MSG");
  }
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"), std::string(kStamp) + "x\r\n");
}

}  // namespace
}  // namespace vortena
