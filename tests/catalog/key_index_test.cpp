#include "catalog/key_index.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_state.h"
#include "catalog/index_check.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;

constexpr std::string_view kPath = "C:\\DATA\\K.IND";
constexpr int K = 15;

std::string keyNo(int i) {
  char text[16];
  std::snprintf(text, sizeof text, "K%02d", i);
  return text;
}

class KeyIndexTest : public vortena::testing::TempDriveTest {
 protected:
  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DATA");
  }
  void insert(KeyIndex& index, std::string_view key, int ref) {
    ShortString k(key);
    InsertKey(index, ref, k);
  }
  bool remove(KeyIndex& index, std::string_view key, int ref = 0) {
    ShortString k(key);
    RemoveKey(index, ref, k);
    return OperationOk();
  }
  std::vector<std::pair<std::string, int>> scan(KeyIndex& index) {
    std::vector<std::pair<std::string, int>> all;
    RewindKeys(index);
    ShortString k;
    int ref = 0;
    for (StepKey(index, ref, k); OperationOk(); StepKey(index, ref, k)) all.emplace_back(std::string(k.view()), ref);
    return all;
  }
  // An index of the keys K00.. K(count-1), key i pointing at record i + 1.
  void build(KeyIndex& index, int count, bool duplicates = false) {
    CreateKeyIndex(index, kPath, K, duplicates);
    for (int i = 0; i < count; ++i) insert(index, keyNo(i), i + 1);
  }
  std::string file() const { return drive.readFile(kPath); }
};

TEST_F(KeyIndexTest, FirstInsertMakesPageOneTheRoot) {
  KeyIndex index;
  CreateKeyIndex(index, kPath, K, false);
  insert(index, "ABC", 7);
  EXPECT_TRUE(OperationOk());
  EXPECT_EQ(index.file.rootPage(), 1);
  // The page stays in the buffer until the close.
  EXPECT_EQ(file().size(), static_cast<std::size_t>(indexRecordLength(K)));
  CloseKeyIndex(index);
  const std::string bytes = file();
  ASSERT_EQ(bytes.size(), 2u * indexRecordLength(K));
  EXPECT_EQ(headerWord(bytes, 4), 1);
  EXPECT_EQ(headerWord(bytes, 6), 2);
  const IndexPage root = pageOf(bytes, K, 1);
  EXPECT_EQ(root.itemCount, 1);
  EXPECT_EQ(root.leftChild, 0);
  EXPECT_EQ(keyOf(root.items[1]), "ABC");
  EXPECT_EQ(root.items[1].dataRef, 7);
  EXPECT_EQ(root.items[1].childPage, 0);
}

TEST_F(KeyIndexTest, The33rdInsertSplitsIntoPagesOneAndTwoUnderRootThree) {
  KeyIndex index;
  build(index, 33);
  CloseKeyIndex(index);
  const std::string bytes = file();
  EXPECT_EQ(headerWord(bytes, 4), 3);
  EXPECT_EQ(headerWord(bytes, 6), 4);
  const IndexPage left = pageOf(bytes, K, 1), right = pageOf(bytes, K, 2), root = pageOf(bytes, K, 3);
  ASSERT_EQ(left.itemCount, 16);
  ASSERT_EQ(right.itemCount, 16);
  ASSERT_EQ(root.itemCount, 1);
  for (int i = 1; i <= 16; ++i) {
    EXPECT_EQ(keyOf(left.items[i]), keyNo(i - 1));
    EXPECT_EQ(keyOf(right.items[i]), keyNo(i + 16));
  }
  EXPECT_EQ(keyOf(root.items[1]), keyNo(16));
  EXPECT_EQ(root.leftChild, 1);
  EXPECT_EQ(root.items[1].childPage, 2);
}

