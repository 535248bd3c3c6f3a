#pragma once
// The page buffer shared by every open index of the process: five slots
// with least-recently-used replacement. A changed page is written only when
// its slot is taken for another page and at CloseKeyIndex.
//
// Invariants: lruOrder is a permutation of the slots, least recently used
// first; a slot without owner is never dirty; no two slots hold the same
// (owner, page). No index operation holds more than three pages at once and
// each use makes the page the most recent, so a page still in use is never
// the one evicted.

#include <array>
#include <cstdint>

#include "catalog/index_page.h"

namespace vortena::catalog {

class KeyIndex;

inline constexpr int kPageSlots = 5;

struct PageSlot {
  KeyIndex* owner = nullptr;
  std::int16_t pageNumber = 0;
  bool dirty = false;
  IndexPage page;
};

class PageBuffer {
 public:
  PageBuffer() { InitPageBuffer(); }
  PageBuffer(const PageBuffer&) = delete;
  PageBuffer& operator=(const PageBuffer&) = delete;

  // Empties every slot and sets lruOrder to 0, 1, 2, 3, 4.
  void InitPageBuffer();

  // The slot that holds page n of the index, read when it is not held.
  int FetchPage(KeyIndex& index, int n);
  // A new page number of the index and the slot for it; the page's content
  // is whatever the slot held.
  int AllocatePage(KeyIndex& index);
  void MarkPageDirty(int slot) { m_slots[slot].dirty = true; }
  // Puts the slot's page on the index's free chain and empties the slot.
  void ReleasePage(int slot);
  // Writes the index's changed pages and empties its slots.
  void FlushIndex(KeyIndex& index);
  // Empties the index's slots without writing them: for a handle that is
  // created or opened again, or destroyed, while pages of it are held.
  void DropIndex(const KeyIndex& index);
  // The page as it is now (slot or file) without changing any slot; for
  // checks that must not alter when pages reach the disk.
  void PeekPage(KeyIndex& index, int n, IndexPage& page);

  IndexPage& page(int slot) { return m_slots[slot].page; }
  const PageSlot& slot(int s) const { return m_slots[s]; }
  const std::array<int, kPageSlots>& lruOrder() const { return m_lruOrder; }

 private:
  void TouchSlot(int slot);
  int takeLeastRecent();  // writes the least recently used slot back if dirty
  void readPage(KeyIndex& index, int n, IndexPage& page);

  std::array<PageSlot, kPageSlots> m_slots{};
  std::array<int, kPageSlots> m_lruOrder{};
  std::array<std::uint8_t, kMaxIndexRecordLength> m_transfer{};  // a page in file form
};

}  // namespace vortena::catalog
