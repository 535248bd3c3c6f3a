// sklad check on a sound catalogue and on files damaged in the ways that
// matter: each damage must be reported, naming the damaged file, and the
// check must leave every byte of every file as it was.

#include <functional>

#include "tests/tools/sklad_fixture.h"

namespace vortena::sklad {
namespace {

constexpr std::size_t kNumberPage = (2 + 5) * 32 + 3;  // a page of the number index (K = 2)
constexpr std::size_t kItemSize = 2 + 5;  // K + 5

std::string allFiles(const testing::TempDrive& drive) {
  return drive.readFile(kWarehouseData) + '|' + drive.readFile(kWarehouseNumbers.path) + '|' +
         drive.readFile(kWarehouseNames.path);
}

TEST_F(SkladTest, SoundCatalogueHasNoProblems) {
  buildCatalogue(drive);
  const SkladRun run = runTool({"check"});
  EXPECT_EQ(run.rc, 0) << run.out;
  EXPECT_NE(run.out.find("warehouse catalogue: ok, 58 records"), std::string::npos) << run.out;
}

TEST_F(SkladTest, MissingCatalogueIsNotAProblem) {
  const SkladRun run = runTool({"check"});
  EXPECT_EQ(run.rc, 0) << run.out;
}

struct Damage {
  const char* name;
  std::string_view damaged;
  std::string_view reported;  // the file the report must name
  std::function<void(std::string& bytes)> apply;
};

// Page numbers in the number index: the root (header word at 4) and its
// first child (the root's leftChild), a leaf.
int rootOf(const std::string& index) { return le16(index, 4); }
std::size_t pageAt(int page) { return static_cast<std::size_t>(page) * kNumberPage; }
int leftChildOf(const std::string& index, int page) { return le16(index, pageAt(page) + 1); }

TEST_F(SkladTest, DamageIsReportedAndNothingIsWritten) {
  const Damage damages[] = {
      {"leaf with 15 items", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) { b[pageAt(leftChildOf(b, rootOf(b)))] = 15; }},
      {"item count above 32", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) { b[pageAt(leftChildOf(b, rootOf(b)))] = static_cast<char>(200); }},
      {"keys out of order in a leaf", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) {
         const std::size_t first = pageAt(leftChildOf(b, rootOf(b))) + 3;
         std::swap_ranges(b.begin() + first, b.begin() + first + kItemSize, b.begin() + first + kItemSize);
       }},
      {"page reached twice", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) {
         const std::size_t root = pageAt(rootOf(b));
         putLe16(b, root + 3 + 2, le16(b, root + 1));  // item 1's child = leftChild
       }},
      {"child page beyond the file", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) { putLe16(b, pageAt(rootOf(b)) + 1, 999); }},
      {"tree that loops back to its root", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) { putLe16(b, pageAt(rootOf(b)) + 1, rootOf(b)); }},
      {"key length above K", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) { b[pageAt(leftChildOf(b, rootOf(b))) + 3 + 4] = 9; }},
      {"page cut off at the end", kWarehouseNumbers.path, kWarehouseNumbers.path,
       [](std::string& b) { b.resize(b.size() - 100); }},
      {"a page of FF bytes", kWarehouseNames.path, kWarehouseNames.path,
       [](std::string& b) { std::fill(b.begin() + 867, b.begin() + 2 * 867, static_cast<char>(0xFF)); }},
      {"free chain loop", kWarehouseData, kWarehouseData,
       [](std::string& b) { putLe16(b, static_cast<std::size_t>(le16(b, 0)) * 24, le16(b, 0)); }},
      {"free chain link outside the file", kWarehouseData, kWarehouseData,
       [](std::string& b) { putLe16(b, static_cast<std::size_t>(le16(b, 0)) * 24, 30000); }},
      {"record in use pushed on the free chain", kWarehouseData, kWarehouseNumbers.path,
       [](std::string& b) {
         putLe16(b, 24 * 5, le16(b, 0));  // record 5 links to the old head
         putLe16(b, 0, 5);
         putLe16(b, 2, le16(b, 2) + 1);
       }},
      {"record whose number differs from its key", kWarehouseData, kWarehouseNumbers.path,
       [](std::string& b) { b[24 * 3 + 1] = 'X'; }},
      {"header's record count stale", kWarehouseNames.path, kWarehouseNames.path,
       [](std::string& b) { putLe16(b, 6, le16(b, 6) - 1); }},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.name);
    testing::TempDrive fresh;
    buildCatalogue(fresh);
    std::string bytes = fresh.readFile(d.damaged);
    d.apply(bytes);
    fresh.writeFile(d.damaged, bytes);
    const std::string before = allFiles(fresh);

    const SkladRun run = runTool({"check"});
    EXPECT_EQ(run.rc, 1) << run.out;
    EXPECT_NE(run.out.find(std::string(d.reported) + ": "), std::string::npos) << run.out;
    EXPECT_EQ(allFiles(fresh), before) << "check changed a file";
  }
}

}  // namespace
}  // namespace vortena::sklad
