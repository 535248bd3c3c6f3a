#pragma once
// The warehouse import from C:\DOVODO\OVLACC\VstupSklady.DAT: lines in
// pairs, the number (first 2 characters used) and the name (first 20),
// lines ended by CR LF or LF, a Ctrl-Z ends the text. Names are stored
// filled with spaces to 20 and with a to z raised. The file is deleted once
// read; a missing or empty file imports nothing.

#include <string_view>

namespace vortena::catalog {

inline constexpr std::string_view kWarehouseImportPath = "C:\\DOVODO\\OVLACC\\VstupSklady.DAT";

void PridajSkladyZTextovehoSuboru();

}  // namespace vortena::catalog
