#include "catalog/io_stop.h"

#include <string>

#include "catalog/catalog_state.h"
#include "catalog/console.h"
#include "catalog/journal.h"
#include "catalog/record_file.h"

namespace vortena::catalog {

namespace {

std::string upperMessage(int code) { return "!!! VSTUPNO/VYSTUPNA CHYBA " + std::to_string(code) + " !!!"; }

// The path up to and including the third character after its first dot
// (the whole path when it has none): the file name with its extension.
std::string_view journalPath(std::string_view path) {
  const auto dot = path.find('.');
  if (dot == std::string_view::npos || dot + 4 >= path.size()) return path.substr(0, kMaxPathLength);
  return path.substr(0, std::min(dot + 4, kMaxPathLength));
}

}  // namespace

int stopExitCode(int ioCode) { return ioCode >= 1 && ioCode <= 255 ? ioCode : kFallbackExitCode; }

void StopOnFileError(const RecordFile&) {
  const int c = catalogState().LastIoCode;
  if (c == 0) return;
  JournalWrite("CH !!! POZOR !!!   ");
  JournalWrite("CH " + upperMessage(c));
  ConsoleNotice(c, upperMessage(c));
  JournalWrite("CH Zaznam 0");
  JournalWrite("CH Program preruseny");
  ConsoleNotice(c, "Program je preruseny!");
  endProcess(stopExitCode(c));
}

void StopOnRecordError(const RecordFile& file, int n) {
  const int c = catalogState().LastIoCode;
  if (c == 0) return;
  JournalWrite("CH !!! POZOR !!!   ");
  std::string pathLine = "CH ";
  pathLine.append(journalPath(file.path()));
  JournalWrite(pathLine);
  JournalWrite("CH !!! VSTUPNO/VYSTUPNA chyba " + std::to_string(c) + " !!!");
  ConsoleNotice(c, upperMessage(c));
  JournalWrite("CH Zaznam " + std::to_string(n));
  JournalWrite("CH Program preruseny");
  ConsoleNotice(c, "Program je preruseny!");
  endProcess(stopExitCode(c));
}

void stopOnDamage(const RecordFile& file, int n, int code) {
  noteIoCode(code);
  TakeIoCode();
  StopOnRecordError(file, n);
  endProcess(stopExitCode(code));  // not reached: the code is nonzero
}

}  // namespace vortena::catalog
