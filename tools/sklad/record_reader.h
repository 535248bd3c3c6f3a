#pragma once
// A read-only view of one record file for the operator tool: the whole file
// is read once at open and every record access is checked against its
// length, so a damaged or cut file can be examined without any risk of a
// write. (The engine's own open rewrites the header at close, which is why
// the tool never uses it for looking.)
//
// Record 0 (16-bit signed words, little-endian):
//   OFFSET  SIZE   MEANING
//   0       2      firstFree: most recently freed record, -1 if none
//   2       2      freeCount: records on the free chain
//   4       2      rootPage: root page of an index file, 0 if empty
//   6       2      savedCount: record count (header included) at the last close
// A free record holds the next free record's number in bytes 0-1.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vortena::sklad {

std::int16_t getLe16(const std::uint8_t* p);

class RecordReader {
 public:
  RecordReader() = default;
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // 0, or the host's code (2 missing, 3 missing folder, 5 refused, ...).
  [[nodiscard]] int open(std::string_view dosPath, int recordLength);

  const std::string& path() const { return m_path; }
  int recordLength() const { return m_recordLength; }
  std::size_t fileSize() const { return m_bytes.size(); }
  // Whole records in the file, header included.
  int recordCount() const { return m_recordCount; }
  bool hasPartialRecord() const { return m_bytes.size() % static_cast<std::size_t>(m_recordLength) != 0; }

  // Header words; 0 when the file has no complete record 0.
  std::int16_t firstFree() const { return word(0); }
  std::int16_t freeCount() const { return word(2); }
  std::int16_t rootPage() const { return word(4); }
  std::int16_t savedCount() const { return word(6); }

  // Record n's bytes, or nullptr when n is not a whole record of the file.
  const std::uint8_t* record(long n) const;

 private:
  std::int16_t word(int offset) const;

  std::string m_path;
  int m_recordLength = 0;
  int m_recordCount = 0;
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace vortena::sklad
