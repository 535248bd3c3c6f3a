#pragma once
// A check of an index's structure, for tests and the operator tool: key
// order across the tree, 16 to 32 items in every page but the root, all
// leaves at one depth, no page reached twice, free chain inside the file
// and as long as freeCount. Reads pages without changing the page buffer,
// so running it changes nothing about what reaches the disk.

#include <string>

#include "catalog/key_index.h"

namespace vortena::catalog {

// Empty when the index is sound, else the first fault found. `entries`
// receives the number of entries.
[[nodiscard]] std::string checkKeyIndex(KeyIndex& index, long* entries = nullptr);

}  // namespace vortena::catalog
