#include "catalog/page_buffer.h"

#include <algorithm>

#include "catalog/catalog_state.h"
#include "catalog/io_stop.h"
#include "catalog/key_index.h"

namespace vortena::catalog {

namespace {

// A page read from the file is checked before any operation trusts it.
void checkPage(KeyIndex& index, int n, const IndexPage& page) {
  if (page.itemCount == 0 || page.itemCount > kMaxItems) stopOnDamage(index.file, n, DamageCode::kItemCount);
  const int pages = index.file.recordCount();
  const auto childOk = [pages](int child) { return child >= 0 && child < pages; };
  if (!childOk(page.leftChild)) stopOnDamage(index.file, n, DamageCode::kPageNumber);
  for (int i = 1; i <= page.itemCount; ++i) {
    const IndexItem& item = page.items[i];
    if (item.keyLength > index.keyLength) stopOnDamage(index.file, n, DamageCode::kKeyLength);
    if (!childOk(item.childPage)) stopOnDamage(index.file, n, DamageCode::kPageNumber);
  }
}


}  // namespace

void PageBuffer::InitPageBuffer() {
  for (int s = 0; s < kPageSlots; ++s) {
    m_slots[s].owner = nullptr;
    m_slots[s].pageNumber = 0;
    m_slots[s].dirty = false;
    m_lruOrder[s] = s;
  }
}

void PageBuffer::TouchSlot(int slot) {
  auto* const at = std::find(m_lruOrder.begin(), m_lruOrder.end(), slot);
  std::rotate(at, at + 1, m_lruOrder.end());
}

int PageBuffer::takeLeastRecent() {
  const int s = m_lruOrder[0];
  PageSlot& slot = m_slots[s];
  if (slot.dirty) {
    PackPage(slot.page, slot.owner->keyLength, m_transfer.data());
    WriteRecord(slot.owner->file, slot.pageNumber, m_transfer.data());
    slot.dirty = false;
  }
  slot.owner = nullptr;
  return s;
}

void PageBuffer::readPage(KeyIndex& index, int n, IndexPage& page) {
  ReadRecord(index.file, n, m_transfer.data());
  UnpackPage(m_transfer.data(), index.keyLength, page);
  checkPage(index, n, page);
}

int PageBuffer::FetchPage(KeyIndex& index, int n) {
  // Page 0 is the header; a tree never points at it or below.
  if (n <= 0) stopOnDamage(index.file, n, DamageCode::kPageNumber);
  for (int s = 0; s < kPageSlots; ++s) {
    if (m_slots[s].owner == &index && m_slots[s].pageNumber == n) {
      TouchSlot(s);
      return s;
    }
  }
  const int s = takeLeastRecent();
  PageSlot& slot = m_slots[s];
  readPage(index, n, slot.page);
  slot.owner = &index;
  slot.pageNumber = static_cast<std::int16_t>(n);
  slot.dirty = false;
  TouchSlot(s);
  return s;
}

int PageBuffer::AllocatePage(KeyIndex& index) {
  const int s = takeLeastRecent();
  PageSlot& slot = m_slots[s];
  slot.pageNumber = static_cast<std::int16_t>(AllocateRecord(index.file));
  slot.owner = &index;
  slot.dirty = false;
  TouchSlot(s);
  return s;
}

void PageBuffer::ReleasePage(int s) {
  PageSlot& slot = m_slots[s];
  FreeRecord(slot.owner->file, slot.pageNumber);
  slot.owner = nullptr;
  slot.dirty = false;
}

void PageBuffer::FlushIndex(KeyIndex& index) {
  for (PageSlot& slot : m_slots) {
    if (slot.owner != &index) continue;
    slot.owner = nullptr;
    if (slot.dirty) {
      PackPage(slot.page, index.keyLength, m_transfer.data());
      WriteRecord(index.file, slot.pageNumber, m_transfer.data());
      slot.dirty = false;
    }
  }
}

void PageBuffer::DropIndex(const KeyIndex& index) {
  for (PageSlot& slot : m_slots) {
    if (slot.owner != &index) continue;
    slot.owner = nullptr;
    slot.dirty = false;
  }
}

void PageBuffer::PeekPage(KeyIndex& index, int n, IndexPage& page) {
  for (const PageSlot& slot : m_slots) {
    if (slot.owner == &index && slot.pageNumber == n) {
      page = slot.page;
      return;
    }
  }
  if (n <= 0) stopOnDamage(index.file, n, DamageCode::kPageNumber);
  readPage(index, n, page);
}

}  // namespace vortena::catalog
