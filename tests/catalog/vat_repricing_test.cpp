#include "catalog/vat_repricing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "catalog/catalog_state.h"
#include "catalog/key_index.h"
#include "catalog/record_file.h"
#include "catalog/skladlib.h"
#include "common/real6.h"
#include "tests/catalog/catalog_test_util.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog {
namespace {

using namespace vortena::catalog::testing;
using vortena::testing::toHex;

std::string real(long double v) {
  const auto b = Real6::fromValue(v).bytes();
  return std::string(b.begin(), b.end());
}

TEST(GrossPriceTest, RoundsToTenthsHalvesAwayFromZero) {
  struct Case {
    long double net, rate, gross;
  };
  const Case cases[] = {
      {100, 20, 120},     {10.55L, 19, 12.6L}, {0.25L, 0, 0.3L},          {-0.25L, 0, -0.3L},
      {0, 19, 0},         {100, 19.5L, 119.5L}, {1.04L, 0, 1.0L},          {-10.55L, 19, -12.6L},
      // Tenths beyond 32 bits: 3,600,000,000 tenths.
      {300000000, 20, 360000000}, {-300000000, 20, -360000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.net));
    Real6 gross;
    ASSERT_TRUE(grossPriceFor(Real6::fromValue(c.net), Real6::fromValue(c.rate), gross));
    EXPECT_EQ(toHex(std::string(gross.bytes().begin(), gross.bytes().end())), toHex(real(c.gross)));
  }
  Real6 gross;
  ASSERT_TRUE(grossPriceFor(Real6(), Real6::fromValue(19), gross));
  EXPECT_EQ(toHex(std::string(gross.bytes().begin(), gross.bytes().end())), "00 00 00 00 00 00");
  const Real6 huge(Real6::Bytes{0xFF, 0, 0, 0, 0, 0x7F});
  EXPECT_FALSE(grossPriceFor(huge, huge, gross));
}

class RepricingTest : public vortena::testing::TempDriveTest {
 protected:
  static constexpr int L = kGoodsRecordLength;
  using Goods = std::array<std::uint8_t, L>;

  void SetUp() override {
    resetEngine();
    drive.makeFolder("C:\\DOVODO\\DATA");
  }
  void writeRates(long double s1, long double s2, long double s3) {
    drive.writeFile(kVatRatesPath, real(s1) + real(s2) + real(s3));
  }
  static Goods goods(std::string_view first, char category, std::string_view second, long double amount,
                     long double net) {
    Goods g;
    for (int i = 0; i < L; ++i) g[i] = static_cast<std::uint8_t>(0x40 + i % 50);  // bytes that must survive
    g[0] = static_cast<std::uint8_t>(first.size());
    std::copy(first.begin(), first.end(), g.begin() + 1);
    g[23] = static_cast<std::uint8_t>(category);
    g[24] = static_cast<std::uint8_t>(second.size());
    std::copy(second.begin(), second.end(), g.begin() + 25);
    Real6::fromValue(amount).copyTo(g.data() + 56);
    Real6::fromValue(net).copyTo(g.data() + 62);
    return g;
  }
  // The four goods files: each item gets a TOVAR.IND entry; items with
  // winEntry also a WIN-TOV entry.
  void writeCatalogue(const std::vector<std::pair<Goods, bool>>& items) {
    RecordFile data, winData;
    KeyIndex index, winIndex;
    CreateRecordFile(data, kGoodsDataPath, L);
    CreateKeyIndex(index, kGoodsIndexPath, kGoodsKeyLength, false);
    CreateRecordFile(winData, kWinGoodsDataPath, kWinGoodsRecordLength);
    CreateKeyIndex(winIndex, kWinGoodsIndexPath, kWinGoodsKeyLength, false);
    int i = 0;
    for (const auto& [g, winEntry] : items) {
      const int n = InsertRecord(data, g.data());
      ShortString key("G" + std::to_string(100 + i++));
      InsertKey(index, n, key);
      if (!winEntry) continue;
      std::array<std::uint8_t, kWinGoodsRecordLength> w;
      w.fill(0x77);
      const int m = InsertRecord(winData, w.data());
      const std::string second(reinterpret_cast<const char*>(g.data() + 25), g[24]);
      const std::string first(reinterpret_cast<const char*>(g.data() + 1), g[0]);
      ShortString winKey((second + first).substr(0, 45));
      InsertKey(winIndex, m, winKey);
    }
    CloseKeyIndex(index);
    CloseRecordFile(data);
    CloseKeyIndex(winIndex);
    CloseRecordFile(winData);
  }
  std::string goodsRecord(int n) { return drive.readFile(kGoodsDataPath).substr(static_cast<std::size_t>(n) * L, L); }
  std::string winRecord(int m) {
    return drive.readFile(kWinGoodsDataPath).substr(static_cast<std::size_t>(m) * kWinGoodsRecordLength,
                                                    kWinGoodsRecordLength);
  }
};

