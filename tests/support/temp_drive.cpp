#include "tests/support/temp_drive.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/drive_map.h"

namespace vortena::testing {

namespace fs = std::filesystem;

TempDrive::TempDrive() {
  if (const char* previous = std::getenv("VORTENA_DRIVE_C")) {
    m_hadDrive = true;
    m_previousDrive = previous;
  }
  std::random_device random;
  for (int attempt = 0; attempt < 100 && m_root.empty(); ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("vortena-drive-" + std::to_string(random()));
    if (fs::create_directory(candidate)) m_root = candidate;
  }
  if (m_root.empty()) throw std::runtime_error("cannot make a temporary drive folder");
  ::setenv("VORTENA_DRIVE_C", m_root.c_str(), 1);
  m_previousFolder = fs::current_path();
  fs::current_path(m_root);
}

TempDrive::~TempDrive() {
  std::error_code ec;
  fs::current_path(m_previousFolder, ec);
  if (m_hadDrive)
    ::setenv("VORTENA_DRIVE_C", m_previousDrive.c_str(), 1);
  else
    ::unsetenv("VORTENA_DRIVE_C");
  // Tests make files read-only; give write access back so removal works.
  for (auto it = fs::recursive_directory_iterator(m_root, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(m_root, ec);
}

void TempDrive::writeFile(std::string_view dosPath, std::string_view bytes) const {
  const fs::path path = hostPath(dosPath);
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string TempDrive::readFile(std::string_view dosPath) const {
  const fs::path path = hostPath(dosPath);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool TempDrive::exists(std::string_view dosPath) const { return fs::exists(hostPath(dosPath)); }

void TempDrive::makeFolder(std::string_view dosPath) const { fs::create_directories(hostPath(dosPath)); }

std::string hexBytes(std::string_view hex) {
  std::string out;
  int high = -1;
  for (char c : hex) {
    int v = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
    if (v < 0) continue;
    if (high < 0) {
      high = v;
    } else {
      out += static_cast<char>(high * 16 + v);
      high = -1;
    }
  }
  return out;
}

std::string toHex(std::string_view bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) out += ' ';
    const auto b = static_cast<unsigned char>(bytes[i]);
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

}  // namespace vortena::testing
