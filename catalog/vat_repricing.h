#pragma once
// Repricing of the goods catalogue after the VAT rates change: every goods
// record reached through TOVAR.IND gets the rate of its VAT category and a
// new price with VAT rounded to tenths, and its WIN-TOV.DAT entry gets the
// record's amount and net price. Every other byte stays as it was.

#include <cstdint>
#include <string_view>

#include "common/real6.h"

namespace vortena::catalog {

inline constexpr std::string_view kVatRatesPath = "C:\\DOVODO\\DATA\\SADZDPH.DAT";
inline constexpr std::string_view kGoodsDataPath = "C:\\DOVODO\\DATA\\TOVAR.DAT";
inline constexpr std::string_view kGoodsIndexPath = "C:\\DOVODO\\DATA\\TOVAR.IND";
inline constexpr std::string_view kWinGoodsDataPath = "C:\\DOVODO\\DATA\\WIN-TOV.DAT";
inline constexpr std::string_view kWinGoodsIndexPath = "C:\\DOVODO\\DATA\\WIN-TOV.IND";
inline constexpr int kVatRatesRecordLength = 18;
inline constexpr int kGoodsRecordLength = 111;
inline constexpr int kGoodsKeyLength = 15;
inline constexpr int kWinGoodsRecordLength = 58;
inline constexpr int kWinGoodsKeyLength = 45;

// The price with VAT: net * (1 + rate / 100) rounded to tenths, halves away
// from zero. False when the result does not fit the six-byte real.
[[nodiscard]] bool grossPriceFor(const Real6& netPrice, const Real6& rate, Real6& grossPrice);

void ZmenSadzbyDPHVKataloguTovarov();

}  // namespace vortena::catalog
