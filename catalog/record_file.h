#pragma once
// Record files: fixed-length records addressed by number, record 0 a header,
// freed records on a chain that new records reuse. Data files and index
// files share this layout; the suite's DOS modules read and write the same
// files, so it binds byte for byte.
//
// A file of record length L (at least 8) is records of L bytes, record n at
// byte n * L, nothing before record 0 and nothing after the last record.
//
// Record 0 (16-bit signed words, little-endian):
//   OFFSET  SIZE   MEANING
//   0       2      firstFree: most recently freed record, -1 (FF FF) if none
//   2       2      freeCount: records on the free chain
//   4       2      rootPage: root page of an index file, 0 if empty; 0 in data
//   6       2      savedCount: record count (header included) at the last close
//   8       L - 8  not significant
//
// A free record holds the number of the next free record in bytes 0-1 (-1
// ends the chain); its other bytes are not significant. The header words live
// in memory between open and close; record 0 is rewritten only at the close.
//
// No operation returns an error. A failed step leaves its code pending; the
// step that checks takes it (TakeIoCode) and a nonzero code ends the process
// through the journal (io_stop.h). Missing files at open and code 241 at
// create are reported in OperationOk instead.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dos_file.h"

namespace vortena::catalog {

inline constexpr std::size_t kMaxPathLength = 80;
inline constexpr int kMinRecordLength = 8;
inline constexpr int kMaxRecordNumber = 32767;  // record numbers are 16-bit signed
inline constexpr std::int16_t kNoRecord = -1;   // end of the free chain
inline constexpr int kHeaderSize = 8;

class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  bool isOpen() const { return m_file.isOpen(); }
  const std::string& path() const { return m_path; }
  int recordLength() const { return m_recordLength; }

  std::int16_t firstFree() const { return m_firstFree; }
  std::int16_t freeCount() const { return m_freeCount; }
  std::int16_t rootPage() const { return m_rootPage; }
  std::int16_t savedCount() const { return m_savedCount; }
  // Records in the file including the header and any allocated since the
  // open; taken from the file length at open.
  std::int16_t recordCount() const { return m_recordCount; }

  void setRootPage(std::int16_t page) { m_rootPage = page; }

 private:
  friend struct RecordFileAccess;

  DosFile m_file;
  std::string m_path;
  int m_recordLength = 0;
  std::int16_t m_firstFree = kNoRecord;
  std::int16_t m_freeCount = 0;
  std::int16_t m_rootPage = 0;
  std::int16_t m_savedCount = 0;
  std::int16_t m_recordCount = 0;

  // Copies of records as they are on disk, filled by reads and writes, so a
  // record read again costs no system call. Writes still go to the file at
  // once; the cache never changes what reaches the disk or when. Emptied at
  // every open, create and close.
  std::vector<std::uint8_t> m_cache;
  std::vector<std::uint8_t> m_cached;  // per record: 1 when m_cache holds it
};

// Creates the file (an existing one is emptied) with a fresh header. Sets
// OperationOk: false only when the create fails with code 241.
void CreateRecordFile(RecordFile& file, std::string_view path, int recordLength);
// Opens an existing file and loads its header. Sets OperationOk: false when
// the file does not exist, or when a code was pending (the access notice).
void OpenRecordFile(RecordFile& file, std::string_view path, int recordLength);
// Writes the header back and closes.
void CloseRecordFile(RecordFile& file);

// Transfer exactly one record of recordLength() bytes.
void ReadRecord(RecordFile& file, int n, void* buffer);
void WriteRecord(RecordFile& file, int n, const void* buffer);

// A number for a new record: the head of the free chain, else the end.
int AllocateRecord(RecordFile& file);
int InsertRecord(RecordFile& file, const void* buffer);
// Pushes record n on the free chain.
void FreeRecord(RecordFile& file, int n);

// Byte order of the suite's files.
inline std::int16_t getLe16(const std::uint8_t* p) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}
inline void putLe16(std::uint8_t* p, std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace vortena::catalog
