#pragma once
// The input/output stops: when a checked step has taken a nonzero code into
// LastIoCode, the stop writes the journal (journal.h), shows the console
// notice and ends the process at once, without closing any file of the
// library, so no header record and no buffered page reaches the disk.
//
// The process ends with a nonzero exit code so that the caller sees the
// failure: the input/output code itself when it lies in 1 to 255, else
// kFallbackExitCode.
//
// Codes for damaged files. Each is reported like a host failure, naming the
// file and the record (page) in which the damage was found:
//   CODE  MEANING
//   150   a page's item count above 32
//   151   an item's key length above the index's key length
//   152   a page or child number negative, or a child number beyond the file
//   153   a tree deeper than 5 levels (also what a cycle in the tree gives)
//   154   a free chain link outside the file, or a chain longer than freeCount
//   155   a 16-bit counter would overflow (more than 32767 records or free records)
//   156   a record number negative or zero where a data record is expected,
//         or outside the file where a record is freed
//   157   a price with VAT too large for the six-byte real
//   158   an unexpected internal failure (such as memory exhausted)

#include <cstdint>

namespace vortena::catalog {

class RecordFile;

namespace DamageCode {
inline constexpr int kItemCount = 150;
inline constexpr int kKeyLength = 151;
inline constexpr int kPageNumber = 152;
inline constexpr int kTreeDepth = 153;
inline constexpr int kFreeChain = 154;
inline constexpr int kCounterOverflow = 155;
inline constexpr int kRecordNumber = 156;
inline constexpr int kPriceOverflow = 157;
inline constexpr int kInternal = 158;
}  // namespace DamageCode

inline constexpr int kFallbackExitCode = 255;

// The exit code of a stop for an input/output code.
int stopExitCode(int ioCode);

// Return at once when LastIoCode is 0; otherwise never return.
void StopOnFileError(const RecordFile& file);
void StopOnRecordError(const RecordFile& file, int n);

// Stops for damage found in the file at record n: the code becomes pending,
// is taken and StopOnRecordError runs. Never returns.
[[noreturn]] void stopOnDamage(const RecordFile& file, int n, int code);

}  // namespace vortena::catalog
