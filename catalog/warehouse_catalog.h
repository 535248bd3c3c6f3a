#pragma once
// The warehouse catalogue: KAT-SKL.DAT (records of 24 bytes), its number
// index KAT-SKL.IND (K = 2) and its name index KAT-SKLN.IND (K = 22), both
// without duplicates.
//
// A warehouse record:
//   OFFSET  SIZE  MEANING
//   0       3     number: length byte (0 to 2), 2 characters
//   3       21    name: length byte (0 to 20), 20 characters
// Texts are stored byte for byte; bytes beyond a length are not significant.
// The name key is the name immediately followed by the number, cut to 22
// ("ABC" with "01" gives "ABC01"). Every record in use has one entry in each
// index; freed records have none.

#include <string_view>

#include "catalog/short_string.h"

namespace vortena::catalog {

inline constexpr std::string_view kWarehouseDataPath = "C:\\DOVODO\\DATA\\KAT-SKL.DAT";
inline constexpr std::string_view kWarehouseNumberIndexPath = "C:\\DOVODO\\DATA\\KAT-SKL.IND";
inline constexpr std::string_view kWarehouseNameIndexPath = "C:\\DOVODO\\DATA\\KAT-SKLN.IND";
inline constexpr int kWarehouseRecordLength = 24;
inline constexpr int kWarehouseNumberLength = 2;
inline constexpr int kWarehouseNameLength = 20;
inline constexpr int kWarehouseNameKeyLength = 22;

// Opens the catalogue, or creates all three files when KAT-SKL.DAT is missing.
void OpenWarehouseFiles();
void CloseWarehouseFiles();
// Adds the warehouse, or gives an existing number the new name (same record).
// The texts are cut to 2 and 20 characters.
void StoreWarehouse(std::string_view number, std::string_view name);

// The exported operations, each opening and closing the catalogue.
void PridajSklad(std::string_view number, std::string_view name);
void VymazSklad(std::string_view number);
bool NajdiSklad(std::string_view number);

}  // namespace vortena::catalog
