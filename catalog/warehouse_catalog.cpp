#include "catalog/warehouse_catalog.h"

#include <array>
#include <cstring>

#include "catalog/catalog_state.h"
#include "catalog/io_stop.h"
#include "catalog/key_index.h"
#include "catalog/record_file.h"

namespace vortena::catalog {

namespace {

using WarehouseRecord = std::array<std::uint8_t, kWarehouseRecordLength>;
constexpr int kNumberOffset = 0;
constexpr int kNameOffset = 3;

void putField(WarehouseRecord& r, int offset, int width, std::string_view text) {
  const auto length = std::min(text.size(), static_cast<std::size_t>(width));
  r[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(length);
  std::memcpy(r.data() + offset + 1, text.data(), length);
}

// A field of a stored record; a length byte above the field's width (a
// damaged record) is read as the width, never beyond the field.
std::string_view getField(const WarehouseRecord& r, int offset, int width) {
  const std::size_t length = std::min<std::size_t>(r[static_cast<std::size_t>(offset)], static_cast<std::size_t>(width));
  return {reinterpret_cast<const char*>(r.data() + offset + 1), length};
}

ShortString nameKeyOf(const WarehouseRecord& r) {
  std::array<char, kWarehouseNameLength + kWarehouseNumberLength> key{};
  const std::string_view name = getField(r, kNameOffset, kWarehouseNameLength);
  const std::string_view number = getField(r, kNumberOffset, kWarehouseNumberLength);
  std::memcpy(key.data(), name.data(), name.size());
  std::memcpy(key.data() + name.size(), number.data(), number.size());
  return ShortString(std::string_view(key.data(), std::min<std::size_t>(name.size() + number.size(), kWarehouseNameKeyLength)));
}

// Index entries name data records from 1 up; anything else is damage.
void checkDataRef(const RecordFile& data, int n) {
  if (n < 1) stopOnDamage(data, n, DamageCode::kRecordNumber);
}

}  // namespace

void OpenWarehouseFiles() {
  CatalogState& s = catalogState();
  OpenRecordFile(s.warehouseData, kWarehouseDataPath, kWarehouseRecordLength);
  if (s.OperationOk) {
    OpenKeyIndex(s.warehouseNumbers, kWarehouseNumberIndexPath, kWarehouseNumberLength, false);
    OpenKeyIndex(s.warehouseNames, kWarehouseNameIndexPath, kWarehouseNameKeyLength, false);
  } else {
    CreateRecordFile(s.warehouseData, kWarehouseDataPath, kWarehouseRecordLength);
    CreateKeyIndex(s.warehouseNumbers, kWarehouseNumberIndexPath, kWarehouseNumberLength, false);
    CreateKeyIndex(s.warehouseNames, kWarehouseNameIndexPath, kWarehouseNameKeyLength, false);
  }
}

void CloseWarehouseFiles() {
  CatalogState& s = catalogState();
  CloseRecordFile(s.warehouseData);
  CloseKeyIndex(s.warehouseNumbers);
  CloseKeyIndex(s.warehouseNames);
}

void StoreWarehouse(std::string_view number, std::string_view name) {
  CatalogState& s = catalogState();
  WarehouseRecord r{};
  putField(r, kNumberOffset, kWarehouseNumberLength, number);
  putField(r, kNameOffset, kWarehouseNameLength, name);
  ShortString numberKey(getField(r, kNumberOffset, kWarehouseNumberLength));
  ShortString nameKey = nameKeyOf(r);

  int n = 0;
  LookupKey(s.warehouseNumbers, n, numberKey);
  if (s.OperationOk) {
    checkDataRef(s.warehouseData, n);
    WarehouseRecord old{};
    ReadRecord(s.warehouseData, n, old.data());
    ShortString oldNameKey = nameKeyOf(old);
    int ref = n;
    RemoveKey(s.warehouseNames, ref, oldNameKey);
    WriteRecord(s.warehouseData, n, r.data());
    InsertKey(s.warehouseNames, n, nameKey);
  } else {
    n = InsertRecord(s.warehouseData, r.data());
    InsertKey(s.warehouseNumbers, n, numberKey);
    InsertKey(s.warehouseNames, n, nameKey);
  }
}

void PridajSklad(std::string_view number, std::string_view name) {
  OpenWarehouseFiles();
  StoreWarehouse(number.substr(0, kWarehouseNumberLength), name.substr(0, kWarehouseNameLength));
  CloseWarehouseFiles();
}

void VymazSklad(std::string_view number) {
  CatalogState& s = catalogState();
  OpenWarehouseFiles();
  ShortString numberKey(number.substr(0, kWarehouseNumberLength));
  int n = 0;
  LookupKey(s.warehouseNumbers, n, numberKey);
  if (s.OperationOk) {
    checkDataRef(s.warehouseData, n);
    WarehouseRecord old{};
    ReadRecord(s.warehouseData, n, old.data());
    ShortString nameKey = nameKeyOf(old);
    int ref = n;
    RemoveKey(s.warehouseNumbers, ref, numberKey);
    ref = n;
    RemoveKey(s.warehouseNames, ref, nameKey);
    FreeRecord(s.warehouseData, n);
  }
  CloseWarehouseFiles();
}

bool NajdiSklad(std::string_view number) {
  CatalogState& s = catalogState();
  OpenWarehouseFiles();
  ShortString numberKey(number.substr(0, kWarehouseNumberLength));
  int n = 0;
  LookupKey(s.warehouseNumbers, n, numberKey);
  const bool found = s.OperationOk;
  CloseWarehouseFiles();
  return found;
}

}  // namespace vortena::catalog
