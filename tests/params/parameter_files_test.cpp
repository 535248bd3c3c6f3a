#include "params/parameter_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "common/code_page.h"
#include "params/check_io_result.h"
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
using testing::ProgramEnded;
using Events = std::vector<std::string>;

std::string spaces(std::size_t n) { return std::string(n, ' '); }

class ParameterFilesTest : public testing::ParamsTest {
 protected:
  // A complete set of readable files: P6 and P7 at their usual values, the
  // others holding "X" (P8 "2"), and both log folders in place.
  ParameterFilesTest() {
    drive.writeFile(file(6), "DOVODO\\DATA\r\n");
    drive.writeFile(file(7), "BASE\\DATA\r\n");
    for (int n = 5; n <= 40; ++n)
      if (n != 6 && n != 7) drive.writeFile(file(n), n == 8 ? "2\r\n" : "X\r\n");
    drive.makeFolder("C:\\BASE\\DATA");
  }
  static std::string file(int n, const std::string& folder = "DOVODO\\DATA") {
    return "C:\\" + folder + "\\P\\P" + std::to_string(n) + ".DAT";
  }
  // Runs the step; the exit code when it stopped the program, else -1.
  static int run(const std::function<void()>& step) {
    try {
      step();
    } catch (const ProgramEnded& ended) {
      return ended.exitCode;
    }
    return -1;
  }
  ParameterStore& store() { return parameterStore(); }
  // What LoadParameters reads first, for tests of one reader or saver.
  static void readFolders() {
    ReadParameterP6();
    ReadParameterP7();
  }
};

TEST_F(ParameterFilesTest, LoadsEveryFileWithPaddingAndCutting) {
  drive.writeFile(file(26), "Meno\r\nUlica\r\n");
  drive.writeFile(file(27), "A\nriadok 2\nriadok 3\nriadok 4\nnavyse\n");  // bare LF, extra line
  drive.writeFile(file(30), "123\r\n");
  drive.writeFile(file(38), std::string(40, '7') + "\r\n");
  drive.writeFile(file(31), hexBytes("00 1A FF 8A 09 20") + "\r\n");  // bytes kept as they stand
  drive.writeFile(file(5), "");

  EXPECT_EQ(run(LoadParameters), -1);
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(store().value(5), "");
  EXPECT_EQ(store().value(6), "DOVODO\\DATA");
  EXPECT_EQ(store().value(7), "BASE\\DATA");
  EXPECT_EQ(store().quantityDecimals(), 2);
  EXPECT_EQ(store().value(9), "X");
  EXPECT_EQ(store().value(26, 0), "Meno" + spaces(21));
  EXPECT_EQ(store().value(26, 1), "Ulica" + spaces(25));
  EXPECT_EQ(store().value(27, 0), "A");
  EXPECT_EQ(store().value(27, 3), "riadok 4");
  EXPECT_EQ(store().value(30), spaces(12) + "123");
  EXPECT_EQ(store().value(31), hexBytes("00 1A FF 8A 09 20") + spaces(28));
  EXPECT_EQ(store().value(38), std::string(25, '7'));
  EXPECT_EQ(store().value(40), "X" + spaces(24));
  EXPECT_FALSE(drive.exists("C:\\BASE\\DATA\\MESSAGES.LOG"));
}

TEST_F(ParameterFilesTest, ShortFilesGiveEmptyValuesThenPadding) {
  readFolders();
  drive.writeFile(file(26), "Meno");  // one line, no line end
  drive.writeFile(file(27), "");
  ReadParameterP26();
  ReadParameterP27();
  EXPECT_EQ(store().value(26, 0), "Meno" + spaces(21));
  EXPECT_EQ(store().value(26, 1), spaces(30));
  for (int line = 0; line < 4; ++line) EXPECT_EQ(store().value(27, line), "") << line;
  EXPECT_TRUE(ui.events.empty());
}

