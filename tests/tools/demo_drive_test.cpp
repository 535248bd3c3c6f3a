// The demo installation: a complete drive that SPUSTAC starts on and whose
// catalogues the operator's check finds sound.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/real6.h"
#include "params/parameter_files.h"
#include "params/parameter_store.h"
#include "params/stop_ui.h"
#include "tests/support/temp_drive.h"

namespace vortena {
namespace {

namespace fs = std::filesystem;

struct StopCalled : std::runtime_error {
  StopCalled() : std::runtime_error("stop") {}
};

class ThrowingStopUi final : public StopUi {
 public:
  void beep() override {}
  void showWarning(const std::string& text) override { warning = text; }
  [[noreturn]] void endProgram(int) override { throw StopCalled(); }
  std::string warning;
};

class DemoDriveTest : public testing::TempDriveTest {
 protected:
  void SetUp() override {
    const std::string command = std::string(VORTENA_MAKE_DEMO_DRIVE) + " " + (drive.root() / "demo").string() + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ::setenv("VORTENA_DRIVE_C", (drive.root() / "demo").c_str(), 1);
  }
  void TearDown() override { ::setenv("VORTENA_DRIVE_C", drive.root().c_str(), 1); }
};

std::size_t lineCount(const std::string& text) {
  std::size_t n = 0;
  for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++n;
  return n;
}

TEST_F(DemoDriveTest, HoldsEveryFileAnInstallationNeeds) {
  const struct {
    const char* path;
    std::size_t size;
  } sized[] = {
      {"C:\\DOVODO\\DATA\\P\\P37.DAT", 14}, {"C:\\DOVODO\\DATA\\P\\P35.DAT", 32},
      {"C:\\DOVODO\\DATA\\P\\P24.DAT", 3},  {"C:\\DOVODO\\DATA\\SADZDPH.DAT", 18},
      {"C:\\DOVODO\\DATA\\CISFAKT.DAT", 6},
  };
  for (const auto& f : sized) {
    SCOPED_TRACE(f.path);
    EXPECT_EQ(drive.readFile(f.path).size(), f.size);
  }
  for (int n = 5; n <= 40; ++n) EXPECT_TRUE(drive.exists("C:\\DOVODO\\DATA\\P\\P" + std::to_string(n) + ".DAT")) << n;
  EXPECT_EQ(lineCount(drive.readFile("C:\\BASE\\DATA\\PARAM.PRM")), 51u);
  for (const char* path : {"C:\\DOVODO\\DATA\\KONFA.DAT", "C:\\DOVODO\\DATA\\TOVARVYD.SPL",
                           "C:\\DOVODO\\DATA\\KNIHAFAK.SPL", "C:\\DOVODO\\DATA\\TOVAR.DAT",
                           "C:\\DOVODO\\DATA\\TOVAR.IND", "C:\\DOVODO\\DATA\\WIN-TOV.DAT",
                           "C:\\DOVODO\\DATA\\WIN-TOV.IND", "C:\\DOVODO\\DATA\\KAT-SKL.DAT",
                           "C:\\DOVODO\\DATA\\KAT-SKL.IND", "C:\\DOVODO\\DATA\\KAT-SKLN.IND"})
    EXPECT_GT(drive.readFile(path).size(), 0u) << path;
  EXPECT_TRUE(fs::is_directory(drive.root() / "demo" / "TEMP"));
  EXPECT_FALSE(drive.exists("C:\\TEMP\\CHYBOVNIK.TXT"));  // the library met no failure

  const std::string rates = drive.readFile("C:\\DOVODO\\DATA\\SADZDPH.DAT");
  EXPECT_EQ(Real6::fromBytes(reinterpret_cast<const std::uint8_t*>(rates.data())).value(), 23.0L);
}

TEST_F(DemoDriveTest, LoadsWithoutAStop) {
  ThrowingStopUi ui;
  setStopUi(&ui);
  parameterStore().reset();
  EXPECT_NO_THROW(LoadParameters()) << ui.warning;
  setStopUi(nullptr);
  EXPECT_EQ(parameterStore().parameterFolder(), "DOVODO\\DATA");
  EXPECT_EQ(parameterStore().logFolder(), "BASE\\DATA");
  EXPECT_EQ(parameterStore().quantityDecimals(), 2);
  EXPECT_EQ(parameterStore().value(30), "       19191919");
}

TEST_F(DemoDriveTest, CataloguesPassTheOperatorsCheck) {
  const std::string command = std::string(VORTENA_SKLAD) + " check >/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace vortena
