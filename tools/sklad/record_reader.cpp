#include "tools/sklad/record_reader.h"

#include <limits>

#include "platform/dos_error.h"
#include "platform/dos_file.h"

namespace vortena::sklad {

std::int16_t getLe16(const std::uint8_t* p) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

int RecordReader::open(std::string_view dosPath, int recordLength) {
  m_path = std::string(dosPath);
  m_recordLength = recordLength < 8 ? 8 : recordLength;
  m_recordCount = 0;
  m_bytes.clear();
  DosFile file;
  if (const int code = file.open(dosPath, FileMode::ReadOnly)) return code;
  std::uint64_t size = 0;
  if (const int code = file.size(size)) return code;
  // A record file holds at most 32768 records of at most a few KB; anything
  // far larger is not one of the suite's files.
  if (size > std::uint64_t{1} << 31) return DosCode::kInvalidParameter;
  m_bytes.resize(static_cast<std::size_t>(size));
  std::size_t got = 0;
  if (const int code = file.readSomeAt(0, m_bytes.data(), m_bytes.size(), got)) return code;
  m_bytes.resize(got);
  const std::size_t count = m_bytes.size() / static_cast<std::size_t>(m_recordLength);
  m_recordCount = count > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                                    : static_cast<int>(count);
  return file.close();
}

const std::uint8_t* RecordReader::record(long n) const {
  if (n < 0 || n >= m_recordCount) return nullptr;
  return m_bytes.data() + static_cast<std::size_t>(n) * static_cast<std::size_t>(m_recordLength);
}

std::int16_t RecordReader::word(int offset) const {
  const std::uint8_t* header = record(0);
  return header ? getLe16(header + offset) : std::int16_t{0};
}

}  // namespace vortena::sklad
