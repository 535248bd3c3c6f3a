#include "tools/sklad/index_walk.h"

#include <cstdio>
#include <optional>

#include "common/code_page.h"

namespace vortena::sklad {

namespace {

std::string str(const char* format, long a = 0, long b = 0, long c = 0) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

enum class Mark : std::uint8_t { None, Free, Page };

class TreeWalk {
 public:
  TreeWalk(const RecordReader& file, int keyLength, std::vector<Mark>& marks, IndexReport& report)
      : m_file(file), m_keyLength(keyLength), m_marks(marks), m_report(report) {}

  void walk(int page, int depth, const std::optional<std::string>& low, const std::optional<std::string>& high) {
    auto& problems = m_report.problems;
    if (depth > kMaxDepth) {
      problems.push_back(str("page %ld: the tree is deeper than %ld levels", page, kMaxDepth));
      return;
    }
    const std::uint8_t* record = page >= 1 ? m_file.record(page) : nullptr;
    if (!record) {
      problems.push_back(str("page number %ld lies outside the file (pages 1 to %ld)", page, m_file.recordCount() - 1));
      return;
    }
    Mark& mark = m_marks[static_cast<std::size_t>(page)];
    if (mark == Mark::Page) {
      problems.push_back(str("page %ld is reached twice", page));
      return;
    }
    if (mark == Mark::Free) problems.push_back(str("page %ld is in the tree and on the free chain", page));
    mark = Mark::Page;

    const DecodedPage p = decodePage(record, m_keyLength);
    const int count = static_cast<int>(p.items.size());
    const bool root = depth == 1;
    if (p.storedItemCount > kMaxItems)
      problems.push_back(str("page %ld: item count %ld is above 32", page, p.storedItemCount));
    else if (root && count < 1)
      problems.push_back(str("page %ld: the root holds no item", page));
    else if (!root && count < kMinItems)
      problems.push_back(str("page %ld: %ld items, a page other than the root needs 16 to 32", page, count));
    for (int i = 0; i < count; ++i)
      if (p.items[static_cast<std::size_t>(i)].storedKeyLength > m_keyLength)
        problems.push_back(str("page %ld item %ld: key length %ld is above the index's", page, i + 1,
                               p.items[static_cast<std::size_t>(i)].storedKeyLength));

    const bool leaf = p.leftChild == 0;
    if (leaf) {
      if (!m_leafDepth) m_leafDepth = depth;
      else if (*m_leafDepth != depth)
        problems.push_back(str("page %ld: a leaf at depth %ld, other leaves at depth %ld", page, depth, *m_leafDepth));
    }
    // Separators: item i's key must lie above the previous one (or the low
    // bound) and below the next (or the high bound).
    const std::string* previous = low ? &*low : nullptr;
    for (int i = 0; i <= count; ++i) {
      const std::string* upper = i < count ? &p.items[static_cast<std::size_t>(i)].key : (high ? &*high : nullptr);
      const std::int16_t child = i == 0 ? p.leftChild : p.items[static_cast<std::size_t>(i - 1)].childPage;
      if (i > 0) {
        if (!leaf && child == 0) problems.push_back(str("page %ld item %ld: no child page in an inner page", page, i));
        if (leaf && child != 0) problems.push_back(str("page %ld item %ld: a child page in a leaf", page, i));
      }
      if (child != 0 && !leaf) {
        walk(child, depth + 1, previous ? std::optional<std::string>(*previous) : std::nullopt,
             upper ? std::optional<std::string>(*upper) : std::nullopt);
      }
      if (i < count) {
        const PageItem& item = p.items[static_cast<std::size_t>(i)];
        if (previous && compareKeys(*previous, item.key) >= 0)
          problems.push_back(str("page %ld item %ld: key ", page, i + 1) + "\"" + displayText(item.key) +
                             "\" is not above the key before it");
        if (high && compareKeys(item.key, *high) >= 0)
          problems.push_back(str("page %ld item %ld: key ", page, i + 1) + "\"" + displayText(item.key) +
                             "\" is not below its parent's separator");
        m_report.entries.push_back({item.key, item.dataRef});
        previous = &item.key;
      }
    }
  }

