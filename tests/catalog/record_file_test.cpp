#include "catalog/record_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "catalog/catalog_state.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using vortena::testing::hexBytes;
using vortena::testing::toHex;
using namespace vortena::catalog::testing;

constexpr std::string_view kPath = "C:\\DATA\\R.DAT";

class RecordFileTest : public vortena::testing::TempDriveTest {
 protected:
  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DATA");
  }
  static std::array<std::uint8_t, 24> record(char fill) {
    std::array<std::uint8_t, 24> r{};
    r.fill(static_cast<std::uint8_t>(fill));
    return r;
  }
};

TEST_F(RecordFileTest, CreateWritesHeaderAndInsertsAppend) {
  RecordFile f;
  CreateRecordFile(f, kPath, 24);
  ASSERT_TRUE(OperationOk());
  EXPECT_EQ(toHex(drive.readFile(kPath)), toHex(hexBytes("FF FF 00 00 00 00 00 00") + std::string(16, '\0')));
  EXPECT_EQ(f.recordCount(), 1);
  EXPECT_EQ(InsertRecord(f, record('a').data()), 1);
  EXPECT_EQ(InsertRecord(f, record('b').data()), 2);
  CloseRecordFile(f);
  const std::string bytes = drive.readFile(kPath);
  ASSERT_EQ(bytes.size(), 72u);
  EXPECT_EQ(toHex(bytes.substr(0, 8)), toHex(hexBytes("FF FF 00 00 00 00 03 00")));
  EXPECT_EQ(bytes.substr(24, 24), std::string(24, 'a'));
  EXPECT_EQ(bytes.substr(48, 24), std::string(24, 'b'));
}

TEST_F(RecordFileTest, FreedRecordsAreReusedLastFreedFirst) {
  RecordFile f;
  CreateRecordFile(f, kPath, 24);
  InsertRecord(f, record('a').data());
  InsertRecord(f, record('b').data());
  FreeRecord(f, 1);
  EXPECT_EQ(f.firstFree(), 1);
  EXPECT_EQ(InsertRecord(f, record('c').data()), 1);
  EXPECT_EQ(f.firstFree(), kNoRecord);
  EXPECT_EQ(f.freeCount(), 0);

  FreeRecord(f, 1);
  FreeRecord(f, 2);
  EXPECT_EQ(f.firstFree(), 2);
  EXPECT_EQ(f.freeCount(), 2);
  CloseRecordFile(f);
  const std::string bytes = drive.readFile(kPath);
  EXPECT_EQ(toHex(bytes.substr(0, 8)), toHex(hexBytes("02 00 02 00 00 00 03 00")));
  EXPECT_EQ(toHex(bytes.substr(48, 2)), "01 00");
  EXPECT_EQ(toHex(bytes.substr(24, 2)), "FF FF");

  OpenRecordFile(f, kPath, 24);
  ASSERT_TRUE(OperationOk());
  EXPECT_EQ(AllocateRecord(f), 2);
  EXPECT_EQ(AllocateRecord(f), 1);
  EXPECT_EQ(AllocateRecord(f), 3);
  EXPECT_EQ(f.freeCount(), 0);
  CloseRecordFile(f);
}

TEST_F(RecordFileTest, OpenTakesTheCountFromTheLength) {
  // savedCount says 9, the file holds 3 whole records and 5 bytes more.
  drive.writeFile(kPath, hexBytes("FF FF 00 00 00 00 09 00") + std::string(16 + 48 + 5, 'x'));
  RecordFile f;
  OpenRecordFile(f, kPath, 24);
  ASSERT_TRUE(OperationOk());
  EXPECT_EQ(f.recordCount(), 3);
  EXPECT_EQ(f.savedCount(), 9);
  std::array<std::uint8_t, 24> r{};
  const ChildResult partial = runInChild([&] { ReadRecord(f, 3, r.data()); });
  EXPECT_EQ(partial.exitCode, 100);
  CloseRecordFile(f);
  EXPECT_EQ(headerWord(drive.readFile(kPath), 6), 3);
}

TEST_F(RecordFileTest, MissingFileGivesFalseAndNoOutput) {
  RecordFile f;
  const ChildResult child = runInChild([&] {
    OpenRecordFile(f, "C:\\DATA\\NONE.DAT", 24);
    std::_Exit(OperationOk() ? 1 : 2);
  });
  EXPECT_EQ(child.exitCode, 2);
  EXPECT_EQ(child.console, "");
  EXPECT_FALSE(drive.exists("CHYBOVNIK.TXT"));
}

