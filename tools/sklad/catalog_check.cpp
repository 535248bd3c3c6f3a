#include "tools/sklad/catalog_check.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/dos_error.h"
#include "platform/dos_file.h"
#include "tools/sklad/catalog_files.h"
#include "tools/sklad/field_text.h"
#include "tools/sklad/index_walk.h"
#include "tools/sklad/record_reader.h"

namespace vortena::sklad {

namespace {

// The key an index entry must carry for data record n; empty function when
// the tool does not know how the key is formed.
using ExpectedKey = std::function<std::string(const std::uint8_t* record)>;

struct IndexSpec {
  IndexFile file;
  ExpectedKey expectedKey;
};

class Checker {
 public:
  explicit Checker(std::ostream& out) : m_out(out) {}

  void problem(std::string_view path, const std::string& text) {
    m_out << path << ": " << text << '\n';
    ++m_problems;
  }
  int problems() const { return m_problems; }

  // One data file and its indexes; all missing is a catalogue not set up yet.
  void catalogue(const char* name, std::string_view dataPath, int recordLength, const std::vector<IndexSpec>& indexes) {
    const int before = m_problems;
    bool any = fileExists(dataPath);
    for (const IndexSpec& index : indexes) any = any || fileExists(index.file.path);
    if (!any) {
      m_out << name << ": not present\n";
      return;
    }
    RecordReader data;
    if (const int code = data.open(dataPath, recordLength)) {
      cannotRead(dataPath, code);
      for (const IndexSpec& index : indexes) checkIndexAlone(index.file);
      return;
    }
    std::vector<std::string> problems;
    checkRecordFile(data, problems);
    std::vector<bool> free(static_cast<std::size_t>(data.recordCount() > 0 ? data.recordCount() : 0), false);
    if (data.recordCount() >= 1)
      for (const int n : walkFreeChain(data, problems)) free[static_cast<std::size_t>(n)] = true;
    for (const std::string& p : problems) problem(dataPath, p);

    for (const IndexSpec& index : indexes) {
      RecordReader file;
      if (const int code = file.open(index.file.path, indexRecordLength(index.file.keyLength))) {
        cannotRead(index.file.path, code);
        continue;
      }
      const IndexReport report = inspectIndex(file, index.file.keyLength);
      for (const std::string& p : report.problems) problem(index.file.path, p);
      crossCheck(data, free, index, report.entries);
    }
    if (m_problems == before) m_out << name << ": ok, " << (data.recordCount() - 1 - countTrue(free)) << " records\n";
  }

 private:
  static long countTrue(const std::vector<bool>& v) {
    long n = 0;
    for (std::size_t i = 1; i < v.size(); ++i) n += v[i] ? 1 : 0;
    return n;
  }

  void cannotRead(std::string_view path, int code) {
    problem(path, "cannot be read: " + dosErrorCause(code) + " (code " + std::to_string(code) + ")");
  }

  void checkIndexAlone(const IndexFile& index) {
    RecordReader file;
    if (const int code = file.open(index.path, indexRecordLength(index.keyLength))) {
      cannotRead(index.path, code);
      return;
    }
    for (const std::string& p : inspectIndex(file, index.keyLength).problems) problem(index.path, p);
  }

  void crossCheck(const RecordReader& data, const std::vector<bool>& free, const IndexSpec& index,
                  const std::vector<IndexEntry>& entries) {
    const std::string_view path = index.file.path;
    std::vector<int> uses(free.size(), 0);
    for (const IndexEntry& e : entries) {
      const std::string where = "entry \"" + displayText(e.key) + "\" -> record " + std::to_string(e.dataRef);
      if (e.dataRef < 1 || e.dataRef >= data.recordCount()) {
        problem(path, where + ": no such record in " + std::string(data.path()));
        continue;
      }
      if (free[static_cast<std::size_t>(e.dataRef)]) {
        problem(path, where + ": the record is on the free chain");
        continue;
      }
      ++uses[static_cast<std::size_t>(e.dataRef)];
      if (index.expectedKey) {
        const std::string expected = index.expectedKey(data.record(e.dataRef));
        if (expected != e.key) problem(path, where + ": the record's key is \"" + displayText(expected) + "\"");
      }
    }
    for (std::size_t n = 1; n < uses.size(); ++n) {
      if (free[n]) continue;
      if (uses[n] == 0) problem(path, "record " + std::to_string(n) + " of " + data.path() + " has no entry");
      if (uses[n] > 1)
        problem(path, "record " + std::to_string(n) + " of " + data.path() + " has " + std::to_string(uses[n]) +
                          " entries");
    }
  }

  std::ostream& m_out;
  int m_problems = 0;
};

std::string warehouseNumberKey(const std::uint8_t* record) { return prefixedField(record, 0, kNumberWidth); }

std::string warehouseNameKey(const std::uint8_t* record) {
  std::string key = prefixedField(record, kNameOffset, kNameWidth) + prefixedField(record, 0, kNumberWidth);
  if (key.size() > static_cast<std::size_t>(kWarehouseNames.keyLength)) key.resize(kWarehouseNames.keyLength);
  return key;
}

}  // namespace

int checkCatalogues(std::ostream& out) {
  Checker checker(out);
  checker.catalogue("warehouse catalogue", kWarehouseData, kWarehouseRecordLength,
                    {{kWarehouseNumbers, warehouseNumberKey}, {kWarehouseNames, warehouseNameKey}});
  // The goods files belong to the goods module; how it forms their keys is
  // its own affair, so only the structure and the entries are checked.
  checker.catalogue("goods catalogue", kGoodsData, kGoodsRecordLength, {{kGoodsIndex, nullptr}});
  checker.catalogue("second goods file", kWinGoodsData, kWinGoodsRecordLength, {{kWinGoodsIndex, nullptr}});
  if (checker.problems() == 0) out << "sklad check: no problems\n";
  else out << "sklad check: " << checker.problems() << " problem(s)\n";
  return checker.problems();
}

}  // namespace vortena::sklad
