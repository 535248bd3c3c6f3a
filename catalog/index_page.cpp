#include "catalog/index_page.h"

#include <cstring>

#include "catalog/record_file.h"

namespace vortena::catalog {

void UnpackPage(const std::uint8_t* record, int keyLength, IndexPage& page) {
  const auto K = static_cast<std::size_t>(keyLength);
  const std::size_t itemSize = K + kItemHeaderSize;
  page.itemCount = record[0];
  page.leftChild = getLe16(record + 1);
  const std::uint8_t* p = record + kPageHeaderSize;
  for (int i = 1; i <= kMaxItems; ++i, p += itemSize) {
    IndexItem& item = page.items[i];
    item.dataRef = getLe16(p);
    item.childPage = getLe16(p + 2);
    item.keyLength = p[4];
    std::memcpy(item.key.data(), p + kItemHeaderSize, K);
  }
}

void PackPage(const IndexPage& page, int keyLength, std::uint8_t* record) {
  const auto K = static_cast<std::size_t>(keyLength);
  const std::size_t itemSize = K + kItemHeaderSize;
  record[0] = page.itemCount;
  putLe16(record + 1, page.leftChild);
  std::uint8_t* p = record + kPageHeaderSize;
  for (int i = 1; i <= kMaxItems; ++i, p += itemSize) {
    const IndexItem& item = page.items[i];
    putLe16(p, item.dataRef);
    putLe16(p + 2, item.childPage);
    p[4] = item.keyLength;
    std::memcpy(p + kItemHeaderSize, item.key.data(), K);
  }
}

}  // namespace vortena::catalog
