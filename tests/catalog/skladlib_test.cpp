// The warehouse exports, called through the shared library as the suite's
// programs call them; files are inspected with the engine.

#include "catalog/skladlib.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "catalog/catalog_state.h"
#include "catalog/key_index.h"
#include "catalog/record_file.h"
#include "catalog/warehouse_catalog.h"
#include "platform/drive_map.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;

// A length-prefixed argument.
std::string arg(std::string_view text) { return std::string(1, static_cast<char>(text.size())) + std::string(text); }
const unsigned char* p(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

void add(std::string_view number, std::string_view name) {
  const std::string n = arg(number), m = arg(name);
#if defined(_WIN32)
  ::PridajSklad(p(m), p(n));
#else
  ::PridajSklad(p(n), p(m));
#endif
}
void erase(std::string_view number) { ::VymazSklad(p(arg(number))); }
bool find(std::string_view number) { return ::NajdiSklad(p(arg(number))) == 1; }

struct Entry {
  std::string key;
  int ref;
  friend bool operator==(const Entry&, const Entry&) = default;
};

class WarehouseExportTest : public vortena::testing::TempDriveTest {
 protected:
  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DOVODO\\DATA");
  }
  std::vector<Entry> entries(std::string_view path, int keyLength) {
    KeyIndex index;
    OpenKeyIndex(index, path, keyLength, false);
    std::vector<Entry> all;
    ShortString k;
    int ref = 0;
    for (StepKey(index, ref, k); OperationOk(); StepKey(index, ref, k)) all.push_back({std::string(k.view()), ref});
    CloseKeyIndex(index);
    return all;
  }
  std::vector<Entry> numbers() { return entries(kWarehouseNumberIndexPath, 2); }
  std::vector<Entry> names() { return entries(kWarehouseNameIndexPath, 22); }
  // The number and name of record n of KAT-SKL.DAT.
  std::pair<std::string, std::string> record(int n) {
    const std::string bytes = drive.readFile(kWarehouseDataPath).substr(static_cast<std::size_t>(n) * 24, 24);
    return {bytes.substr(1, static_cast<unsigned char>(bytes[0])), bytes.substr(4, static_cast<unsigned char>(bytes[3]))};
  }
  std::string data() { return drive.readFile(kWarehouseDataPath); }
};

TEST_F(WarehouseExportTest, TheFirstAddCreatesTheCatalogue) {
  add("01", "ABC");
  EXPECT_EQ(data().size(), 48u);
  EXPECT_EQ(record(1), (std::pair<std::string, std::string>{"01", "ABC"}));
  EXPECT_EQ(numbers(), (std::vector<Entry>{{"01", 1}}));
  EXPECT_EQ(names(), (std::vector<Entry>{{"ABC01", 1}}));
  EXPECT_TRUE(find("01"));
  EXPECT_FALSE(find("1"));
}

TEST_F(WarehouseExportTest, AnExistingNumberIsRenamedInPlace) {
  add("01", "ABC");
  add("02", "XYZ");
  add("01", "NEW");
  EXPECT_EQ(data().size(), 72u);
  EXPECT_EQ(record(1).second, "NEW");
  EXPECT_EQ(numbers(), (std::vector<Entry>{{"01", 1}, {"02", 2}}));
  EXPECT_EQ(names(), (std::vector<Entry>{{"NEW01", 1}, {"XYZ02", 2}}));
}

TEST_F(WarehouseExportTest, LongArgumentsAreCut) {
  add("123", "ABCDEFGHIJKLMNOPQRSTUVWXY");
  EXPECT_EQ(record(1), (std::pair<std::string, std::string>{"12", "ABCDEFGHIJKLMNOPQRST"}));
  EXPECT_EQ(names(), (std::vector<Entry>{{"ABCDEFGHIJKLMNOPQRST12", 1}}));
  EXPECT_TRUE(find("123"));
}

TEST_F(WarehouseExportTest, DeleteFreesTheRecordAndBothKeys) {
  add("01", "ABC");
  add("02", "DEF");
  erase("01");
  EXPECT_FALSE(find("01"));
  EXPECT_EQ(headerWord(data(), 0), 1);
  EXPECT_EQ(numbers(), (std::vector<Entry>{{"02", 2}}));
  EXPECT_EQ(names(), (std::vector<Entry>{{"DEF02", 2}}));
  add("03", "GHI");
  EXPECT_EQ(record(1).first, "03");
  EXPECT_EQ(headerWord(data(), 0), -1);
}

TEST_F(WarehouseExportTest, MissingNumbersChangeNothing) {
  add("01", "ABC");
  const std::string before = data() + drive.readFile(kWarehouseNumberIndexPath) + drive.readFile(kWarehouseNameIndexPath);
  erase("05");
  EXPECT_FALSE(find("05"));
  EXPECT_EQ(data() + drive.readFile(kWarehouseNumberIndexPath) + drive.readFile(kWarehouseNameIndexPath), before);
}

TEST_F(WarehouseExportTest, FindOnAnEmptySystemCreatesAnEmptyCatalogue) {
  EXPECT_FALSE(find("01"));
  EXPECT_EQ(data().size(), 24u);
  EXPECT_TRUE(drive.exists(kWarehouseNumberIndexPath));
  EXPECT_TRUE(drive.exists(kWarehouseNameIndexPath));
}

TEST_F(WarehouseExportTest, EqualNameKeysLeaveTheSecondWithoutNameEntry) {
  add("12", "A");
  add("2", "A1");
  EXPECT_EQ(names(), (std::vector<Entry>{{"A12", 1}}));
  EXPECT_EQ(numbers(), (std::vector<Entry>{{"12", 1}, {"2", 2}}));
}

TEST_F(WarehouseExportTest, AMissingIndexStopsWithCode103) {
  add("01", "ABC");
  std::filesystem::remove(vortena::hostPath(kWarehouseNameIndexPath));
  const ChildResult child = runInChild([] { add("02", "X"); });
  EXPECT_EQ(child.exitCode, 103);
}

}  // namespace
}  // namespace vortena::catalog
