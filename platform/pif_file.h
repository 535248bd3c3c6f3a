#pragma once
// The DOS section of a program-information file (.PIF), as far as starting
// the program needs it. Text fields are DOS 852 bytes, padded with NUL or
// spaces; a field ends at its first NUL.
//
//   OFFSET  SIZE  MEANING
//   0x00    1     reserved
//   0x01    1     checksum (not checked: editors disagree on it)
//   0x02    30    window title
//   0x20    2     maximum memory in KiB
//   0x22    2     minimum memory in KiB
//   0x24    63    program file name ("C:\DOVODO\VYSTAVA.EXE")
//   0x63    2     flags
//   0x65    64    startup folder ("C:\DOVODO")
//   0xA5    64    program parameters
//   0xE5          end of the part read here (the full section is 0x171)

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vortena {

inline constexpr std::size_t kPifProgramOffset = 0x24;
inline constexpr std::size_t kPifProgramSize = 63;
inline constexpr std::size_t kPifFolderOffset = 0x65;
inline constexpr std::size_t kPifFolderSize = 64;
inline constexpr std::size_t kPifParametersOffset = 0xA5;
inline constexpr std::size_t kPifParametersSize = 64;
inline constexpr std::size_t kPifMinimumSize = kPifParametersOffset + kPifParametersSize;  // 0xE5

struct PifProgram {
  std::string program;     // never empty
  std::string folder;      // may be empty
  std::string parameters;  // may be empty
};

// Empty for a file shorter than kPifMinimumSize, without a program name, or
// with a control character inside a field (a damaged file). Fields are
// trimmed of spaces at both ends.
std::optional<PifProgram> decodePif(std::string_view bytes);

// Reads the first kPifMinimumSize bytes of the host file and decodes them.
std::optional<PifProgram> readPifFile(const std::filesystem::path& hostFile);

}  // namespace vortena
