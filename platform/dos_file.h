#pragma once
// A host file with DOS-style result codes. Every operation returns 0 or the
// code of its failure (dos_error.h); nothing throws. Files are opened for
// shared reading and writing and never locked, since the suite's programs
// work on the same files at the same time.
//
// A file without any write permission bit counts as carrying the DOS
// read-only attribute: opening it for writing, or deleting it, gives 5.
//
// Record-style access goes through readAt/writeAt, positioned transfers that
// leave the sequential position alone. read/write work at that position.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vortena {

enum class FileMode {
  ReadOnly,         // an existing file, for reading
  ReadWrite,        // an existing file, for reading and writing
  CreateReadWrite,  // created, or an existing one cut to length 0
  Append,           // an existing file, written at its end
};

class DosFile {
 public:
  DosFile() = default;
  ~DosFile();
  DosFile(DosFile&& other) noexcept;
  DosFile& operator=(DosFile&& other) noexcept;
  DosFile(const DosFile&) = delete;
  DosFile& operator=(const DosFile&) = delete;

  // 2 when the file is missing, 3 when its folder is, 5 when access is
  // refused. An open file is closed first.
  [[nodiscard]] int open(std::string_view dosPath, FileMode mode);
  [[nodiscard]] int close();
  bool isOpen() const { return m_handle != kNoHandle; }
  const std::string& dosPath() const { return m_dosPath; }

  // Exactly `length` bytes at `offset`: 100 when fewer could be read.
  [[nodiscard]] int readAt(std::uint64_t offset, void* buffer, std::size_t length);
  // Up to `length` bytes at `offset`; `got` tells how many (0 at the end).
  [[nodiscard]] int readSomeAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t& got);
  // Exactly `length` bytes at `offset`: 101 when fewer could be written.
  [[nodiscard]] int writeAt(std::uint64_t offset, const void* buffer, std::size_t length);

  [[nodiscard]] int seek(std::uint64_t offset);
  std::uint64_t position() const { return m_position; }
  [[nodiscard]] int read(void* buffer, std::size_t length);
  [[nodiscard]] int readSome(void* buffer, std::size_t length, std::size_t& got);
  [[nodiscard]] int write(const void* buffer, std::size_t length);

  [[nodiscard]] int size(std::uint64_t& bytes) const;
  [[nodiscard]] int truncate(std::uint64_t length);

 private:
#ifdef _WIN32
  using Handle = void*;
  static inline Handle const kNoHandle = reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));
#else
  using Handle = int;
  static constexpr Handle kNoHandle = -1;
#endif
  Handle m_handle = kNoHandle;
  std::uint64_t m_position = 0;
  std::string m_dosPath;
};

// Whole-file operations on DOS paths, with the same codes.
[[nodiscard]] int deleteFile(std::string_view dosPath);
[[nodiscard]] int renameFile(std::string_view fromDosPath, std::string_view toDosPath);
bool fileExists(std::string_view dosPath);

}  // namespace vortena
