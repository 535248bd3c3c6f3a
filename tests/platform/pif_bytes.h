#pragma once
// Program-information files for tests: the DOS section with the given
// fields, NUL-padded, at the usual full size unless told otherwise.

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/pif_file.h"

namespace vortena::testing {

inline std::string pifBytes(std::string_view program, std::string_view folder, std::string_view parameters,
                            std::size_t size = 0x171) {
  std::string bytes(std::max<std::size_t>(size, kPifMinimumSize), '\0');
  bytes.replace(0x02, 30, std::string(30, ' '));
  bytes.replace(0x02, 4, "TEST");
  bytes.replace(kPifProgramOffset, std::min(program.size(), kPifProgramSize), program.substr(0, kPifProgramSize));
  bytes.replace(kPifFolderOffset, std::min(folder.size(), kPifFolderSize), folder.substr(0, kPifFolderSize));
  bytes.replace(kPifParametersOffset, std::min(parameters.size(), kPifParametersSize),
                parameters.substr(0, kPifParametersSize));
  bytes.resize(size);
  return bytes;
}

}  // namespace vortena::testing
