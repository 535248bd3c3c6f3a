#include "platform/folders.h"

#include <filesystem>
#include <system_error>

#include "platform/dos_error.h"
#include "platform/drive_map.h"

namespace vortena {

namespace fs = std::filesystem;

namespace {

int codeOf(const std::error_code& ec) {
  if (!ec) return DosCode::kOk;
  if (ec.category() == std::generic_category()) return dosCodeFromErrno(ec.value());
#ifdef _WIN32
  // The Windows library reports GetLastError values in the system category.
  if (ec.category() == std::system_category()) return dosCodeFromWin32Error(static_cast<unsigned long>(ec.value()));
#else
  if (ec.category() == std::system_category()) return dosCodeFromErrno(ec.value());
#endif
  return DosCode::kDeviceFault;
}

}  // namespace

int setCurrentFolder(std::string_view dosPath) {
  const fs::path path = hostPath(dosPath);
  std::error_code ec;
  if (!fs::is_directory(path, ec)) return DosCode::kPathNotFound;
  fs::current_path(path, ec);
  return codeOf(ec);
}

int createFolder(std::string_view dosPath) {
  const fs::path path = hostPath(dosPath);
  std::error_code ec;
  const auto parent = path.parent_path();
  if (!parent.empty() && !fs::is_directory(parent, ec)) return DosCode::kPathNotFound;
  if (fs::exists(path, ec)) return DosCode::kAccessDenied;
  fs::create_directory(path, ec);
  return codeOf(ec);
}

int createFolders(std::string_view dosPath) {
  std::error_code ec;
  fs::create_directories(hostPath(dosPath), ec);
  return codeOf(ec);
}

}  // namespace vortena
