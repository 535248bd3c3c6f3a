#include "platform/drive_map.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/temp_drive.h"

namespace vortena {
namespace {

namespace fs = std::filesystem;
using DriveMapTest = testing::TempDriveTest;

TEST_F(DriveMapTest, DriveCIsTheConfiguredFolder) {
  EXPECT_EQ(hostPath("C:\\DOVODO\\DATA\\P\\P5.DAT"), drive.root() / "DOVODO" / "DATA" / "P" / "P5.DAT");
  EXPECT_EQ(hostPath("c:/DOVODO/DATA"), drive.root() / "DOVODO" / "DATA");
  EXPECT_EQ(hostPath("\\TEMP"), drive.root() / "TEMP");
  EXPECT_EQ(hostPath("C:\\"), drive.root());
  EXPECT_EQ(hostPath("CHYBOVNIK.TXT"), fs::path("CHYBOVNIK.TXT"));
}

TEST_F(DriveMapTest, ExistingComponentsAreMatchedWhateverTheirCase) {
  fs::create_directories(drive.root() / "dovodo" / "Data");
  drive.writeFile("C:\\dovodo\\Data\\tovar.dat", "x");
  EXPECT_EQ(hostPath("C:\\DOVODO\\DATA\\TOVAR.DAT"), drive.root() / "dovodo" / "Data" / "tovar.dat");
  // A file that does not exist yet keeps the program's spelling, in the
  // folders that do exist.
  EXPECT_EQ(hostPath("C:\\DOVODO\\DATA\\NOVY.DAT"), drive.root() / "dovodo" / "Data" / "NOVY.DAT");
  EXPECT_EQ(hostPath("C:\\DOVODO\\OVLACC\\X.DAT"), drive.root() / "dovodo" / "OVLACC" / "X.DAT");
}

TEST_F(DriveMapTest, ExactSpellingWinsOverACaseVariant) {
  fs::create_directories(drive.root() / "Temp");
  fs::create_directories(drive.root() / "TEMP");
  EXPECT_EQ(hostPath("C:\\TEMP"), drive.root() / "TEMP");
}

TEST_F(DriveMapTest, DotsFoldAndNeverLeaveTheDrive) {
  EXPECT_EQ(hostPath("C:\\..\\..\\ETC\\X"), drive.root() / "ETC" / "X");
  EXPECT_EQ(hostPath("C:\\DOVODO\\.\\DATA\\..\\P"), drive.root() / "DOVODO" / "P");
  EXPECT_EQ(hostPath("\\..\\TEMP"), drive.root() / "TEMP");
  EXPECT_EQ(hostPath("..\\X"), fs::path("..") / "X");  // relative: the host's own ".."
}

TEST_F(DriveMapTest, Windows1250NamesBecomeUtf8) {
  EXPECT_EQ(hostPath("C:\\\x9A\x9E.TXT"), drive.root() / "šž.TXT");
}

TEST(DriveRootTest, DefaultsToAPerUserDataFolder) {
  const char* saved = std::getenv("VORTENA_DRIVE_C");
  const std::string keep = saved ? saved : "";
  ::unsetenv("VORTENA_DRIVE_C");
  ::setenv("XDG_DATA_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(driveRoot('C'), fs::path("/tmp/xdg-test/vortena/C"));
  EXPECT_EQ(driveRoot('g'), fs::path("/tmp/xdg-test/vortena/G"));
  ::unsetenv("XDG_DATA_HOME");
  if (saved) ::setenv("VORTENA_DRIVE_C", keep.c_str(), 1);
}

}  // namespace
}  // namespace vortena
