#pragma once
// Index pages: the B-tree pages of an index file, one page per record.
//
// A page record in the file, K the index's key length (1 to 53), record
// length P = (K + 5) * 32 + 3 (K = 2: 227, 15: 643, 22: 867, 45: 1603):
//   OFFSET               SIZE   MEANING
//   0                    1      itemCount, 0 to 32
//   1                    2      leftChild: page of the keys below item 1; 0 in a leaf
//   3 + (i-1) * (K + 5)  K + 5  item i, i = 1 to 32
// An item:
//   OFFSET  SIZE  MEANING
//   0       2     dataRef: record number in the data file
//   2       2     childPage: page of the keys between this item and the next; 0 in a leaf
//   4       1     key length, 0 to K
//   5       K     key characters; bytes beyond the length are not significant
// Items beyond itemCount are not significant but are carried along whole,
// so a page rewritten unchanged keeps its bytes.
//
// In memory every item has room for the longest key, whatever K is.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vortena::catalog {

inline constexpr int kMaxKeyLength = 53;
inline constexpr int kMaxItems = 32;
inline constexpr int kMinItems = 16;
inline constexpr int kMaxDepth = 5;
inline constexpr int kPageHeaderSize = 1 + 2;
inline constexpr int kItemHeaderSize = 2 + 2 + 1;

constexpr int indexRecordLength(int keyLength) { return (keyLength + kItemHeaderSize) * kMaxItems + kPageHeaderSize; }
inline constexpr int kMaxIndexRecordLength = indexRecordLength(kMaxKeyLength);  // 1859

struct IndexItem {
  std::int16_t dataRef = 0;
  std::int16_t childPage = 0;
  std::uint8_t keyLength = 0;
  std::array<std::uint8_t, kMaxKeyLength> key{};
};

struct IndexPage {
  std::uint8_t itemCount = 0;
  std::int16_t leftChild = 0;
  // items[1] to items[32]; items[0] is unused so numbers match the layout.
  std::array<IndexItem, kMaxItems + 1> items{};

  // The child below item r: leftChild for r = 0.
  std::int16_t child(int r) const { return r == 0 ? leftChild : items[r].childPage; }
};

// File form (P bytes) to memory form and back, all 32 items.
void UnpackPage(const std::uint8_t* record, int keyLength, IndexPage& page);
void PackPage(const IndexPage& page, int keyLength, std::uint8_t* record);

}  // namespace vortena::catalog
