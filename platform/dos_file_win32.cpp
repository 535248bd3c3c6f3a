// DosFile on Windows: CreateFileW with shared reading and writing, positioned
// ReadFile/WriteFile through OVERLAPPED offsets, no locks. Windows keeps the
// DOS error numbers, so most codes pass through unchanged; the few aliases
// that newer Windows versions report are folded onto their DOS form by
// dosCodeFromWin32Error.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/dos_error.h"
#include "platform/dos_file.h"
#include "platform/drive_map.h"

namespace vortena {

namespace {

// One transfer moves at most this much, so a length always fits a DWORD.
constexpr std::size_t kMaxChunk = 1u << 30;

OVERLAPPED overlappedAt(std::uint64_t offset) {
  OVERLAPPED ov{};
  ov.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return ov;
}

int lastCode() { return dosCodeFromWin32Error(GetLastError()); }

}  // namespace

DosFile::~DosFile() {
  if (isOpen()) CloseHandle(m_handle);
}

DosFile::DosFile(DosFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, kNoHandle)),
      m_position(other.m_position),
      m_dosPath(std::move(other.m_dosPath)) {}

DosFile& DosFile::operator=(DosFile&& other) noexcept {
  if (this != &other) {
    if (isOpen()) CloseHandle(m_handle);
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
  const std::wstring path = hostPath(dosPath).wstring();
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case FileMode::ReadOnly: break;
    case FileMode::ReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    case FileMode::CreateReadWrite:
      access = GENERIC_READ | GENERIC_WRITE;
      disposition = CREATE_ALWAYS;
      break;
    case FileMode::Append: access = GENERIC_WRITE; break;
  }
  // The read-only attribute refuses GENERIC_WRITE with ERROR_ACCESS_DENIED
  // by itself; a folder opened without backup semantics fails the same way.
  HANDLE h = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return lastCode();
  m_handle = h;
  if (mode == FileMode::Append) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h, &size)) {
      const int code = lastCode();
      CloseHandle(std::exchange(m_handle, kNoHandle));
      return code;
    }
    m_position = static_cast<std::uint64_t>(size.QuadPart);
  }
  return DosCode::kOk;
}

int DosFile::close() {
  if (!isOpen()) return DosCode::kFileNotOpen;
  return CloseHandle(std::exchange(m_handle, kNoHandle)) ? DosCode::kOk : lastCode();
}

int DosFile::readSomeAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t& got) {
  got = 0;
  if (!isOpen()) return DosCode::kFileNotOpen;
  auto* out = static_cast<char*>(buffer);
  while (got < length) {
    OVERLAPPED ov = overlappedAt(offset + got);
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min(length - got, kMaxChunk));
    if (!ReadFile(m_handle, out + got, want, &n, &ov)) {
      const DWORD error = GetLastError();
      if (error == ERROR_HANDLE_EOF) break;  // a positioned read at or past the end
      return dosCodeFromWin32Error(error);
    }
    if (n == 0) break;
    got += n;
  }
  return DosCode::kOk;
}

int DosFile::writeAt(std::uint64_t offset, const void* buffer, std::size_t length) {
  if (!isOpen()) return DosCode::kFileNotOpen;
  const auto* in = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < length) {
    OVERLAPPED ov = overlappedAt(offset + done);
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min(length - done, kMaxChunk));
    if (!WriteFile(m_handle, in + done, want, &n, &ov)) {
      const DWORD error = GetLastError();
      // As on DOS: a write cut short by a full disk is the short write.
      return done > 0 || error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL
                 ? DosCode::kShortWrite
                 : dosCodeFromWin32Error(error);
    }
    if (n == 0) return DosCode::kShortWrite;
    done += n;
  }
  return DosCode::kOk;
}

int DosFile::size(std::uint64_t& bytes) const {
  bytes = 0;
  if (!isOpen()) return DosCode::kFileNotOpen;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(m_handle, &size)) return lastCode();
  bytes = static_cast<std::uint64_t>(size.QuadPart);
  return DosCode::kOk;
}

int DosFile::truncate(std::uint64_t length) {
  if (!isOpen()) return DosCode::kFileNotOpen;
  FILE_END_OF_FILE_INFO info{};
  info.EndOfFile.QuadPart = static_cast<LONGLONG>(length);
  return SetFileInformationByHandle(m_handle, FileEndOfFileInfo, &info, sizeof info) ? DosCode::kOk : lastCode();
}

int deleteFile(std::string_view dosPath) {
  const std::wstring path = hostPath(dosPath).wstring();
  return DeleteFileW(path.c_str()) ? DosCode::kOk : lastCode();
}

int renameFile(std::string_view fromDosPath, std::string_view toDosPath) {
  const std::wstring from = hostPath(fromDosPath).wstring();
  const std::wstring to = hostPath(toDosPath).wstring();
  // Without MOVEFILE_REPLACE_EXISTING an existing target is refused, as DOS does.
  if (MoveFileExW(from.c_str(), to.c_str(), 0)) return DosCode::kOk;
  const int code = lastCode();
  return code == DosCode::kFileExists ? DosCode::kAccessDenied : code;
}

bool fileExists(std::string_view dosPath) {
  const std::wstring path = hostPath(dosPath).wstring();
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace vortena
