// The parts of DosFile that are the same on every host: the whole-record
// read and the sequential position on top of the positioned transfers.

#include "platform/dos_file.h"

#include "platform/dos_error.h"

namespace vortena {

int DosFile::readAt(std::uint64_t offset, void* buffer, std::size_t length) {
  std::size_t got = 0;
  if (const int code = readSomeAt(offset, buffer, length, got)) return code;
  return got == length ? DosCode::kOk : DosCode::kReadPastEnd;
}

int DosFile::seek(std::uint64_t offset) {
  if (!isOpen()) return DosCode::kFileNotOpen;
  m_position = offset;
  return DosCode::kOk;
}

int DosFile::readSome(void* buffer, std::size_t length, std::size_t& got) {
  const int code = readSomeAt(m_position, buffer, length, got);
  m_position += got;
  return code;
}

int DosFile::read(void* buffer, std::size_t length) {
  std::size_t got = 0;
  if (const int code = readSome(buffer, length, got)) return code;
  return got == length ? DosCode::kOk : DosCode::kReadPastEnd;
}

int DosFile::write(const void* buffer, std::size_t length) {
  const int code = writeAt(m_position, buffer, length);
  if (code == DosCode::kOk) m_position += length;
  return code;
}

}  // namespace vortena
