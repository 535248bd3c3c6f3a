// DosFile on POSIX hosts: open/pread/pwrite, no locks.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "platform/dos_error.h"
#include "platform/dos_file.h"
#include "platform/drive_map.h"

namespace vortena {

namespace {

// A missing file and a missing folder are both ENOENT here; DOS tells them
// apart, and the suite's messages depend on it.
int openFailureCode(int error, const std::filesystem::path& path) {
  if (error == ENOENT) {
    std::error_code ec;
    const auto parent = path.parent_path();
    if (!parent.empty() && !std::filesystem::is_directory(parent, ec)) return DosCode::kPathNotFound;
  }
  return dosCodeFromErrno(error);
}

// DOS marks a file read-only with an attribute that even an administrator's
// writes respect. Here a regular file without any write permission bit plays
// that part, so the suite behaves the same whoever runs it.
bool hasReadOnlyAttribute(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

}  // namespace

DosFile::~DosFile() {
  if (isOpen()) ::close(m_handle);
}

DosFile::DosFile(DosFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, kNoHandle)),
      m_position(other.m_position),
      m_dosPath(std::move(other.m_dosPath)) {}

DosFile& DosFile::operator=(DosFile&& other) noexcept {
  if (this != &other) {
    if (isOpen()) ::close(m_handle);
    m_handle = std::exchange(other.m_handle, kNoHandle);
    m_position = other.m_position;
    m_dosPath = std::move(other.m_dosPath);
  }
  return *this;
}

int DosFile::open(std::string_view dosPath, FileMode mode) {
  if (isOpen()) (void)close();
  m_dosPath = std::string(dosPath);
  m_position = 0;
  // A NUL would silently cut the host path short and open another file.
  if (dosPath.find('\0') != std::string_view::npos) return DosCode::kPathNotFound;
  const std::filesystem::path path = hostPath(dosPath);
  int flags = O_CLOEXEC;
  switch (mode) {
    case FileMode::ReadOnly: flags |= O_RDONLY; break;
    case FileMode::ReadWrite: flags |= O_RDWR; break;
    case FileMode::CreateReadWrite: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    case FileMode::Append: flags |= O_WRONLY; break;
  }
  if (mode != FileMode::ReadOnly && hasReadOnlyAttribute(path)) return DosCode::kAccessDenied;
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return openFailureCode(errno, path);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return DosCode::kAccessDenied;
  }
  m_handle = fd;
  if (mode == FileMode::Append) m_position = static_cast<std::uint64_t>(st.st_size);
  return DosCode::kOk;
}

int DosFile::close() {
  if (!isOpen()) return DosCode::kFileNotOpen;
  const int rc = ::close(std::exchange(m_handle, kNoHandle));
  return rc == 0 ? DosCode::kOk : dosCodeFromErrno(errno);
}

int DosFile::readSomeAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t& got) {
  got = 0;
  if (!isOpen()) return DosCode::kFileNotOpen;
  auto* out = static_cast<char*>(buffer);
  while (got < length) {
    const ssize_t n = ::pread(m_handle, out + got, length - got, static_cast<off_t>(offset + got));
    if (n < 0) {
      if (errno == EINTR) continue;
      return dosCodeFromErrno(errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return DosCode::kOk;
}

int DosFile::writeAt(std::uint64_t offset, const void* buffer, std::size_t length) {
  if (!isOpen()) return DosCode::kFileNotOpen;
  const auto* in = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t n = ::pwrite(m_handle, in + done, length - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      // A refused or failed write that wrote nothing is the host's error; a
      // write cut short by a full disk is the short write of DOS.
      return done > 0 || errno == ENOSPC ? DosCode::kShortWrite : dosCodeFromErrno(errno);
    }
    if (n == 0) return DosCode::kShortWrite;
    done += static_cast<std::size_t>(n);
  }
  return DosCode::kOk;
}

int DosFile::size(std::uint64_t& bytes) const {
  bytes = 0;
  if (!isOpen()) return DosCode::kFileNotOpen;
  struct stat st {};
  if (::fstat(m_handle, &st) != 0) return dosCodeFromErrno(errno);
  bytes = static_cast<std::uint64_t>(st.st_size);
  return DosCode::kOk;
}

int DosFile::truncate(std::uint64_t length) {
  if (!isOpen()) return DosCode::kFileNotOpen;
  return ::ftruncate(m_handle, static_cast<off_t>(length)) == 0 ? DosCode::kOk : dosCodeFromErrno(errno);
}

int deleteFile(std::string_view dosPath) {
  const auto path = hostPath(dosPath);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec) || hasReadOnlyAttribute(path)) return DosCode::kAccessDenied;
  return ::unlink(path.c_str()) == 0 ? DosCode::kOk : openFailureCode(errno, path);
}

int renameFile(std::string_view fromDosPath, std::string_view toDosPath) {
  const auto from = hostPath(fromDosPath);
  const auto to = hostPath(toDosPath);
  std::error_code ec;
  if (!std::filesystem::exists(from, ec)) return openFailureCode(ENOENT, from);
  // DOS refuses to rename onto an existing file; callers delete it first.
  if (std::filesystem::exists(to, ec)) return DosCode::kAccessDenied;
  return std::rename(from.c_str(), to.c_str()) == 0 ? DosCode::kOk : openFailureCode(errno, to);
}

bool fileExists(std::string_view dosPath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(hostPath(dosPath), ec);
}

}  // namespace vortena