 private:
  const RecordReader& m_file;
  int m_keyLength;
  std::vector<Mark>& m_marks;
  IndexReport& m_report;
  std::optional<int> m_leafDepth;
};

}  // namespace

DecodedPage decodePage(const std::uint8_t* record, int keyLength) {
  DecodedPage page;
  page.storedItemCount = record[0];
  page.leftChild = getLe16(record + 1);
  const int count = page.storedItemCount > kMaxItems ? kMaxItems : page.storedItemCount;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* at = record + 3 + i * (keyLength + 5);
    PageItem item;
    item.dataRef = getLe16(at);
    item.childPage = getLe16(at + 2);
    item.storedKeyLength = at[4];
    const int length = item.storedKeyLength > keyLength ? keyLength : item.storedKeyLength;
    item.key.assign(reinterpret_cast<const char*>(at + 5), static_cast<std::size_t>(length));
    page.items.push_back(std::move(item));
  }
  return page;
}

int compareKeys(const std::string& a, const std::string& b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<int> walkFreeChain(const RecordReader& file, std::vector<std::string>& problems) {
  std::vector<int> chain;
  std::vector<bool> seen(static_cast<std::size_t>(file.recordCount() > 0 ? file.recordCount() : 0), false);
  int n = file.firstFree();
  while (n != -1) {
    const std::uint8_t* record = n >= 1 ? file.record(n) : nullptr;
    if (!record) {
      problems.push_back(str("free chain: link to record %ld outside the file (records 1 to %ld)", n,
                             file.recordCount() - 1));
      break;
    }
    if (seen[static_cast<std::size_t>(n)]) {
      problems.push_back(str("free chain: record %ld is reached twice (a loop)", n));
      break;
    }
    seen[static_cast<std::size_t>(n)] = true;
    chain.push_back(n);
    n = getLe16(record);
  }
  if (static_cast<long>(chain.size()) != file.freeCount())
    problems.push_back(str("free chain: %ld records on the chain, the header counts %ld",
                           static_cast<long>(chain.size()), file.freeCount()));
  return chain;
}

void checkRecordFile(const RecordReader& file, std::vector<std::string>& problems) {
  if (file.recordCount() < 1) {
    problems.push_back(str("shorter than its header (%ld bytes)", static_cast<long>(file.fileSize())));
    return;
  }
  if (file.hasPartialRecord())
    problems.push_back(str("length %ld is not a whole number of %ld-byte records", static_cast<long>(file.fileSize()),
                           file.recordLength()));
  if (file.savedCount() != file.recordCount())
    problems.push_back(str("the header's record count is %ld but the file holds %ld records (not closed after its "
                           "last change?)",
                           file.savedCount(), file.recordCount()));
}

IndexReport inspectIndex(const RecordReader& file, int keyLength) {
  IndexReport report;
  checkRecordFile(file, report.problems);
  if (file.recordCount() < 1) return report;
  std::vector<Mark> marks(static_cast<std::size_t>(file.recordCount()), Mark::None);
  for (const int n : walkFreeChain(file, report.problems)) marks[static_cast<std::size_t>(n)] = Mark::Free;
  if (file.rootPage() != 0) {
    TreeWalk walk(file, keyLength, marks, report);
    walk.walk(file.rootPage(), 1, std::nullopt, std::nullopt);
  }
  for (int n = 1; n < file.recordCount(); ++n)
    if (marks[static_cast<std::size_t>(n)] == Mark::None)
      report.problems.push_back(str("page %ld is neither in the tree nor on the free chain", n));
  return report;
}

std::string displayText(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
      out += escaped;
    } else {
      out += bytesToUtf8(CodePage::Dos852, std::string_view(&c, 1));
    }
  }
  return out;
}

}  // namespace vortena::sklad
