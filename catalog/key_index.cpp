#include "catalog/key_index.h"

#include <algorithm>
#include <cstring>

#include "catalog/catalog_state.h"
#include "catalog/io_stop.h"
#include "platform/dos_error.h"

namespace vortena::catalog {

namespace {

PageBuffer& buffer() { return catalogState().pageBuffer; }

// The probe of a descent: the caller's key (already cut to K) and data
// reference.
struct Probe {
  const std::uint8_t* key;
  int length;
  int dataRef;
};

int compareProbe(const KeyIndex& index, const Probe& probe, const IndexItem& item) {
  const int common = std::min(probe.length, static_cast<int>(item.keyLength));
  if (const int c = std::memcmp(probe.key, item.key.data(), static_cast<std::size_t>(common)); c != 0)
    return c < 0 ? -1 : 1;
  if (probe.length != item.keyLength) return probe.length < item.keyLength ? -1 : 1;
  return index.duplicatesAllowed ? probe.dataRef - item.dataRef : 0;
}

// Binary search of a page. r is the number of items smaller than the probe
// (0 to itemCount); when the probe equals item k, found is set and r = k - 1.
struct SearchResult {
  int r = 0;
  int k = 0;
  bool found = false;
};

SearchResult searchPage(const KeyIndex& index, const IndexPage& page, const Probe& probe) {
  int left = 1;
  int right = page.itemCount;
  int k = 0;
  while (right >= left) {
    k = (left + right) / 2;
    const int c = compareProbe(index, probe, page.items[k]);
    if (c <= 0) right = k - 1;
    if (c >= 0) left = k + 1;
  }
  return SearchResult{right, k, left - right > 1};
}

Probe probeOf(const ShortString& key, int dataRef) {
  return Probe{reinterpret_cast<const std::uint8_t*>(key.data()), static_cast<int>(key.size()), dataRef};
}

void checkDepth(KeyIndex& index, int page, int depth) {
  // At least 17 children per inner page and 16-bit page numbers allow no
  // more levels; a deeper descent is a damaged tree or a cycle.
  if (depth > kMaxDepth) stopOnDamage(index.file, page, DamageCode::kTreeDepth);
}

void checkKeyLength(KeyIndex& index, int keyLength) {
  // K sets the page layout; outside 1 to 53 the pages would not fit.
  if (keyLength < 1 || keyLength > kMaxKeyLength) {
    noteIoCode(DosCode::kInvalidParameter);
    TakeIoCode();
    StopOnFileError(index.file);
  }
}

void moveItems(IndexPage& page, int to, int from, int count) {
  if (count > 0) std::memmove(&page.items[to], &page.items[from], sizeof(IndexItem) * static_cast<std::size_t>(count));
}

void copyItems(IndexPage& to, int toFirst, const IndexPage& from, int fromFirst, int count) {
  if (count > 0)
    std::memcpy(&to.items[toFirst], &from.items[fromFirst], sizeof(IndexItem) * static_cast<std::size_t>(count));
}

// ---- insertion ------------------------------------------------------------

struct Insertion {
  KeyIndex& index;
  Probe probe;
  bool passUp = false;
  IndexItem carry;
};

void fillCarry(Insertion& ins) {
  ins.carry.dataRef = static_cast<std::int16_t>(ins.probe.dataRef);
  ins.carry.childPage = 0;
  ins.carry.keyLength = static_cast<std::uint8_t>(ins.probe.length);
  std::memcpy(ins.carry.key.data(), ins.probe.key, static_cast<std::size_t>(ins.probe.length));
}

void descend(Insertion& ins, int p, int depth) {
  if (p == 0) {
    ins.passUp = true;
    fillCarry(ins);
    return;
  }
  checkDepth(ins.index, p, depth);
  int slot = buffer().FetchPage(ins.index, p);
  const SearchResult at = searchPage(ins.index, buffer().page(slot), ins.probe);
  if (at.found) {
    catalogState().OperationOk = false;
    ins.passUp = false;
    return;
  }
  const int r = at.r;
  descend(ins, buffer().page(slot).child(r), depth + 1);
  if (!ins.passUp) return;

  slot = buffer().FetchPage(ins.index, p);
  IndexPage& page = buffer().page(slot);
  if (page.itemCount < kMaxItems) {
    ++page.itemCount;
    moveItems(page, r + 2, r + 1, page.itemCount - (r + 1));
    page.items[r + 1] = ins.carry;
    ins.passUp = false;
  } else {
    // Split: of the 33 items in order, 1-16 stay, 17 moves up, 18-33 go to
    // the new page q.
    std::array<IndexItem, kMaxItems + 2> all;  // all[1..33]
    std::memcpy(&all[1], &page.items[1], sizeof(IndexItem) * static_cast<std::size_t>(r));
    all[r + 1] = ins.carry;
    std::memcpy(&all[r + 2], &page.items[r + 1], sizeof(IndexItem) * static_cast<std::size_t>(kMaxItems - r));
    const int qs = buffer().AllocatePage(ins.index);
    const std::int16_t m = buffer().slot(qs).pageNumber;
    IndexPage& q = buffer().page(qs);
    std::memcpy(&page.items[1], &all[1], sizeof(IndexItem) * kMinItems);
    std::memcpy(&q.items[1], &all[kMinItems + 2], sizeof(IndexItem) * kMinItems);
    page.itemCount = kMinItems;
    q.itemCount = kMinItems;
    IndexItem moving = all[kMinItems + 1];
    q.leftChild = moving.childPage;
    moving.childPage = m;
    ins.carry = moving;
    buffer().MarkPageDirty(qs);
  }
  buffer().MarkPageDirty(slot);
}

// ---- removal --------------------------------------------------------------

struct Removal {
  KeyIndex& index;
  Probe probe;
  int& dataRef;
  bool underflow = false;
};

// q, the child of p at position r (0 = leftChild), has one item too few.
void rebalance(Removal& rem, int p, int q, int r) {
  PageBuffer& pb = buffer();
  const int ps = pb.FetchPage(rem.index, p);
  const int qs = pb.FetchPage(rem.index, q);
  IndexPage& P = pb.page(ps);
  IndexPage& Q = pb.page(qs);
  // Only a damaged page below the root reaches here without items.
  if (P.itemCount == 0) stopOnDamage(rem.index.file, p, DamageCode::kItemCount);
  if (r < P.itemCount) {
    ++r;
    const int s = P.items[r].childPage;
    const int ss = pb.FetchPage(rem.index, s);
    IndexPage& S = pb.page(ss);
    const int j = (S.itemCount - 15) / 2;
    Q.items[16] = P.items[r];
    Q.items[16].childPage = S.leftChild;
    if (j > 0) {
      copyItems(Q, 17, S, 1, j - 1);
      P.items[r] = S.items[j];
      P.items[r].childPage = static_cast<std::int16_t>(s);
      S.leftChild = S.items[j].childPage;
      S.itemCount = static_cast<std::uint8_t>(S.itemCount - j);
      moveItems(S, 1, j + 1, S.itemCount);
      Q.itemCount = static_cast<std::uint8_t>(15 + j);
      rem.underflow = false;
      pb.MarkPageDirty(ss);
    } else {
      copyItems(Q, 17, S, 1, 16);
      moveItems(P, r, r + 1, P.itemCount - r);
      --P.itemCount;
      Q.itemCount = kMaxItems;
      pb.ReleasePage(ss);
      rem.underflow = P.itemCount < kMinItems;
    }
    pb.MarkPageDirty(qs);
  } else {
    const int s = P.child(r - 1);
    const int ss = pb.FetchPage(rem.index, s);
    IndexPage& S = pb.page(ss);
    const int n = S.itemCount + 1;
    const int j = (n - 16) / 2;
    if (j > 0) {
      moveItems(Q, 1 + j, 1, 15);
      Q.items[j] = P.items[r];
      Q.items[j].childPage = Q.leftChild;
      copyItems(Q, 1, S, n - j + 1, j - 1);
      Q.leftChild = S.items[n - j].childPage;
      P.items[r] = S.items[n - j];
      P.items[r].childPage = static_cast<std::int16_t>(q);
      S.itemCount = static_cast<std::uint8_t>(n - j - 1);
      Q.itemCount = static_cast<std::uint8_t>(15 + j);
      rem.underflow = false;
      pb.MarkPageDirty(qs);
    } else {
      S.items[n] = P.items[r];
      S.items[n].childPage = Q.leftChild;
      copyItems(S, n + 1, Q, 1, 15);
      S.itemCount = kMaxItems;
      --P.itemCount;
      pb.ReleasePage(qs);
      rem.underflow = P.itemCount < kMinItems;
    }
    pb.MarkPageDirty(ss);
  }
  pb.MarkPageDirty(ps);
}

// Replaces item k of page p by its predecessor, the last item of the
// rightmost leaf below page s.
void replace(Removal& rem, int s, int p, int k, int depth) {
  checkDepth(rem.index, s, depth);
  PageBuffer& pb = buffer();
  const int ss = pb.FetchPage(rem.index, s);
  const int c = pb.page(ss).itemCount;
  const int t = pb.page(ss).items[c].childPage;
  if (t != 0) {
    replace(rem, t, p, k, depth + 1);
    if (rem.underflow) rebalance(rem, s, t, c);
    return;
  }
  const int ps = pb.FetchPage(rem.index, p);
  IndexPage& S = pb.page(ss);
  IndexPage& P = pb.page(ps);
  S.items[c].childPage = P.items[k].childPage;
  P.items[k] = S.items[c];
  --S.itemCount;
  rem.underflow = S.itemCount < kMinItems;
  pb.MarkPageDirty(ps);
  pb.MarkPageDirty(ss);
}

void remove(Removal& rem, int p, int depth) {
  if (p == 0) {
    catalogState().OperationOk = false;
    rem.underflow = false;
    return;
  }
  checkDepth(rem.index, p, depth);
  PageBuffer& pb = buffer();
  const int ps = pb.FetchPage(rem.index, p);
  IndexPage& P = pb.page(ps);
  const SearchResult at = searchPage(rem.index, P, rem.probe);
  const int q = P.child(at.r);
  if (at.found) {
    rem.dataRef = P.items[at.k].dataRef;
    if (q == 0) {
      --P.itemCount;
      rem.underflow = P.itemCount < kMinItems;
      moveItems(P, at.k, at.k + 1, P.itemCount - at.k + 1);
      pb.MarkPageDirty(ps);
    } else {
      replace(rem, q, p, at.k, depth + 1);
      if (rem.underflow) rebalance(rem, p, q, at.r);
    }
  } else {
    remove(rem, q, depth + 1);
    if (rem.underflow) rebalance(rem, p, q, at.r);
  }
}

}  // namespace

KeyIndex::~KeyIndex() { catalogState().pageBuffer.DropIndex(*this); }

int CompareKeyBytes(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  if (const int c = std::memcmp(a.data(), b.data(), common); c != 0) return c < 0 ? -1 : 1;
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

void CreateKeyIndex(KeyIndex& index, std::string_view path, int keyLength, bool duplicatesAllowed) {
  checkKeyLength(index, keyLength);
  buffer().DropIndex(index);
  CreateRecordFile(index.file, path, indexRecordLength(keyLength));
  index.duplicatesAllowed = duplicatesAllowed;
  index.keyLength = keyLength;
  index.file.setRootPage(0);
  index.pathDepth = 0;
}

void OpenKeyIndex(KeyIndex& index, std::string_view path, int keyLength, bool duplicatesAllowed) {
  checkKeyLength(index, keyLength);
  buffer().DropIndex(index);
  OpenRecordFile(index.file, path, indexRecordLength(keyLength));
  index.duplicatesAllowed = duplicatesAllowed;
  index.keyLength = keyLength;
  index.pathDepth = 0;
}

void CloseKeyIndex(KeyIndex& index) {
  buffer().FlushIndex(index);
  CloseRecordFile(index.file);
}

void InsertKey(KeyIndex& index, int dataRef, ShortString& key) {
  key.cut(static_cast<std::size_t>(index.keyLength));
  catalogState().OperationOk = true;
  Insertion ins{index, probeOf(key, dataRef), false, {}};
  descend(ins, index.file.rootPage(), 1);
  if (!ins.passUp) return;
  // The root split (or the index was empty): a new root one level up.
  const int rs = buffer().AllocatePage(index);
  IndexPage& root = buffer().page(rs);
  root.itemCount = 1;
  root.leftChild = index.file.rootPage();
  root.items[1] = ins.carry;
  buffer().MarkPageDirty(rs);
  index.file.setRootPage(buffer().slot(rs).pageNumber);
}

void RemoveKey(KeyIndex& index, int& dataRef, ShortString& key) {
  key.cut(static_cast<std::size_t>(index.keyLength));
  catalogState().OperationOk = true;
  Removal rem{index, probeOf(key, dataRef), dataRef, false};
  remove(rem, index.file.rootPage(), 1);
  if (!rem.underflow) return;
  const int rs = buffer().FetchPage(index, index.file.rootPage());
  if (buffer().page(rs).itemCount == 0) {
    // The root lost its last item: its only child becomes the root.
    index.file.setRootPage(buffer().page(rs).leftChild);
    buffer().ReleasePage(rs);
  }
}

void LookupKey(KeyIndex& index, int& dataRef, ShortString& key) {
  CatalogState& state = catalogState();
  key.cut(static_cast<std::size_t>(index.keyLength));
  state.OperationOk = false;
  index.pathDepth = 0;
  const Probe probe = probeOf(key, 0);
  int p = index.file.rootPage();
  while (p != 0 && !state.OperationOk) {
    checkDepth(index, p, index.pathDepth + 1);
    PathEntry& entry = index.path[++index.pathDepth];
    entry.page = static_cast<std::int16_t>(p);
    const int s = buffer().FetchPage(index, p);
    const IndexPage& page = buffer().page(s);
    const SearchResult at = searchPage(index, page, probe);
    int r = at.r;
    if (at.found) {
      dataRef = page.items[at.k].dataRef;
      r = at.k;
      state.OperationOk = true;
    }
    entry.item = static_cast<std::int16_t>(r);
    p = page.child(r);
  }
  if (state.OperationOk) return;
  while (index.pathDepth > 1 && index.path[index.pathDepth].item == 0) --index.pathDepth;
  if (index.pathDepth == 1 && index.path[1].item == 0) index.pathDepth = 0;
  if (index.duplicatesAllowed) {
    const ShortString wanted = key;
    StepKey(index, dataRef, key);
    state.OperationOk = state.OperationOk && key == wanted;
  }
}

void StepKey(KeyIndex& index, int& dataRef, ShortString& key) {
  PageBuffer& pb = buffer();
  int p = index.file.rootPage();
  if (index.pathDepth != 0) {
    const PathEntry& last = index.path[index.pathDepth];
    p = pb.page(pb.FetchPage(index, last.page)).child(last.item);
  }
  while (p != 0) {
    checkDepth(index, p, index.pathDepth + 1);
    index.path[++index.pathDepth] = PathEntry{static_cast<std::int16_t>(p), 0};
    p = pb.page(pb.FetchPage(index, p)).leftChild;
  }
  if (index.pathDepth != 0) {
    int s = pb.FetchPage(index, index.path[index.pathDepth].page);
    while (index.pathDepth > 1 && pb.page(s).itemCount == index.path[index.pathDepth].item) {
      --index.pathDepth;
      s = pb.FetchPage(index, index.path[index.pathDepth].page);
    }
    PathEntry& entry = index.path[index.pathDepth];
    const IndexPage& page = pb.page(s);
    if (page.itemCount > entry.item) {
      ++entry.item;
      const IndexItem& item = page.items[entry.item];
      dataRef = item.dataRef;
      key.assign(std::string_view(reinterpret_cast<const char*>(item.key.data()), item.keyLength));
    } else {
      index.pathDepth = 0;
    }
  }
  catalogState().OperationOk = index.pathDepth != 0;
}

void RewindKeys(KeyIndex& index) { index.pathDepth = 0; }

}  // namespace vortena::catalog