// Which file is missing decides the message, and the value of P7 at that
// moment decides where it is logged.
TEST_F(ParameterFilesTest, MissingFileStopsWithItsMessageInTheLogFolderOfThatMoment) {
  struct Case {
    int missing;
    const char* logFile;
  } const cases[] = {
      {6, "C:\\MESSAGES.LOG"},  // P7 still empty
      {7, "C:\\BASE\\DATA\\MESSAGES.LOG"},
      {5, "C:\\BASE\\DATA\\MESSAGES.LOG"},
      {8, "C:\\BASE\\DATA\\MESSAGES.LOG"},
      {40, "C:\\BASE\\DATA\\MESSAGES.LOG"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.missing);
    const std::string content = drive.readFile(file(c.missing));
    fs::remove(hostPath(file(c.missing)));
    store().reset();
    ui.events.clear();

    const std::string message = "Chyba pri reset parametra P" + std::to_string(c.missing);
    EXPECT_EQ(run(LoadParameters), DosCode::kFileNotFound);
    EXPECT_EQ(ui.events, (Events{"beep", "box:  2 " + message, "end:2"}));
    EXPECT_EQ(drive.readFile(c.logFile), std::string(kStamp) + ">>>   2 " + message + "\r\n");

    fs::remove(hostPath(c.logFile));
    drive.writeFile(file(c.missing), content);
  }
}

TEST_F(ParameterFilesTest, OtherLogFolderFromP7) {
  drive.writeFile(file(7), "LOGY\r\n");
  drive.makeFolder("C:\\LOGY");
  fs::remove(hostPath(file(5)));
  EXPECT_EQ(run(LoadParameters), 2);
  EXPECT_TRUE(drive.exists("C:\\LOGY\\MESSAGES.LOG"));
  EXPECT_FALSE(drive.exists("C:\\BASE\\DATA\\MESSAGES.LOG"));
}

TEST_F(ParameterFilesTest, OtherParameterFolderFromP6) {
  drive.writeFile(file(6), "FIRMA\\DATA\r\n");
  for (int n = 5; n <= 40; ++n)
    if (n != 6 && n != 7) drive.writeFile(file(n, "FIRMA\\DATA"), n == 8 ? "4\r\n" : "F\r\n");
  drive.writeFile(file(7), "BASE\\DATA\r\n");
  EXPECT_EQ(run(LoadParameters), -1);
  EXPECT_EQ(store().value(5), "F");
  EXPECT_EQ(store().quantityDecimals(), 4);
  EXPECT_EQ(parameterPath(24), "C:\\FIRMA\\DATA\\P\\P24.DAT");
  EXPECT_EQ(parameterPath(7), "C:\\DOVODO\\DATA\\P\\P7.DAT");
}

TEST_F(ParameterFilesTest, ParameterFolderThatDoesNotExistStopsWithCode3) {
  drive.writeFile(file(6), "NIKDE\r\n");
  EXPECT_EQ(run(LoadParameters), DosCode::kPathNotFound);
  EXPECT_EQ(ui.events.at(1), "box:  3 Chyba pri reset parametra P5");
}

// Whatever bytes P6 holds, the readers stop with a code instead of crashing.
TEST_F(ParameterFilesTest, BinaryParameterFolderStopsCleanly) {
  for (const char* bytes : {"00 FF", "44 4F 00 58", "1A 0D", "7C 3F 2A"}) {
    SCOPED_TRACE(bytes);
    drive.writeFile(file(6), hexBytes(bytes) + "\r\n");
    ui.events.clear();
    EXPECT_GT(run(LoadParameters), 0);
    ASSERT_EQ(ui.events.size(), 3u);
    EXPECT_EQ(ui.events[1].substr(ui.events[1].size() - 28), "Chyba pri reset parametra P5");
  }
}

