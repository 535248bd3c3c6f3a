#pragma once
// `sklad dump FILE --record-length L | --key-length K`: the header, the
// free chain and, for an index, every record as a page with its items (free
// records are shown as such). Read-only; damaged values are shown as stored
// and flagged.

#include <ostream>
#include <string_view>

namespace vortena::sklad {

// keyLength 0: a data file of recordLength bytes. Returns 0, or 1 when the
// file cannot be read (the cause on err).
int dumpFile(std::string_view dosPath, int recordLength, int keyLength, std::ostream& out, std::ostream& err);

}  // namespace vortena::sklad
