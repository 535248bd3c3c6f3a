#include "catalog/warehouse_import.h"

#include <string>

#include "catalog/catalog_state.h"
#include "catalog/warehouse_catalog.h"
#include "common/text.h"
#include "platform/dos_file.h"

namespace vortena::catalog {

namespace {

// The import text: lines ended by LF (a CR before it, or anywhere in a line,
// ends the field), a Ctrl-Z ends the text.
class ImportText {
 public:
  explicit ImportText(std::string text) : m_text(std::move(text)) {
    if (const auto eof = m_text.find('\x1A'); eof != std::string::npos) m_text.resize(eof);
  }
  bool atEnd() const { return m_next >= m_text.size(); }
  // Up to maxLength characters of the next line; empty beyond the end.
  std::string_view readLine(std::size_t maxLength) {
    const std::size_t begin = m_next;
    std::size_t i = begin;
    while (i < m_text.size() && m_text[i] != '\r' && m_text[i] != '\n') ++i;
    const std::string_view field = std::string_view(m_text).substr(begin, std::min(i - begin, maxLength));
    while (i < m_text.size() && m_text[i] != '\n') ++i;
    m_next = i < m_text.size() ? i + 1 : m_text.size();
    return field;
  }

 private:
  std::string m_text;
  std::size_t m_next = 0;
};

}  // namespace

void PridajSkladyZTextovehoSuboru() {
  OpenWarehouseFiles();

  // The existence test takes its own result: a missing input file is the
  // usual case and leaves nothing pending. Later steps on the file are not
  // checked here; their codes wait for the next check of the catalogue.
  DosFile input;
  std::uint64_t size = 0;
  bool present = input.open(kWarehouseImportPath, FileMode::ReadOnly) == 0;
  if (present) {
    noteIoCode(input.size(size));
    if (size == 0) {
      noteIoCode(input.close());
      present = false;
    }
  }
  if (present) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t got = 0;
    noteIoCode(input.readSomeAt(0, bytes.data(), bytes.size(), got));
    bytes.resize(got);
    ImportText text(std::move(bytes));
    while (!text.atEnd()) {
      const std::string number(text.readLine(kWarehouseNumberLength));
      const std::string name = UpperCaseText(PadRightSpaces(text.readLine(kWarehouseNameLength), kWarehouseNameLength));
      StoreWarehouse(number, name);
    }
    noteIoCode(input.close());
    noteIoCode(deleteFile(kWarehouseImportPath));
  }

  CloseWarehouseFiles();
}

}  // namespace vortena::catalog
