#pragma once
// A fresh temporary drive C: per test: VORTENA_DRIVE_C points at a new
// folder, the current folder is that folder's root, and both are put back
// and the folder removed afterwards.

#include <filesystem>
#include <string>
#include <string_view>

namespace vortena::testing {

class TempDrive {
 public:
  TempDrive();
  ~TempDrive();
  TempDrive(const TempDrive&) = delete;
  TempDrive& operator=(const TempDrive&) = delete;

  const std::filesystem::path& root() const { return m_root; }

  // Host access that bypasses the code under test. DOS paths map through
  // the drive mapping; folders are created as needed when writing.
  void writeFile(std::string_view dosPath, std::string_view bytes) const;
  std::string readFile(std::string_view dosPath) const;
  bool exists(std::string_view dosPath) const;
  void makeFolder(std::string_view dosPath) const;

 private:
  std::filesystem::path m_root;
  std::filesystem::path m_previousFolder;
  std::string m_previousDrive;
  bool m_hadDrive = false;
};

// Byte strings written as hexadecimal, for expected file contents:
// hexBytes("85 00 00 00 00 18").
std::string hexBytes(std::string_view hex);
std::string toHex(std::string_view bytes);

}  // namespace vortena::testing

#ifdef VORTENA_TEMP_DRIVE_GTEST
#include <gtest/gtest.h>
namespace vortena::testing {
class TempDriveTest : public ::testing::Test {
 protected:
  TempDrive drive;
};
}  // namespace vortena::testing
#endif
