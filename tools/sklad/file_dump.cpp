#include "tools/sklad/file_dump.h"

#include <vector>

#include "platform/dos_error.h"
#include "tools/sklad/index_walk.h"
#include "tools/sklad/record_reader.h"

namespace vortena::sklad {

int dumpFile(std::string_view dosPath, int recordLength, int keyLength, std::ostream& out, std::ostream& err) {
  if (keyLength != 0) recordLength = indexRecordLength(keyLength);
  RecordReader file;
  if (const int code = file.open(dosPath, recordLength)) {
    err << dosPath << ": " << dosErrorCause(code) << " (code " << code << ")\n";
    return 1;
  }
  out << "file " << dosPath << ": " << file.fileSize() << " bytes, " << file.recordCount() << " records of "
      << recordLength << " bytes";
  if (file.hasPartialRecord()) out << " and a partial record";
  out << '\n';
  if (file.recordCount() < 1) return 0;
  out << "header: firstFree " << file.firstFree() << ", freeCount " << file.freeCount() << ", rootPage "
      << file.rootPage() << ", savedCount " << file.savedCount() << '\n';

  std::vector<std::string> problems;
  const std::vector<int> chain = walkFreeChain(file, problems);
  std::vector<bool> free(static_cast<std::size_t>(file.recordCount()), false);
  out << "free chain:";
  if (chain.empty()) out << " empty";
  for (const int n : chain) {
    out << ' ' << n;
    free[static_cast<std::size_t>(n)] = true;
  }
  out << '\n';
  for (const std::string& p : problems) out << "  ! " << p << '\n';
  if (keyLength == 0) return 0;

  for (int n = 1; n < file.recordCount(); ++n) {
    if (free[static_cast<std::size_t>(n)]) {
      out << "record " << n << ": free, next " << getLe16(file.record(n)) << '\n';
      continue;
    }
    const DecodedPage page = decodePage(file.record(n), keyLength);
    out << "page " << n << ": " << page.storedItemCount << " items, leftChild " << page.leftChild;
    if (page.storedItemCount > kMaxItems) out << " ! more than 32, showing 32";
    out << '\n';
    int i = 1;
    for (const PageItem& item : page.items) {
      out << "  " << i++ << ": dataRef " << item.dataRef << ", child " << item.childPage << ", key \""
          << displayText(item.key) << '"';
      if (item.storedKeyLength > keyLength) out << " ! stored length " << item.storedKeyLength << " above " << keyLength;
      out << '\n';
    }
  }
  return 0;
}

}  // namespace vortena::sklad
