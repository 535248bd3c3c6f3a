#pragma once
// Structure checks of record files and index files for the operator tool,
// on the read-only view of record_reader.h. Nothing here trusts the file:
// every number is checked against the file before it is followed, and a
// walk stops at the depth the format allows.
//
// An index page (K the key length, record length (K + 5) * 32 + 3):
//   OFFSET               SIZE   MEANING
//   0                    1      itemCount, 0 to 32
//   1                    2      leftChild: page of the keys below item 1; 0 in a leaf
//   3 + (i-1) * (K + 5)  K + 5  item i: 2 dataRef, 2 childPage, 1 key length, K key bytes
// Invariants checked: keys ascend in a page and lie between the separators
// above them (bytes unsigned, a shorter key first on a common prefix), every
// page but the root holds 16 to 32 items and the root 1 to 32, all leaves lie
// at one depth (at most 5 levels), an inner page has a child below every
// item, no page is reached twice or is also on the free chain, and every
// page is either in the tree or on the free chain.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sklad/record_reader.h"

namespace vortena::sklad {

inline constexpr int kMaxItems = 32;
inline constexpr int kMinItems = 16;
inline constexpr int kMaxDepth = 5;
inline constexpr int kMaxKeyLength = 53;

constexpr int indexRecordLength(int keyLength) { return (keyLength + 5) * kMaxItems + 3; }

struct PageItem {
  std::int16_t dataRef = 0;
  std::int16_t childPage = 0;
  int storedKeyLength = 0;  // as in the file, possibly above K
  std::string key;          // at most K bytes
};

struct DecodedPage {
  int storedItemCount = 0;  // as in the file, possibly above 32
  std::int16_t leftChild = 0;
  std::vector<PageItem> items;  // at most 32
};

DecodedPage decodePage(const std::uint8_t* record, int keyLength);

// -1, 0, +1 in the index's key order.
int compareKeys(const std::string& a, const std::string& b);

struct IndexEntry {
  std::string key;
  int dataRef = 0;
};

// The free chain from firstFree: its records in chain order, and problems.
std::vector<int> walkFreeChain(const RecordReader& file, std::vector<std::string>& problems);

// Problems of the file's own structure: a partial last record, a header
// whose saved count disagrees with the file.
void checkRecordFile(const RecordReader& file, std::vector<std::string>& problems);

struct IndexReport {
  std::vector<std::string> problems;
  std::vector<IndexEntry> entries;  // in tree order, as far as the tree could be read
};

IndexReport inspectIndex(const RecordReader& file, int keyLength);

// Key and field bytes for the terminal: the DOS 852 text as
// UTF-8, control bytes as \xNN.
std::string displayText(const std::string& bytes);

}  // namespace vortena::sklad
