#pragma once
// The catalogue files the tool knows, with the parameters every program of
// the suite opens them with.

#include <string_view>

namespace vortena::sklad {

struct IndexFile {
  std::string_view path;
  int keyLength;
};

inline constexpr std::string_view kWarehouseData = "C:\\DOVODO\\DATA\\KAT-SKL.DAT";
inline constexpr int kWarehouseRecordLength = 24;
inline constexpr IndexFile kWarehouseNumbers{"C:\\DOVODO\\DATA\\KAT-SKL.IND", 2};
inline constexpr IndexFile kWarehouseNames{"C:\\DOVODO\\DATA\\KAT-SKLN.IND", 22};

inline constexpr std::string_view kGoodsData = "C:\\DOVODO\\DATA\\TOVAR.DAT";
inline constexpr int kGoodsRecordLength = 111;
inline constexpr IndexFile kGoodsIndex{"C:\\DOVODO\\DATA\\TOVAR.IND", 15};
inline constexpr std::string_view kWinGoodsData = "C:\\DOVODO\\DATA\\WIN-TOV.DAT";
inline constexpr int kWinGoodsRecordLength = 58;
inline constexpr IndexFile kWinGoodsIndex{"C:\\DOVODO\\DATA\\WIN-TOV.IND", 45};

inline constexpr std::string_view kDataFolder = "C:\\DOVODO\\DATA";
inline constexpr std::string_view kVatRates = "C:\\DOVODO\\DATA\\SADZDPH.DAT";

// A warehouse record (24 bytes):
//   OFFSET  SIZE  MEANING
//   0       3     number: length byte (0 to 2), 2 characters
//   3       21    name: length byte (0 to 20), 20 characters
// Its name key is the name followed by the number, cut to 22.
inline constexpr int kNumberWidth = 2;
inline constexpr int kNameOffset = 3;
inline constexpr int kNameWidth = 20;

// The goods record fields shown by `sklad goods` (111 bytes):
//   OFFSET  SIZE  MEANING
//   0       23    first text: length byte (0 to 22), characters
//   23      1     VAT category '1', '2' or '3'
//   24      32    second text: length byte (0 to 31), characters
//   62      6     net price, six-byte real
//   74      6     VAT rate in percent, six-byte real
//   80      6     price with VAT, six-byte real
inline constexpr int kFirstTextWidth = 22;
inline constexpr int kCategoryOffset = 23;
inline constexpr int kSecondTextOffset = 24;
inline constexpr int kSecondTextWidth = 31;
inline constexpr int kNetPriceOffset = 62;
inline constexpr int kVatRateOffset = 74;
inline constexpr int kGrossPriceOffset = 80;

}  // namespace vortena::sklad
