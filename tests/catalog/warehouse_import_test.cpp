#include "catalog/warehouse_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "catalog/catalog_state.h"
#include "catalog/key_index.h"
#include "catalog/skladlib.h"
#include "catalog/warehouse_catalog.h"
#include "platform/drive_map.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;

class WarehouseImportTest : public vortena::testing::TempDriveTest {
 protected:
  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DOVODO\\DATA");
    drive.makeFolder("C:\\DOVODO\\OVLACC");
  }
  void import(std::string_view text) {
    drive.writeFile(kWarehouseImportPath, text);
    ::PridajSkladyZTextovehoSuboru();  // through the shared library
  }
  // (number, name) of every record in use, in number order.
  std::vector<std::pair<std::string, std::string>> catalogue() {
    KeyIndex index;
    OpenKeyIndex(index, kWarehouseNumberIndexPath, 2, false);
    const std::string bytes = drive.readFile(kWarehouseDataPath);
    std::vector<std::pair<std::string, std::string>> all;
    ShortString k;
    int ref = 0;
    for (StepKey(index, ref, k); OperationOk(); StepKey(index, ref, k)) {
      const std::string r = bytes.substr(static_cast<std::size_t>(ref) * 24, 24);
      all.emplace_back(r.substr(1, static_cast<unsigned char>(r[0])), r.substr(4, static_cast<unsigned char>(r[3])));
    }
    CloseKeyIndex(index);
    return all;
  }
  std::vector<std::string> nameKeys() {
    KeyIndex index;
    OpenKeyIndex(index, kWarehouseNameIndexPath, 22, false);
    std::vector<std::string> all;
    ShortString k;
    int ref = 0;
    for (StepKey(index, ref, k); OperationOk(); StepKey(index, ref, k)) all.emplace_back(k.view());
    CloseKeyIndex(index);
    return all;
  }
};

using Catalogue = std::vector<std::pair<std::string, std::string>>;

TEST_F(WarehouseImportTest, PairsOfLinesBecomeWarehouses) {
  struct Case {
    const char* name;
    std::string text;
    Catalogue expected;
  };
  const std::string pad13(13, ' '), pad19(19, ' ');
  const std::vector<Case> cases = {
      {"four lines", "01\r\nSklad a\r\n02\r\nB\r\n", {{"01", "SKLAD A" + pad13}, {"02", "B" + pad19}}},
      {"line feeds alone", "01\nSklad a\n02\nB", {{"01", "SKLAD A" + pad13}, {"02", "B" + pad19}}},
      {"long lines cut", "0123\r\nabcdefghijklmnopqrstuvwxy\r\n", {{"01", "ABCDEFGHIJKLMNOPQRST"}}},
      {"accented letters stay", "07\r\n\xA0\x9C" "a\r\n", {{"07", "\xA0\x9C" "A" + std::string(17, ' ')}}},
      {"odd number of lines", "01\r\nX\r\n02\r\n", {{"01", "X" + pad19}, {"02", std::string(20, ' ')}}},
      {"text after Ctrl-Z", "01\r\nX\r\n\x1A" "02\r\nY\r\n", {{"01", "X" + pad19}}},
      {"same number twice", "01\r\nX\r\n01\r\nY\r\n", {{"01", "Y" + pad19}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (auto path : {kWarehouseDataPath, kWarehouseNumberIndexPath, kWarehouseNameIndexPath})
      std::filesystem::remove(vortena::hostPath(path));
    import(c.text);
    EXPECT_EQ(catalogue(), c.expected);
    EXPECT_FALSE(drive.exists(kWarehouseImportPath));
  }
  EXPECT_EQ(nameKeys(), (std::vector<std::string>{"Y" + pad19 + "01"}));
}

TEST_F(WarehouseImportTest, AnImportedNumberKeepsItsRecord) {
  const std::string n = std::string("\x02") + "02", m = std::string("\x03") + "old";
  ::PridajSklad(reinterpret_cast<const unsigned char*>(n.data()), reinterpret_cast<const unsigned char*>(m.data()));
  import("01\r\nA\r\n02\r\nnew\r\n");
  const std::string bytes = drive.readFile(kWarehouseDataPath);
  EXPECT_EQ(bytes.substr(24 + 1, 2), "02");
  EXPECT_EQ(bytes.substr(24 + 4, 20), "NEW" + std::string(17, ' '));
  EXPECT_EQ(nameKeys().size(), 2u);
}

TEST_F(WarehouseImportTest, NoFileOrAnEmptyOneImportsNothing) {
  ::PridajSkladyZTextovehoSuboru();
  EXPECT_EQ(drive.readFile(kWarehouseDataPath).size(), 24u);
  drive.writeFile(kWarehouseImportPath, "");
  ::PridajSkladyZTextovehoSuboru();
  EXPECT_TRUE(drive.exists(kWarehouseImportPath));
  EXPECT_TRUE(catalogue().empty());
  EXPECT_FALSE(drive.exists("CHYBOVNIK.TXT"));
}

TEST_F(WarehouseImportTest, AFailedDeletionStopsAtTheCatalogueClose) {
  drive.writeFile(kWarehouseImportPath, "01\r\nA\r\n");
  ::chmod(vortena::hostPath(kWarehouseImportPath).c_str(), 0444);
  const ChildResult child = runInChild([] { ::PridajSkladyZTextovehoSuboru(); });
  EXPECT_EQ(child.exitCode, 5);
  const auto journal = journalMessages();
  ASSERT_EQ(journal.size(), 5u);
  EXPECT_EQ(journal[1], "CH " + std::string(kWarehouseDataPath));
  EXPECT_EQ(journal[3], "CH Zaznam 0");
}

}  // namespace
}  // namespace vortena::catalog
