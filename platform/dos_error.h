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

// Maps a Windows error (GetLastError) to its DOS-style code. Windows kept
// the DOS numbers, so a code passes through unless it is one of the newer
// aliases of a DOS code (183 already exists is 80, 39 disk full is 112, ...).
// Available on every host so that the table can be tested anywhere.
int dosCodeFromWin32Error(unsigned long error);

// The cause, in Slovak, as a user of the suite reads it ("Súbor sa nenašiel").
// UTF-8; the forms layer converts it for display.
std::string dosErrorCause(int code);

}  // namespace vortena
