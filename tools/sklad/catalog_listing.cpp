#include "tools/sklad/catalog_listing.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/real6.h"
#include "platform/dos_error.h"
#include "tools/sklad/catalog_files.h"
#include "tools/sklad/field_text.h"
#include "tools/sklad/index_walk.h"
#include "tools/sklad/record_reader.h"

namespace vortena::sklad {

namespace {

bool openOrReport(RecordReader& file, std::string_view path, int recordLength, std::ostream& err) {
  if (const int code = file.open(path, recordLength)) {
    err << path << ": " << dosErrorCause(code) << " (code " << code << ")\n";
    return false;
  }
  return true;
}

// Entries of the index in key order; false (with the first problem on err)
// when the index is damaged, so a listing never shows half a catalogue as if
// it were whole.
bool readEntries(const IndexFile& index, std::vector<IndexEntry>& entries, std::ostream& err) {
  RecordReader file;
  if (!openOrReport(file, index.path, indexRecordLength(index.keyLength), err)) return false;
  IndexReport report = inspectIndex(file, index.keyLength);
  entries = std::move(report.entries);
  if (!report.problems.empty()) {
    err << index.path << ": " << report.problems.front() << " (sklad check lists every problem)\n";
    return false;
  }
  return true;
}

std::string amount(const std::uint8_t* bytes) {
  const long double v = Real6::fromBytes(bytes).value();
  char text[64];
  if (!std::isfinite(static_cast<double>(v)) || std::fabs(static_cast<double>(v)) > 1e15)
    std::snprintf(text, sizeof text, "%Lg", v);
  else
    std::snprintf(text, sizeof text, "%.2Lf", v);
  return text;
}

}  // namespace

int listWarehouses(std::ostream& out, std::ostream& err) {
  RecordReader data;
  std::vector<IndexEntry> entries;
  if (!openOrReport(data, kWarehouseData, kWarehouseRecordLength, err)) return 1;
  const bool whole = readEntries(kWarehouseNumbers, entries, err);
  for (const IndexEntry& e : entries) {
    const std::uint8_t* record = data.record(e.dataRef);
    if (e.dataRef < 1 || !record) {
      err << kWarehouseNumbers.path << ": entry " << displayText(e.key) << " points at record " << e.dataRef
          << ", outside " << kWarehouseData << '\n';
      return 1;
    }
    out << displayText(prefixedField(record, 0, kNumberWidth)) << '\t'
        << displayText(prefixedField(record, kNameOffset, kNameWidth)) << '\n';
  }
  return whole ? 0 : 1;
}

int listGoods(std::ostream& out, std::ostream& err) {
  RecordReader data;
  std::vector<IndexEntry> entries;
  if (!openOrReport(data, kGoodsData, kGoodsRecordLength, err)) return 1;
  const bool whole = readEntries(kGoodsIndex, entries, err);
  out << "key\tfirst text\tsecond text\tVAT category\tnet price\trate\tprice with VAT\n";
  for (const IndexEntry& e : entries) {
    const std::uint8_t* record = data.record(e.dataRef);
    if (e.dataRef < 1 || !record) {
      err << kGoodsIndex.path << ": entry " << displayText(e.key) << " points at record " << e.dataRef << ", outside "
          << kGoodsData << '\n';
      return 1;
    }
    out << displayText(e.key) << '\t' << displayText(prefixedField(record, 0, kFirstTextWidth)) << '\t'
        << displayText(prefixedField(record, kSecondTextOffset, kSecondTextWidth)) << '\t'
        << displayText(std::string(1, static_cast<char>(record[kCategoryOffset]))) << '\t'
        << amount(record + kNetPriceOffset) << '\t' << amount(record + kVatRateOffset) << '\t'
        << amount(record + kGrossPriceOffset) << '\n';
  }
  return whole ? 0 : 1;
}

}  // namespace vortena::sklad
