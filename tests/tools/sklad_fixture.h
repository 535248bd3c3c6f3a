#pragma once
// A warehouse catalogue on a temporary drive, built through SKLADLIB's
// exports, and helpers to run sklad in process and to damage a file at a
// chosen place.

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temp_drive.h"
#include "tools/sklad/catalog_files.h"
#include "tools/sklad/sklad_commands.h"

namespace vortena::sklad {

struct SkladRun {
  int rc;
  std::string out;
  std::string err;
};

inline SkladRun runTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int rc = runSklad(args, out, err);
  return {rc, out.str(), err.str()};
}

inline std::uint16_t le16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

inline void putLe16(std::string& bytes, std::size_t at, int value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

class SkladTest : public testing::TempDriveTest {
 protected:
  // Warehouses 10 to 69: enough for a root over several leaves in both
  // indexes; then 15 and 16 deleted so that the data file has a free chain.
  static void buildCatalogue(const testing::TempDrive& on) {
    on.makeFolder("C:\\DOVODO\\DATA");
    for (int i = 10; i < 70; ++i) ASSERT_EQ(runTool({"add", std::to_string(i), "SKLAD " + std::to_string(i)}).rc, 0);
    ASSERT_EQ(runTool({"delete", "15"}).rc, 0);
    ASSERT_EQ(runTool({"delete", "16"}).rc, 0);
  }
};

}  // namespace vortena::sklad
