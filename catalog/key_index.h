#pragma once
// Index files: B-trees of order 16 mapping keys to data record numbers,
// stored in a record file whose records are the pages (index_page.h). Every
// page holds 16 to 32 items, the root 1 to 32; all leaves lie at one depth;
// an empty index has rootPage 0 and no page.
//
// Key order: bytes compared as unsigned over the shorter length, then the
// shorter key first; no case folding, no space filling ("AB" < "AB " <
// "ABC" < "Ab"). With duplicates allowed equal keys are ordered by data
// reference and an entry is a (key, dataRef) pair.
//
// Key arguments are cut to K characters in the caller's variable first.
// Each operation sets OperationOk (catalog_state.h).

#include <array>
#include <cstdint>
#include <string_view>

#include "catalog/index_page.h"
#include "catalog/record_file.h"
#include "catalog/short_string.h"

namespace vortena::catalog {

struct PathEntry {
  std::int16_t page = 0;
  std::int16_t item = 0;  // 0: before item 1 of the page
};

class KeyIndex {
 public:
  KeyIndex() = default;
  // Drops the index's pages from the page buffer (unwritten; close first).
  ~KeyIndex();
  KeyIndex(const KeyIndex&) = delete;
  KeyIndex& operator=(const KeyIndex&) = delete;

  RecordFile file;
  bool duplicatesAllowed = false;
  int keyLength = 0;
  // The position: path[1..pathDepth], entry 1 the root; depth 0 stands
  // before the first key.
  int pathDepth = 0;
  std::array<PathEntry, kMaxDepth + 1> path{};
};

void CreateKeyIndex(KeyIndex& index, std::string_view path, int keyLength, bool duplicatesAllowed);
void OpenKeyIndex(KeyIndex& index, std::string_view path, int keyLength, bool duplicatesAllowed);
void CloseKeyIndex(KeyIndex& index);

// OperationOk false when the entry is there already.
void InsertKey(KeyIndex& index, int dataRef, ShortString& key);
// dataRef in and out; OperationOk false when there is no such entry.
void RemoveKey(KeyIndex& index, int& dataRef, ShortString& key);
// Finds the key (the first entry of it with duplicates) and sets the
// position there; when missing, the position stands at the greatest smaller
// entry (with duplicates the next entry is delivered into key and dataRef).
void LookupKey(KeyIndex& index, int& dataRef, ShortString& key);
// Delivers the entry after the position; OperationOk false at the end, and
// the position is then before the first key again.
void StepKey(KeyIndex& index, int& dataRef, ShortString& key);
void RewindKeys(KeyIndex& index);

// -1, 0 or +1 for the keys alone (the order above).
int CompareKeyBytes(std::string_view a, std::string_view b);

}  // namespace vortena::catalog