TEST_F(ParameterFilesTest, FolderInPlaceOfTheFileStops) {
  readFolders();
  fs::remove(hostPath(file(9)));
  drive.makeFolder(file(9));
  EXPECT_EQ(run(ReadParameterP9), DosCode::kAccessDenied);
  EXPECT_EQ(ui.events.at(1), "box:  5 Chyba pri reset parametra P9");
}

TEST_F(ParameterFilesTest, ReadOnlyFileIsRead) {
  readFolders();
  fs::permissions(hostPath(file(35)), fs::perms::owner_read);
  EXPECT_EQ(run(ReadParameterP35), -1);
  EXPECT_EQ(store().value(35), "X" + spaces(29));
}

TEST_F(ParameterFilesTest, P8TakesItsFirstDigitOrStopsWithoutBeepOrLog) {
  readFolders();
  struct Case {
    const char* content;
    int decimals;  // -1: the conversion stop
  } const cases[] = {{"35\r\n", 3}, {"0", 0}, {"9\n", 9}, {"a\r\n", -1}, {"", -1}, {" 2\r\n", -1}, {"-\r\n", -1}};
  const std::string box = "box:" + utf8ToBytes(CodePage::Windows1250, "Chyba premeny desatín množstva na číslo");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    drive.writeFile(file(8), c.content);
    ui.events.clear();
    const int ended = run(ReadParameterP8);
    if (c.decimals < 0) {
      EXPECT_EQ(ended, kConversionExitCode);
      EXPECT_EQ(ui.events, (Events{box, "end:" + std::to_string(kConversionExitCode)}));
    } else {
      EXPECT_EQ(ended, -1);
      EXPECT_EQ(store().quantityDecimals(), c.decimals);
    }
  }
  EXPECT_EQ(store().value(8), "");
  EXPECT_FALSE(drive.exists("C:\\BASE\\DATA\\MESSAGES.LOG"));
}

TEST_F(ParameterFilesTest, SavedFilesHoldTheValuePaddedAndCrLf) {
  readFolders();
  struct Case {
    int n;
    void (*save)();
    std::size_t length;
  } const cases[] = {{35, SaveParameterP35, 30},
                     {37, SaveParameterP37, 12},
                     {38, SaveParameterP38, 25},
                     {39, SaveParameterP39, 25},
                     {40, SaveParameterP40, 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    drive.writeFile(file(c.n), std::string(60, 'z') + "\r\nstary riadok\r\n");
    store().setValue(c.n, "12345678");
    EXPECT_EQ(run(c.save), -1);
    EXPECT_EQ(drive.readFile(file(c.n)), "12345678" + spaces(c.length - 8) + "\r\n");
    EXPECT_EQ(store().value(c.n), "12345678" + spaces(c.length - 8));
  }
  store().setValue(38, std::string(30, 'q'));  // the store cuts to 25
  SaveParameterP38();
  EXPECT_EQ(drive.readFile(file(38)), std::string(25, 'q') + "\r\n");
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(ParameterFilesTest, SaveIntoReadOnlyFileStopsWithRewriteMessage) {
  readFolders();
  fs::permissions(hostPath(file(37)), fs::perms::owner_read);
  store().setValue(37, "12345678");
  EXPECT_EQ(run(SaveParameterP37), DosCode::kAccessDenied);
  EXPECT_EQ(ui.events, (Events{"beep", "box:  5 Chyba pri rewrite parametra P37", "end:5"}));
  EXPECT_EQ(drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG"),
            std::string(kStamp) + ">>>   5 Chyba pri rewrite parametra P37\r\n");
  EXPECT_EQ(drive.readFile(file(37)), "X\r\n");
}

TEST_F(ParameterFilesTest, StopWithoutLogFolderRaisesIoError) {
  fs::remove_all(hostPath("C:\\BASE"));
  fs::remove(hostPath(file(5)));
  readFolders();
  EXPECT_THROW(ReadParameterP5(), IoError);
  EXPECT_EQ(ui.events, (Events{"beep"}));
}

}  // namespace
}  // namespace vortena