TEST_F(RecordFileTest, PendingCodeBeforeOpenGivesTheAccessNotice) {
  RecordFile f;
  const ChildResult child = runInChild([&] {
    noteIoCode(2);
    OpenRecordFile(f, kPath, 24);
    std::_Exit(!OperationOk() && !f.isOpen() ? 3 : 4);
  });
  EXPECT_EQ(child.exitCode, 3);
  const std::string notice = "S\xA3" "bor sa ned\xA0 spr\xA1stupni\x9C";
  EXPECT_EQ(child.console, " " + notice + std::string(kPath) + "!\r\n");
  EXPECT_EQ(journalMessages(), std::vector<std::string>{"CH ! " + notice + std::string(kPath) + "!"});
}

TEST_F(RecordFileTest, LongPathsAreCutTo80) {
  const std::string folder = "C:\\" + std::string(60, 'F');
  drive.makeFolder(folder);
  const std::string path = folder + "\\" + std::string(30, 'N');
  RecordFile f;
  CreateRecordFile(f, path, 24);
  EXPECT_EQ(f.path(), path.substr(0, 80));
  CloseRecordFile(f);
  EXPECT_TRUE(drive.exists(path.substr(0, 80)));
}

TEST_F(RecordFileTest, RecordsReadBackAfterWritesAndReopen) {
  RecordFile f;
  CreateRecordFile(f, kPath, 24);
  const int n = InsertRecord(f, record('a').data());
  WriteRecord(f, n, record('z').data());
  std::array<std::uint8_t, 24> r{};
  ReadRecord(f, n, r.data());
  EXPECT_EQ(r, record('z'));
  CloseRecordFile(f);
  OpenRecordFile(f, kPath, 24);
  ReadRecord(f, n, r.data());
  EXPECT_EQ(r, record('z'));
  CloseRecordFile(f);
}

struct StopCase {
  const char* name;
  std::function<void(vortena::testing::TempDrive&)> run;
  int code;
  std::vector<std::string> journal;
};

TEST_F(RecordFileTest, FailedStepsStopWithTheirCode) {
  const std::vector<StopCase> cases = {
      {"open in a missing folder",
       [](auto&) {
         RecordFile f;
         OpenRecordFile(f, "C:\\NOFOLDER\\X.DAT", 24);
       },
       3,
       {"CH !!! POZOR !!!   ", "CH C:\\NOFOLDER\\X.DAT", "CH !!! VSTUPNO/VYSTUPNA chyba 3 !!!", "CH Zaznam 0",
        "CH Program preruseny"}},
      {"read beyond the end",
       [](auto&) {
         RecordFile f;
         CreateRecordFile(f, kPath, 24);
         for (int i = 1; i < 30; ++i) (void)AllocateRecord(f);
         std::array<std::uint8_t, 24> r{};
         ReadRecord(f, 40, r.data());
       },
       100,
       {"CH !!! POZOR !!!   ", "CH C:\\DATA\\R.DAT", "CH !!! VSTUPNO/VYSTUPNA chyba 100 !!!", "CH Zaznam 40",
        "CH Program preruseny"}},
      {"pending code before a create (file stop)",
       [](auto&) {
         noteIoCode(5);
         RecordFile f;
         CreateRecordFile(f, kPath, 24);
       },
       5,
       {"CH !!! POZOR !!!   ", "CH !!! VSTUPNO/VYSTUPNA CHYBA 5 !!!", "CH Zaznam 0", "CH Program preruseny"}},
      {"create in a missing folder",
       [](auto&) {
         RecordFile f;
         CreateRecordFile(f, "C:\\NOFOLDER\\X.DAT", 24);
       },
       3,
       {"CH !!! POZOR !!!   ", "CH !!! VSTUPNO/VYSTUPNA CHYBA 3 !!!", "CH Zaznam 0", "CH Program preruseny"}},
      {"close of a handle that is not open",
       [](auto&) {
         RecordFile f;
         OpenRecordFile(f, "C:\\DATA\\NONE.DAT", 24);
         CloseRecordFile(f);
       },
       103,
       {"CH !!! POZOR !!!   ", "CH C:\\DATA\\NONE.DAT", "CH !!! VSTUPNO/VYSTUPNA chyba 103 !!!", "CH Zaznam 0",
        "CH Program preruseny"}},
      {"a dot in a folder name",
       [](auto&) {
         RecordFile f;
         OpenRecordFile(f, "C:\\A.B\\DATA\\X.DAT", 24);
       },
       3,
       {"CH !!! POZOR !!!   ", "CH C:\\A.B\\D", "CH !!! VSTUPNO/VYSTUPNA chyba 3 !!!", "CH Zaznam 0",
        "CH Program preruseny"}},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove("CHYBOVNIK.TXT");
    const ChildResult child = runInChild([&] { c.run(drive); });
    EXPECT_EQ(child.exitCode, c.code);
    const std::string code = std::to_string(c.code);
    EXPECT_EQ(child.console, code + "  !!! VSTUPNO/VYSTUPNA CHYBA " + code + " !!!\r\n" + code +
                                 "  Program je preruseny!\r\n");
    EXPECT_EQ(journalMessages(), c.journal);
  }
}

}  // namespace
}  // namespace vortena::catalog
