#include "catalog/vat_repricing.h"

#include <array>
#include <cmath>
#include <cstring>
#include <optional>

#include "catalog/catalog_state.h"
#include "catalog/io_stop.h"
#include "platform/dos_file.h"

namespace vortena::catalog {

namespace {

// The fields of a TOVAR.DAT record (111 bytes) that the repricing uses;
// every other byte is written back as read.
//   OFFSET  SIZE  MEANING
//   0       23    first text: length byte (0 to 22) and characters
//   23      1     VAT category: '1', '2' or '3' selects a rate, else none
//   24      32    second text: length byte (0 to 31) and characters
//   56      6     amount, Real6; copied to WIN-TOV.DAT
//   62      6     net price, Real6
//   74      6     VAT rate in percent, Real6; set here
//   80      6     price with VAT, Real6; set here
constexpr int kFirstTextOffset = 0;
constexpr int kFirstTextWidth = 22;
constexpr int kCategoryOffset = 23;
constexpr int kSecondTextOffset = 24;
constexpr int kSecondTextWidth = 31;
constexpr int kAmountOffset = 56;
constexpr int kNetPriceOffset = 62;
constexpr int kVatRateOffset = 74;
constexpr int kGrossPriceOffset = 80;

// A WIN-TOV.DAT record (58 bytes): bytes 0-45 are not touched here.
//   OFFSET  SIZE  MEANING
//   46      6     amount, Real6, as in the goods record
//   52      6     net price, Real6, as in the goods record
constexpr int kWinAmountOffset = 46;
constexpr int kWinNetPriceOffset = 52;

// SADZDPH.DAT: rates S1, S2, S3 as Real6 at offsets 0, 6, 12.
using VatRates = std::array<std::uint8_t, kVatRatesRecordLength>;

// Decoding and encoding again keeps every value; it only writes a zero with
// stray fraction bytes as six zero bytes.
void copyReal(const std::uint8_t* from, std::uint8_t* to) {
  Real6::fromValue(Real6::fromBytes(from).value()).copyTo(to);
}

std::string_view textField(const std::uint8_t* record, int offset, int width) {
  const std::size_t length = std::min<std::size_t>(record[offset], static_cast<std::size_t>(width));
  return {reinterpret_cast<const char*>(record + offset + 1), length};
}

void readRates(VatRates& rates) {
  // None of these steps is checked here: a failure stays pending and the
  // open of TOVAR.DAT reports it.
  DosFile file;
  noteIoCode(file.open(kVatRatesPath, FileMode::ReadOnly));
  noteIoCode(file.readAt(0, rates.data(), rates.size()));
  noteIoCode(file.close());
}

}  // namespace

bool grossPriceFor(const Real6& netPrice, const Real6& rate, Real6& grossPrice) {
  const long double p = netPrice.value();
  const long double r = rate.value();
  const long double q = p / 100;
  const long double t = p + q * r;
  const long double u = t * 10;
  // Halves away from zero. The tenths are kept in the 64-bit mantissa of
  // the extended real rather than a 32-bit integer, so large prices do not
  // wrap around.
  const long double v = std::trunc(u > 0 ? u + 0.5L : u - 0.5L);
  const std::optional<Real6> gross = Real6::tryFromValue(v / 10);
  if (!gross) return false;
  grossPrice = *gross;
  return true;
}

void ZmenSadzbyDPHVKataloguTovarov() {
  CatalogState& s = catalogState();
  VatRates rates{};
  readRates(rates);

  OpenRecordFile(s.goodsData, kGoodsDataPath, kGoodsRecordLength);
  OpenKeyIndex(s.goodsIndex, kGoodsIndexPath, kGoodsKeyLength, false);
  OpenRecordFile(s.winGoodsData, kWinGoodsDataPath, kWinGoodsRecordLength);
  OpenKeyIndex(s.winGoodsIndex, kWinGoodsIndexPath, kWinGoodsKeyLength, false);

  RewindKeys(s.goodsIndex);
  std::array<std::uint8_t, kGoodsRecordLength> g{};
  std::array<std::uint8_t, kWinGoodsRecordLength> w{};
  ShortString goodsKey;
  for (;;) {
    int n = 0;
    StepKey(s.goodsIndex, n, goodsKey);
    if (!s.OperationOk) break;
    if (n < 1) stopOnDamage(s.goodsData, n, DamageCode::kRecordNumber);
    ReadRecord(s.goodsData, n, g.data());
    const std::uint8_t category = g[kCategoryOffset];
    if (category >= '1' && category <= '3') {
      const std::uint8_t* rate = rates.data() + (category - '1') * Real6::kSize;
      copyReal(rate, g.data() + kVatRateOffset);
      Real6 gross;
      if (!grossPriceFor(Real6::fromBytes(g.data() + kNetPriceOffset), Real6::fromBytes(rate), gross))
        stopOnDamage(s.goodsData, n, DamageCode::kPriceOverflow);
      gross.copyTo(g.data() + kGrossPriceOffset);
    }
    WriteRecord(s.goodsData, n, g.data());

    // WIN-TOV.IND's key: the second text, then the first, cut to 45.
    std::array<char, kSecondTextWidth + kFirstTextWidth> keyBytes{};
    const std::string_view second = textField(g.data(), kSecondTextOffset, kSecondTextWidth);
    const std::string_view first = textField(g.data(), kFirstTextOffset, kFirstTextWidth);
    std::memcpy(keyBytes.data(), second.data(), second.size());
    std::memcpy(keyBytes.data() + second.size(), first.data(), first.size());
    ShortString winKey(std::string_view(keyBytes.data(), std::min<std::size_t>(second.size() + first.size(), kWinGoodsKeyLength)));
    int m = 0;
    LookupKey(s.winGoodsIndex, m, winKey);
    if (!s.OperationOk) continue;
    if (m < 1) stopOnDamage(s.winGoodsData, m, DamageCode::kRecordNumber);
    ReadRecord(s.winGoodsData, m, w.data());
    copyReal(g.data() + kAmountOffset, w.data() + kWinAmountOffset);
    copyReal(g.data() + kNetPriceOffset, w.data() + kWinNetPriceOffset);
    WriteRecord(s.winGoodsData, m, w.data());
  }

  CloseKeyIndex(s.goodsIndex);
  CloseRecordFile(s.goodsData);
  CloseKeyIndex(s.winGoodsIndex);
  CloseRecordFile(s.winGoodsData);
}

}  // namespace vortena::catalog
