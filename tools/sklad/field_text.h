#pragma once
// Length-prefixed text fields of the suite's records: a length byte, then
// `width` character bytes; a length above the width is cut to it.

#include <cstdint>
#include <string>

namespace vortena::sklad {

inline std::string prefixedField(const std::uint8_t* record, int offset, int width) {
  const int length = record[offset] > width ? width : record[offset];
  return std::string(reinterpret_cast<const char*>(record + offset + 1), static_cast<std::size_t>(length));
}

}  // namespace vortena::sklad
