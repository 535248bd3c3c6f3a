#pragma once
// DOS-style input/output result codes, as the suite's programs report them.
// Every host error reaches the rest of the code through dosCodeFromErrno, the
// one table that maps them.

#include <string>

namespace vortena {

namespace DosCode {
inline constexpr int kOk = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInvalidHandle = 6;
inline constexpr int kSharingViolation = 32;
inline constexpr int kFileExists = 80;
inline constexpr int kInvalidParameter = 87;
inline constexpr int kDiskFull = 112;
inline constexpr int kNameTooLong = 206;
inline constexpr int kReadPastEnd = 100;
inline constexpr int kShortWrite = 101;
inline constexpr int kFileNotOpen = 103;
inline constexpr int kDeviceFault = 31;
}  // namespace DosCode

// Maps a host errno value to its DOS-style code (kDeviceFault for the rest).
int dosCodeFromErrno(int error);

// The cause, in Slovak, as a user of the suite reads it ("Súbor sa nenašiel").
// UTF-8; the forms layer converts it for display.
std::string dosErrorCause(int code);

}  // namespace vortena
