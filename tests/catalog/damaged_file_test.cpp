// Damaged files must stop the process through the journal with the damage
// code, never crash, run outside a buffer or loop.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>

#include "catalog/catalog_state.h"
#include "catalog/io_stop.h"
#include "catalog/key_index.h"
#include "catalog/record_file.h"
#include "catalog/vat_repricing.h"
#include "catalog/warehouse_catalog.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;
using vortena::testing::hexBytes;

constexpr std::string_view kIndexPath = "C:\\DATA\\D.IND";
constexpr std::string_view kDataPath = "C:\\DATA\\D.DAT";
constexpr int K = 15;
constexpr int P = indexRecordLength(K);

class DamagedFileTest : public vortena::testing::TempDriveTest {
 protected:
  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DATA");
    // A sound index of three pages: leaves 1 and 2 under root 3.
    KeyIndex index;
    CreateKeyIndex(index, kIndexPath, K, false);
    for (int i = 0; i < 33; ++i) {
      char key[16];
      std::snprintf(key, sizeof key, "K%02d", i);
      ShortString k(key);
      InsertKey(index, i + 1, k);
    }
    CloseKeyIndex(index);
    sound = drive.readFile(kIndexPath);
  }
  // Bytes of the sound index with `bytes` written at `offset`.
  void damageIndex(std::size_t offset, const std::string& bytes) {
    std::string damaged = sound;
    damaged.replace(offset, bytes.size(), bytes);
    drive.writeFile(kIndexPath, damaged);
  }
  std::string sound;
};

void lookupAll() {
  KeyIndex index;
  OpenKeyIndex(index, kIndexPath, K, false);
  ShortString k("K07");
  int ref = 0;
  LookupKey(index, ref, k);
  RewindKeys(index);
  for (int i = 0; i < 100000; ++i) {
    StepKey(index, ref, k);
    if (!OperationOk()) break;
  }
  k.assign("K99");
  InsertKey(index, 99, k);
  k.assign("K01");
  RemoveKey(index, ref, k);
  CloseKeyIndex(index);
}

TEST_F(DamagedFileTest, DamagedIndexPagesStopWithTheirCode) {
  const std::size_t root = 3 * P, leaf = 1 * P;
  const std::size_t item1 = 3;  // first item of a page
  struct Case {
    const char* name;
    std::size_t offset;
    std::string bytes;
    int code;
    int record;  // in the journal's "CH Zaznam" line
  };
  const std::vector<Case> cases = {
      {"item count above 32", leaf + 0, hexBytes("28"), DamageCode::kItemCount, 1},
      {"item count 0", leaf + 0, hexBytes("00"), DamageCode::kItemCount, 1},
      {"key length above K", root + item1 + 4, hexBytes("10"), DamageCode::kKeyLength, 3},
      {"negative child", root + 1, hexBytes("FB FF"), DamageCode::kPageNumber, 3},
      {"child beyond the file", root + item1 + 2, hexBytes("63 00"), DamageCode::kPageNumber, 3},
      {"negative root", 4, hexBytes("FD FF"), DamageCode::kPageNumber, -3},
      {"root beyond the file", 4, hexBytes("09 00"), 100, 9},
      {"cycle through the root", root + 1, hexBytes("03 00"), DamageCode::kTreeDepth, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    damageIndex(c.offset, c.bytes);
    std::remove("CHYBOVNIK.TXT");
    const ChildResult child = runInChild(lookupAll);
    EXPECT_EQ(child.exitCode, c.code);
    const auto journal = journalMessages();
    ASSERT_EQ(journal.size(), 5u);
    EXPECT_EQ(journal[1], "CH " + std::string(kIndexPath));
    EXPECT_EQ(journal[3], "CH Zaznam " + std::to_string(c.record));
  }
}

TEST_F(DamagedFileTest, ATruncatedPageStopsWithTheShortRead) {
  drive.writeFile(kIndexPath, sound.substr(0, 2 * P + 100));
  const ChildResult child = runInChild(lookupAll);
  EXPECT_EQ(child.exitCode, 100);
}

TEST_F(DamagedFileTest, DamagedFreeChainsAndCountersStop) {
  const std::string header = "FF FF 00 00 00 00 00 00";
  struct Case {
    const char* name;
    std::string file;
    std::function<void(RecordFile&)> run;
    int code;
  };
  std::array<std::uint8_t, 8> r{};
  const auto insertTwice = [&r](RecordFile& f) {
    (void)InsertRecord(f, r.data());
    (void)InsertRecord(f, r.data());
  };
  const std::vector<Case> cases = {
      {"link beyond the file", hexBytes("05 00 01 00 00 00 00 00") + std::string(16, '\0'), insertTwice,
       DamageCode::kFreeChain},
      {"a chain that loops", hexBytes("01 00 01 00 00 00 00 00") + hexBytes("01 00 00 00 00 00 00 00"), insertTwice,
       DamageCode::kFreeChain},
      {"free record 0", hexBytes(header) + std::string(8, '\0'), [](RecordFile& f) { FreeRecord(f, 0); },
       DamageCode::kRecordNumber},
      {"free beyond the file", hexBytes(header) + std::string(8, '\0'), [](RecordFile& f) { FreeRecord(f, 9); },
       DamageCode::kRecordNumber},
      {"negative record", hexBytes(header), [&r](RecordFile& f) { ReadRecord(f, -2, r.data()); },
       DamageCode::kRecordNumber},
      {"full file", hexBytes(header) + std::string(8 * 32766, '\0'), insertTwice, DamageCode::kCounterOverflow},
      {"too long to count", hexBytes(header) + std::string(8 * 32767 + 8, '\0'), [](RecordFile&) {},
       DamageCode::kCounterOverflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drive.writeFile(kDataPath, c.file);
    const ChildResult child = runInChild([&] {
      RecordFile f;
      OpenRecordFile(f, kDataPath, 8);
      c.run(f);
      CloseRecordFile(f);
    });
    EXPECT_EQ(child.exitCode, c.code);
  }
}

TEST_F(DamagedFileTest, AWarehouseEntryPointingAtTheHeaderStops) {
  // A number index whose entry for 01 names record 0.
  drive.makeFolder("C:\\DOVODO\\DATA");
  const ChildResult child = runInChild([] {
    CatalogState& s = catalogState();
    OpenWarehouseFiles();
    ShortString k("01");
    InsertKey(s.warehouseNumbers, 0, k);
    CloseWarehouseFiles();
    VymazSklad("01");
  });
  EXPECT_EQ(child.exitCode, DamageCode::kRecordNumber);
}

}  // namespace
}  // namespace vortena::catalog