TEST_F(RepricingTest, EachCategoryTakesItsRateAndWinTovItsAmounts) {
  writeRates(19, 20, 0);
  const Goods g1 = goods("Chlieb", '2', "Pekaren", 5, 100);
  const Goods g2 = goods("Mlieko", '1', "Mliekaren s dlhym nazvom na 31z", 0, 10.55L);
  const Goods g3 = goods("Rozok", '3', "X", 1, 0.25L);
  const Goods g4 = goods("Ine", 'X', "Y", 2, 50);
  writeCatalogue({{g1, true}, {g2, true}, {g3, false}, {g4, true}});

  ::ZmenSadzbyDPHVKataloguTovarov();

  struct Expect {
    int n;
    const Goods* before;
    std::string rate, gross;  // empty: unchanged
  };
  const Expect cases[] = {{1, &g1, real(20), real(120)},
                          {2, &g2, real(19), real(12.6L)},
                          {3, &g3, std::string(6, '\0'), real(0.3L)},
                          {4, &g4, "", ""}};
  for (const Expect& e : cases) {
    SCOPED_TRACE(e.n);
    std::string expected(reinterpret_cast<const char*>(e.before->data()), L);
    if (!e.rate.empty()) expected.replace(74, 6, e.rate);
    if (!e.gross.empty()) expected.replace(80, 6, e.gross);
    EXPECT_EQ(toHex(goodsRecord(e.n)), toHex(expected));
  }
  // WIN-TOV records 1, 2, 3 belong to goods 1, 2 and 4.
  const std::pair<int, const Goods*> win[] = {{1, &g1}, {2, &g2}, {3, &g4}};
  for (const auto& [m, g] : win) {
    SCOPED_TRACE(m);
    const std::string w = winRecord(m);
    EXPECT_EQ(w.substr(0, 46), std::string(46, '\x77'));
    EXPECT_EQ(toHex(w.substr(46, 6)), toHex(std::string(reinterpret_cast<const char*>(g->data() + 56), 6)));
    EXPECT_EQ(toHex(w.substr(52, 6)), toHex(std::string(reinterpret_cast<const char*>(g->data() + 62), 6)));
  }
}

TEST_F(RepricingTest, AnEmptyCatalogueOnlyRewritesTheHeaders) {
  writeRates(19, 20, 0);
  writeCatalogue({});
  const std::string before = drive.readFile(kGoodsDataPath) + drive.readFile(kGoodsIndexPath);
  ::ZmenSadzbyDPHVKataloguTovarov();
  EXPECT_EQ(drive.readFile(kGoodsDataPath) + drive.readFile(kGoodsIndexPath), before);
}

TEST_F(RepricingTest, MissingRatesGiveTheAccessNoticeThenStop103) {
  writeCatalogue({{goods("A", '1', "B", 1, 1), true}});
  const ChildResult child = runInChild([] { ::ZmenSadzbyDPHVKataloguTovarov(); });
  EXPECT_EQ(child.exitCode, 103);
  const auto journal = journalMessages();
  ASSERT_EQ(journal.size(), 6u);
  EXPECT_EQ(journal[0], "CH ! S\xA3" "bor sa ned\xA0 spr\xA1stupni\x9C" + std::string(kGoodsDataPath) + "!");
  EXPECT_EQ(journal[4], "CH Zaznam 1");
}

TEST_F(RepricingTest, APriceBeyondTheRealStops) {
  writeRates(99, 20, 0);
  Goods g = goods("A", '1', "B", 1, 1);
  const Real6 huge(Real6::Bytes{0xFF, 0, 0, 0, 0, 0x7F});
  huge.copyTo(g.data() + 62);
  writeCatalogue({{g, false}});
  const ChildResult child = runInChild([] { ::ZmenSadzbyDPHVKataloguTovarov(); });
  EXPECT_EQ(child.exitCode, 157);
}

}  // namespace
}  // namespace vortena::catalog
