#include "catalog/page_buffer.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "catalog/catalog_state.h"
#include "catalog/key_index.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;

class PageBufferTest : public vortena::testing::TempDriveTest {
 protected:
  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DATA");
  }
  PageBuffer& pb() { return catalogState().pageBuffer; }
};

TEST(IndexPageTest, PackAndUnpackKeepTheFileBytes) {
  for (int K : {1, 2, 15, 22, 45, 53}) {
    SCOPED_TRACE(K);
    std::string record(static_cast<std::size_t>(indexRecordLength(K)), '\0');
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<char>(i * 7 + 3);
    IndexPage page;
    UnpackPage(reinterpret_cast<const std::uint8_t*>(record.data()), K, page);
    EXPECT_EQ(page.itemCount, 3);
    EXPECT_EQ(page.items[1].keyLength, static_cast<std::uint8_t>(7 * 7 + 3));
    std::string again(record.size(), '\0');
    PackPage(page, K, reinterpret_cast<std::uint8_t*>(again.data()));
    EXPECT_EQ(again, record);
  }
}

TEST_F(PageBufferTest, LeastRecentlyUsedSlotIsWrittenBackWhenTaken) {
  // Six pages: 40 keys of a small index give the 33rd-key split, then more
  // splits of the right leaf.
  KeyIndex index;
  CreateKeyIndex(index, "C:\\DATA\\P.IND", 2, false);
  for (int i = 0; i < 100; ++i) {
    char key[3] = {static_cast<char>('A' + i / 10), static_cast<char>('0' + i % 10), 0};
    ShortString k(key);
    InsertKey(index, i + 1, k);
  }
  CloseKeyIndex(index);
  OpenKeyIndex(index, "C:\\DATA\\P.IND", 2, false);
  ASSERT_GE(index.file.recordCount(), 7);

  for (int n = 1; n <= 5; ++n) (void)pb().FetchPage(index, n);
  const int slotOfPage1 = pb().FetchPage(index, 1);  // page 1 is now the most recent
  const int lru = pb().lruOrder()[0];
  EXPECT_EQ(pb().slot(lru).pageNumber, 2);
  EXPECT_EQ(pb().lruOrder()[4], slotOfPage1);

  // Change page 2 in memory only; the file keeps the old bytes until the
  // slot is taken for page 6.
  IndexPage& page2 = pb().page(lru);
  page2.items[1].dataRef = 777;
  pb().MarkPageDirty(lru);
  const auto fileRef = [&] {
    return pageOf(drive.readFile("C:\\DATA\\P.IND"), 2, 2).items[1].dataRef;
  };
  EXPECT_NE(fileRef(), 777);
  const int s6 = pb().FetchPage(index, 6);
  EXPECT_EQ(s6, lru);
  EXPECT_EQ(fileRef(), 777);
  EXPECT_FALSE(pb().slot(s6).dirty);
  CloseKeyIndex(index);
}

TEST_F(PageBufferTest, CloseWritesOnlyTheIndexsOwnPages) {
  KeyIndex a, b;
  CreateKeyIndex(a, "C:\\DATA\\A.IND", 2, false);
  CreateKeyIndex(b, "C:\\DATA\\B.IND", 2, false);
  ShortString k("AA");
  InsertKey(a, 1, k);
  k.assign("BB");
  InsertKey(b, 2, k);
  CloseKeyIndex(a);
  EXPECT_EQ(drive.readFile("C:\\DATA\\A.IND").size(), 2u * indexRecordLength(2));
  EXPECT_EQ(drive.readFile("C:\\DATA\\B.IND").size(), 1u * indexRecordLength(2));
  CloseKeyIndex(b);
  EXPECT_EQ(drive.readFile("C:\\DATA\\B.IND").size(), 2u * indexRecordLength(2));
}

}  // namespace
}  // namespace vortena::catalog