TEST_F(KeyIndexTest, RemovingFromTheSplitTreeMergesBackAndFreesThreeThenTwo) {
  KeyIndex index;
  build(index, 33);
  int ref = 0;
  ShortString k(keyNo(4));
  RemoveKey(index, ref, k);
  ASSERT_TRUE(OperationOk());
  EXPECT_EQ(ref, 5);
  EXPECT_EQ(index.file.rootPage(), 1);
  EXPECT_EQ(checkKeyIndex(index), "");
  CloseKeyIndex(index);
  const std::string bytes = file();
  EXPECT_EQ(headerWord(bytes, 0), 3);  // firstFree
  EXPECT_EQ(headerWord(bytes, 2), 2);  // freeCount
  EXPECT_EQ(headerWord(bytes, 4), 1);  // rootPage
  EXPECT_EQ(headerWord(bytes, 3 * indexRecordLength(K)), 2);  // page 3 links to 2
  EXPECT_EQ(headerWord(bytes, 2 * indexRecordLength(K)), -1);  // page 2 ends the chain
  const IndexPage root = pageOf(bytes, K, 1);
  ASSERT_EQ(root.itemCount, 32);
  EXPECT_EQ(keyOf(root.items[4]), keyNo(3));
  EXPECT_EQ(keyOf(root.items[5]), keyNo(5));
  EXPECT_EQ(keyOf(root.items[16]), keyNo(16));
  EXPECT_EQ(keyOf(root.items[32]), keyNo(32));
}

TEST_F(KeyIndexTest, RemovingFromALeafOf16BorrowsTwoFromASiblingOf20) {
  KeyIndex index;
  build(index, 37);  // left leaf K00-K15, root K16, right leaf K17-K36
  EXPECT_TRUE(remove(index, keyNo(0)));
  CloseKeyIndex(index);
  const std::string bytes = file();
  const IndexPage left = pageOf(bytes, K, 1), right = pageOf(bytes, K, 2), root = pageOf(bytes, K, 3);
  EXPECT_EQ(left.itemCount, 17);
  EXPECT_EQ(right.itemCount, 18);
  EXPECT_EQ(keyOf(left.items[16]), keyNo(16));
  EXPECT_EQ(keyOf(left.items[17]), keyNo(17));
  EXPECT_EQ(keyOf(root.items[1]), keyNo(18));
  EXPECT_EQ(keyOf(right.items[1]), keyNo(19));
  EXPECT_EQ(root.items[1].childPage, 2);
}

TEST_F(KeyIndexTest, AnExistingKeyIsRefusedAndTheFileStaysTheSame) {
  KeyIndex index;
  build(index, 40);
  CloseKeyIndex(index);
  const std::string before = file();
  OpenKeyIndex(index, kPath, K, false);
  insert(index, keyNo(20), 99);
  EXPECT_FALSE(OperationOk());
  CloseKeyIndex(index);
  EXPECT_EQ(file(), before);
}

TEST_F(KeyIndexTest, DuplicatesAreOrderedByDataReference) {
  KeyIndex index;
  CreateKeyIndex(index, kPath, K, true);
  for (int ref : {5, 3, 7}) {
    insert(index, "A", ref);
    EXPECT_TRUE(OperationOk());
  }
  insert(index, "B", 1);
  insert(index, "A", 5);
  EXPECT_FALSE(OperationOk());
  using E = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(scan(index), (E{{"A", 3}, {"A", 5}, {"A", 7}, {"B", 1}}));
  ShortString k("A");
  int ref = 0;
  LookupKey(index, ref, k);
  EXPECT_TRUE(OperationOk());
  EXPECT_EQ(ref, 3);
  StepKey(index, ref, k);
  EXPECT_EQ(ref, 5);
  k.assign("AA");
  LookupKey(index, ref, k);  // missing: the next entry is delivered
  EXPECT_FALSE(OperationOk());
  EXPECT_EQ(k.view(), "B");
  ref = 5;
  k.assign("A");
  RemoveKey(index, ref, k);
  EXPECT_TRUE(OperationOk());
  EXPECT_EQ(scan(index), (E{{"A", 3}, {"A", 7}, {"B", 1}}));
  CloseKeyIndex(index);
}

TEST_F(KeyIndexTest, LookupOfAMissingKeyThenStepGivesTheNextGreater) {
  KeyIndex index;
  build(index, 200);  // a tree of two levels
  struct Case {
    std::string probe;
    bool found;
    std::string next;  // "" for the end
  };
  const std::vector<Case> cases = {
      {"K05", true, "K06"}, {"K05X", false, "K06"}, {"A", false, "K00"},  {"K99", true, ""},
      {"K199", true, "K20"},   {"Z", false, ""},       {"K16A", false, "K17"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.probe);
    ShortString k(c.probe);
    int ref = 0;
    LookupKey(index, ref, k);
    EXPECT_EQ(OperationOk(), c.found);
    StepKey(index, ref, k);
    EXPECT_EQ(OperationOk(), !c.next.empty());
    if (!c.next.empty()) {
      EXPECT_EQ(k.view(), c.next);
    }
  }
  // Past the end the position is before the first key again.
  ShortString k("Z");
  int ref = 0;
  LookupKey(index, ref, k);
  StepKey(index, ref, k);
  StepKey(index, ref, k);
  EXPECT_TRUE(OperationOk());
  EXPECT_EQ(k.view(), "K00");
  CloseKeyIndex(index);
}

