#include "platform/dos_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dos_error.h"
#include "platform/drive_map.h"
#include "platform/folders.h"
#include "platform/io_error.h"
#include "tests/support/temp_drive.h"

namespace vortena {
namespace {

namespace fs = std::filesystem;
using DosFileTest = testing::TempDriveTest;

TEST_F(DosFileTest, OpenFailuresGiveDosCodes) {
  drive.makeFolder("C:\\DATA");
  DosFile f;
  EXPECT_EQ(f.open("C:\\DATA\\NONE.DAT", FileMode::ReadWrite), DosCode::kFileNotFound);
  EXPECT_EQ(f.open("C:\\MISSING\\NONE.DAT", FileMode::ReadWrite), DosCode::kPathNotFound);
  EXPECT_EQ(f.open("C:\\MISSING\\NONE.DAT", FileMode::CreateReadWrite), DosCode::kPathNotFound);
  EXPECT_EQ(f.open("C:\\DATA", FileMode::ReadOnly), DosCode::kAccessDenied);
  // A NUL inside a path (a damaged parameter file) opens nothing.
  EXPECT_EQ(f.open(std::string_view("C:\\X\0Y", 5), FileMode::CreateReadWrite), DosCode::kPathNotFound);
  EXPECT_FALSE(drive.exists("C:\\X"));
  EXPECT_FALSE(f.isOpen());
  EXPECT_EQ(f.close(), DosCode::kFileNotOpen);
  char b[4];
  EXPECT_EQ(f.readAt(0, b, 4), DosCode::kFileNotOpen);
  EXPECT_EQ(f.writeAt(0, b, 4), DosCode::kFileNotOpen);
}

TEST_F(DosFileTest, ReadOnlyFileRefusesWritingEvenToRoot) {
  drive.writeFile("C:\\RO.DAT", "abc");
  fs::permissions(hostPath("C:\\RO.DAT"), fs::perms::owner_read | fs::perms::group_read);
  DosFile f;
  for (FileMode mode : {FileMode::ReadWrite, FileMode::Append, FileMode::CreateReadWrite})
    EXPECT_EQ(f.open("C:\\RO.DAT", mode), DosCode::kAccessDenied);
  EXPECT_EQ(deleteFile("C:\\RO.DAT"), DosCode::kAccessDenied);
  EXPECT_EQ(f.open("C:\\RO.DAT", FileMode::ReadOnly), DosCode::kOk);
  EXPECT_EQ(drive.readFile("C:\\RO.DAT"), "abc");
}

TEST_F(DosFileTest, PositionedTransfersAndShortReads) {
  DosFile f;
  ASSERT_EQ(f.open("C:\\R.DAT", FileMode::CreateReadWrite), 0);
  ASSERT_EQ(f.writeAt(4, "WXYZ", 4), 0);  // the hole before it reads as zeros
  std::uint64_t size = 0;
  ASSERT_EQ(f.size(size), 0);
  EXPECT_EQ(size, 8u);
  char b[8];
  ASSERT_EQ(f.readAt(0, b, 8), 0);
  EXPECT_EQ(std::string(b, 8), std::string("\0\0\0\0WXYZ", 8));
  EXPECT_EQ(f.readAt(6, b, 4), DosCode::kReadPastEnd);
  std::size_t got = 99;
  ASSERT_EQ(f.readSomeAt(6, b, 4, got), 0);
  EXPECT_EQ(got, 2u);
  ASSERT_EQ(f.close(), 0);
  EXPECT_EQ(f.close(), DosCode::kFileNotOpen);
}

TEST_F(DosFileTest, SequentialAndAppend) {
  drive.writeFile("C:\\LOG.TXT", "one\r\n");
  DosFile f;
  ASSERT_EQ(f.open("C:\\LOG.TXT", FileMode::Append), 0);
  ASSERT_EQ(f.write("two\r\n", 5), 0);
  ASSERT_EQ(f.close(), 0);
  EXPECT_EQ(drive.readFile("C:\\LOG.TXT"), "one\r\ntwo\r\n");
  ASSERT_EQ(f.open("C:\\LOG.TXT", FileMode::ReadOnly), 0);
  char b[3];
  ASSERT_EQ(f.seek(5), 0);
  ASSERT_EQ(f.read(b, 3), 0);
  EXPECT_EQ(std::string(b, 3), "two");
  EXPECT_EQ(f.position(), 8u);
  EXPECT_EQ(f.read(b, 3), DosCode::kReadPastEnd);
}

TEST_F(DosFileTest, TwoHandlesShareOneFileWithoutLocks) {
  DosFile a, b;
  ASSERT_EQ(a.open("C:\\S.DAT", FileMode::CreateReadWrite), 0);
  ASSERT_EQ(b.open("C:\\S.DAT", FileMode::ReadWrite), 0);
  ASSERT_EQ(a.writeAt(0, "12", 2), 0);
  char x[2];
  ASSERT_EQ(b.readAt(0, x, 2), 0);
  EXPECT_EQ(std::string(x, 2), "12");
}

TEST_F(DosFileTest, DeleteRenameAndFolders) {
  EXPECT_EQ(deleteFile("C:\\NONE.DAT"), DosCode::kFileNotFound);
  EXPECT_EQ(deleteFile("C:\\NO\\NONE.DAT"), DosCode::kPathNotFound);
  drive.writeFile("C:\\A.DAT", "a");
  drive.writeFile("C:\\B.DAT", "b");
  EXPECT_EQ(renameFile("C:\\A.DAT", "C:\\B.DAT"), DosCode::kAccessDenied);
  ASSERT_EQ(deleteFile("C:\\B.DAT"), 0);
  ASSERT_EQ(renameFile("C:\\A.DAT", "C:\\B.DAT"), 0);
  EXPECT_TRUE(fileExists("C:\\B.DAT"));
  EXPECT_FALSE(fileExists("C:\\A.DAT"));

  EXPECT_EQ(setCurrentFolder("C:\\TEMP"), DosCode::kPathNotFound);
  EXPECT_EQ(createFolder("C:\\X\\Y"), DosCode::kPathNotFound);
  ASSERT_EQ(createFolder("C:\\TEMP"), 0);
  EXPECT_EQ(createFolder("C:\\TEMP"), DosCode::kAccessDenied);
  ASSERT_EQ(setCurrentFolder("C:\\TEMP"), 0);
  EXPECT_EQ(fs::current_path(), fs::canonical(drive.root() / "TEMP"));
  ASSERT_EQ(createFolders("C:\\X\\Y\\Z"), 0);
  EXPECT_TRUE(drive.exists("C:\\X\\Y\\Z"));
}

TEST(IoErrorTest, CarriesCodeOperationAndPath) {
  try {
    throwIfIoFailed(100, IoOperation::Read, "C:\\DOVODO\\DATA\\SADZDPH.DAT");
    FAIL() << "no error raised";
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), 100);
    EXPECT_EQ(e.operation(), IoOperation::Read);
    EXPECT_EQ(e.path(), "C:\\DOVODO\\DATA\\SADZDPH.DAT");
    EXPECT_NE(e.userMessage().find("C:\\DOVODO\\DATA\\SADZDPH.DAT"), std::string::npos);
    EXPECT_NE(e.userMessage().find("100"), std::string::npos);
  }
  EXPECT_NO_THROW(throwIfIoFailed(0, IoOperation::Read, "X"));
}

TEST(DosErrorTest, HostErrorsMapThroughOneTable) {
  const struct {
    int error;
    int code;
  } cases[] = {{ENOENT, 2}, {ENOTDIR, 3}, {EACCES, 5}, {EPERM, 5}, {EROFS, 5}, {EMFILE, 4},
               {ENOSPC, 112}, {EEXIST, 80}, {EIO, 31}};
  for (const auto& c : cases) EXPECT_EQ(dosCodeFromErrno(c.error), c.code) << c.error;
}

TEST(DosErrorTest, WindowsErrorsKeepTheirDosNumbersAndFoldAliases) {
  const struct {
    unsigned long error;
    int code;
  } cases[] = {{0, 0},     {2, 2},    {3, 3},   {5, 5},     {32, 32},  {33, 32},
               {39, 112},  {112, 112}, {123, 3}, {183, 80}, {267, 5},  {0xC0000005UL, 31}};
  for (const auto& c : cases) EXPECT_EQ(dosCodeFromWin32Error(c.error), c.code) << c.error;
}

}  // namespace
}  // namespace vortena
