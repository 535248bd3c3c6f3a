// The commands that call SKLADLIB, the listing and the dump.

#include "tests/tools/sklad_fixture.h"

namespace vortena::sklad {
namespace {

using testing::hexBytes;

TEST_F(SkladTest, FindExitsZeroWhenFoundAndOneWhenNot) {
  buildCatalogue(drive);
  const struct {
    const char* number;
    int rc;
  } cases[] = {{"10", 0}, {"69", 0}, {"15", 1}, {"1", 1}, {"70", 1}, {"100", 0} /* cut to 10 */};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(runTool({"find", c.number}).rc, c.rc);
  }
}

TEST_F(SkladTest, FindWithoutACatalogueCreatesNothing) {
  drive.makeFolder("C:\\DOVODO\\DATA");
  EXPECT_EQ(runTool({"find", "01"}).rc, 1);
  EXPECT_FALSE(drive.exists(kWarehouseData));
  EXPECT_FALSE(drive.exists(kWarehouseNumbers.path));
}

TEST_F(SkladTest, ExportsAreNotCalledWhenTheyWouldStop) {
  // No data folder: the exports would end the process with code 3.
  EXPECT_EQ(runTool({"add", "01", "A"}).rc, 1);
  drive.makeFolder("C:\\DOVODO\\DATA");
  ASSERT_EQ(runTool({"add", "01", "A"}).rc, 0);
  // An index missing beside the data file: the export would stop with 103.
  std::filesystem::remove(drive.root() / "DOVODO" / "DATA" / "KAT-SKLN.IND");
  const SkladRun run = runTool({"add", "02", "B"});
  EXPECT_EQ(run.rc, 1);
  EXPECT_NE(run.err.find(std::string(kWarehouseNames.path)), std::string::npos) << run.err;
  EXPECT_EQ(runTool({"reprice"}).rc, 1);
  EXPECT_FALSE(drive.exists("C:\\CHYBOVNIK.TXT"));
}

TEST_F(SkladTest, TypedTextIsStoredInCodePage852AndListedAsUtf8) {
  drive.makeFolder("C:\\DOVODO\\DATA");
  ASSERT_EQ(runTool({"add", "02", "Žilina"}).rc, 0);
  ASSERT_EQ(runTool({"add", "01", "Košice"}).rc, 0);
  ASSERT_EQ(runTool({"add", "01", "Nitra"}).rc, 0);  // renames 01
  const std::string data = drive.readFile(kWarehouseData);
  // Record 1 is 02: its name's first byte is Ž in code page 852 (A6).
  EXPECT_EQ(static_cast<unsigned char>(data[24 + 4]), 0xA6);
  const SkladRun run = runTool({"warehouses"});
  EXPECT_EQ(run.rc, 0);
  EXPECT_EQ(run.out, "01\tNitra\n02\tŽilina\n");
}

TEST_F(SkladTest, DumpShowsHeaderFreeChainAndPages) {
  // K = 2, pages of 227 bytes: the header (root 1, record 2 free, 3 records),
  // page 1 with the keys 01 -> 1 and 02 -> 3, record 2 free.
  std::string index = hexBytes("02 00 01 00 01 00 03 00") + std::string(219, '\0');
  std::string page = hexBytes("02 00 00  01 00 00 00 02 30 31  03 00 00 00 02 30 32");
  page.resize(227, '\0');
  std::string freed = hexBytes("FF FF");
  freed.resize(227, '\0');
  drive.writeFile("C:\\X.IND", index + page + freed);
  const SkladRun run = runTool({"dump", "C:\\X.IND", "--key-length", "2"});
  EXPECT_EQ(run.rc, 0) << run.err;
  EXPECT_EQ(run.out,
            "file C:\\X.IND: 681 bytes, 3 records of 227 bytes\n"
            "header: firstFree 2, freeCount 1, rootPage 1, savedCount 3\n"
            "free chain: 2\n"
            "page 1: 2 items, leftChild 0\n"
            "  1: dataRef 1, child 0, key \"01\"\n"
            "  2: dataRef 3, child 0, key \"02\"\n"
            "record 2: free, next -1\n");
}

TEST_F(SkladTest, DumpFlagsDamageAndRefusesBadArguments) {
  std::string index = hexBytes("FF FF 00 00 01 00 02 00") + std::string(219, '\0');
  std::string page = hexBytes("28 00 00  01 00 00 00 09 41 42");  // 40 items, key length 9
  page.resize(227, '\0');
  drive.writeFile("C:\\X.IND", index + page + "xyz");
  const SkladRun run = runTool({"dump", "C:\\X.IND", "--key-length", "2"});
  EXPECT_EQ(run.rc, 0);
  EXPECT_NE(run.out.find("and a partial record"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("! more than 32"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("! stored length 9 above 2"), std::string::npos) << run.out;

  EXPECT_EQ(runTool({"dump", "C:\\X.IND", "--key-length", "54"}).rc, 2);
  EXPECT_EQ(runTool({"dump", "C:\\X.IND"}).rc, 2);
  EXPECT_EQ(runTool({"dump", "C:\\MISSING.IND", "--record-length", "24"}).rc, 1);
}

}  // namespace
}  // namespace vortena::sklad
