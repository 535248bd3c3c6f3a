#include "catalog/index_check.h"

#include <string>
#include <vector>

#include "catalog/catalog_state.h"

namespace vortena::catalog {

namespace {

struct Walk {
  explicit Walk(KeyIndex& i) : index(i) {}
  KeyIndex& index;
  std::vector<char> seen;
  long entries = 0;
  int leafDepth = -1;
  bool havePrevious = false;
  std::string previousKey;
  int previousRef = 0;
  std::string fault;
};

std::string keyText(const IndexItem& item) {
  return std::string(reinterpret_cast<const char*>(item.key.data()), item.keyLength);
}

bool visitEntry(Walk& w, const IndexItem& item, int page) {
  const std::string key = keyText(item);
  if (w.havePrevious) {
    const int c = CompareKeyBytes(w.previousKey, key);
    const bool ordered = c < 0 || (c == 0 && w.index.duplicatesAllowed && w.previousRef < item.dataRef);
    if (!ordered) {
      w.fault = "page " + std::to_string(page) + ": entry out of order";
      return false;
    }
  }
  w.havePrevious = true;
  w.previousKey = key;
  w.previousRef = item.dataRef;
  ++w.entries;
  return true;
}

bool visit(Walk& w, int p, int depth, bool isRoot) {
  if (depth > kMaxDepth) {
    w.fault = "tree deeper than " + std::to_string(kMaxDepth) + " levels";
    return false;
  }
  if (p <= 0 || p >= w.index.file.recordCount()) {
    w.fault = "page number " + std::to_string(p) + " outside the file";
    return false;
  }
  if (w.seen[static_cast<std::size_t>(p)]) {
    w.fault = "page " + std::to_string(p) + " reached twice";
    return false;
  }
  w.seen[static_cast<std::size_t>(p)] = 1;
  IndexPage page;
  catalogState().pageBuffer.PeekPage(w.index, p, page);
  const int count = page.itemCount;
  if (count > kMaxItems || count < (isRoot ? 1 : kMinItems)) {
    w.fault = "page " + std::to_string(p) + " holds " + std::to_string(count) + " items";
    return false;
  }
  const bool leaf = page.leftChild == 0;
  for (int i = 1; i <= count; ++i) {
    if ((page.items[i].childPage == 0) != leaf) {
      w.fault = "page " + std::to_string(p) + " mixes leaf and inner items";
      return false;
    }
  }
  if (leaf) {
    if (w.leafDepth < 0) w.leafDepth = depth;
    if (w.leafDepth != depth) {
      w.fault = "leaf " + std::to_string(p) + " at another depth";
      return false;
    }
    for (int i = 1; i <= count; ++i)
      if (!visitEntry(w, page.items[i], p)) return false;
    return true;
  }
  if (!visit(w, page.leftChild, depth + 1, false)) return false;
  for (int i = 1; i <= count; ++i) {
    if (!visitEntry(w, page.items[i], p)) return false;
    if (!visit(w, page.items[i].childPage, depth + 1, false)) return false;
  }
  return true;
}

}  // namespace

std::string checkKeyIndex(KeyIndex& index, long* entries) {
  RecordFile& file = index.file;
  Walk w{index};
  w.seen.assign(static_cast<std::size_t>(std::max<int>(file.recordCount(), 1)), 0);
  int pages = 0;
  if (file.rootPage() != 0 && !visit(w, file.rootPage(), 1, true)) return w.fault;
  for (char s : w.seen) pages += s;

  int free = 0;
  std::vector<std::uint8_t> record(static_cast<std::size_t>(file.recordLength()));
  for (int n = file.firstFree(); n != kNoRecord; ++free) {
    if (n <= 0 || n >= file.recordCount()) return "free chain leaves the file at " + std::to_string(n);
    if (w.seen[static_cast<std::size_t>(n)]) return "record " + std::to_string(n) + " both free and in use";
    if (free >= file.recordCount()) return "free chain has a cycle";
    w.seen[static_cast<std::size_t>(n)] = 1;
    ReadRecord(file, n, record.data());
    n = getLe16(record.data());
  }
  if (free != file.freeCount())
    return "free chain holds " + std::to_string(free) + " records, freeCount says " + std::to_string(file.freeCount());
  if (pages + free != file.recordCount() - 1)
    return std::to_string(file.recordCount() - 1 - pages - free) + " records neither pages nor free";
  if (entries) *entries = w.entries;
  return {};
}

}  // namespace vortena::catalog