TEST_F(KeyIndexTest, CaseAndTrailingSpacesMakeDifferentKeysAndLongKeysAreCut) {
  KeyIndex index;
  CreateKeyIndex(index, kPath, K, false);
  for (const char* key : {"Ab", "ABC", "AB ", "AB"}) {
    insert(index, key, 1);
    EXPECT_TRUE(OperationOk()) << key;
  }
  const auto all = scan(index);
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0].first, "AB");
  EXPECT_EQ(all[1].first, "AB ");
  EXPECT_EQ(all[2].first, "ABC");
  EXPECT_EQ(all[3].first, "Ab");

  insert(index, "0123456789ABCDE", 2);
  ShortString longKey("0123456789ABCDEXYZ");
  int ref = 0;
  LookupKey(index, ref, longKey);
  EXPECT_TRUE(OperationOk());
  EXPECT_EQ(ref, 2);
  EXPECT_EQ(longKey.view(), "0123456789ABCDE");
  CloseKeyIndex(index);
}

// Thousands of random inserts and removes against a std::set, with the
// tree's invariants checked along the way and across a close and reopen.
class KeyIndexRandomTest : public KeyIndexTest, public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(KeyIndexRandomTest, MatchesASetOfEntries) {
  const auto [keyLength, duplicates] = GetParam();
  std::mt19937 random(12345u + static_cast<unsigned>(keyLength) * 7u + duplicates);
  std::set<std::pair<std::string, int>> model;
  KeyIndex index;
  CreateKeyIndex(index, kPath, keyLength, duplicates);
  const auto randomKey = [&] {
    std::string key(1 + random() % static_cast<unsigned>(keyLength), 'A');
    for (char& c : key) c = static_cast<char>('A' + random() % 10);
    return key;
  };
  constexpr int kSteps = 6000;
  for (int step = 0; step < kSteps; ++step) {
    const bool growing = step < kSteps / 2;
    const bool doInsert = model.empty() || random() % 100 < (growing ? 75u : 25u);
    std::string key;
    int ref = 1 + static_cast<int>(random() % 4);
    if (!doInsert && random() % 4 != 0) {
      auto it = model.begin();
      std::advance(it, random() % model.size());
      key = it->first;
      ref = it->second;
    } else {
      key = randomKey();
    }
    ShortString k(key);
    const bool present = duplicates ? model.count({key, ref}) > 0
                                    : std::any_of(model.begin(), model.end(), [&](auto& e) { return e.first == key; });
    if (doInsert) {
      InsertKey(index, ref, k);
      ASSERT_EQ(OperationOk(), !present) << "insert " << key << " step " << step;
      if (!present) model.insert({key, ref});
    } else {
      int r = ref;
      RemoveKey(index, r, k);
      ASSERT_EQ(OperationOk(), present) << "remove " << key << " step " << step;
      if (present) {
        auto it = duplicates ? model.find({key, ref})
                             : std::find_if(model.begin(), model.end(), [&](auto& e) { return e.first == key; });
        EXPECT_EQ(r, it->second);
        model.erase(it);
      }
    }
    if (step < 300 || step % 50 == 0) {
      long entries = 0;
      ASSERT_EQ(checkKeyIndex(index, &entries), "") << "step " << step;
      ASSERT_EQ(entries, static_cast<long>(model.size()));
    }
    if (step % 1500 == 1499) {
      CloseKeyIndex(index);
      OpenKeyIndex(index, kPath, keyLength, duplicates);
      ASSERT_EQ(checkKeyIndex(index), "");
      const auto all = scan(index);
      const std::vector<std::pair<std::string, int>> expected(model.begin(), model.end());
      ASSERT_EQ(all, expected);
    }
  }
  CloseKeyIndex(index);
}

INSTANTIATE_TEST_SUITE_P(Indexes, KeyIndexRandomTest,
                         ::testing::Values(std::pair{3, false}, std::pair{4, true}, std::pair{53, false}),
                         [](const auto& info) {
                           return "K" + std::to_string(info.param.first) + (info.param.second ? "Duplicates" : "Unique");
                         });

}  // namespace
}  // namespace vortena::catalog
