#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "platform/dos_error.h"
#include "tests/support/temp_drive.h"

namespace vortena {
namespace {

using TextFileTest = testing::TempDriveTest;

std::vector<std::string> readLines(TextReader& reader, int count, std::size_t maxLength) {
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    std::string value = "junk";
    EXPECT_EQ(reader.readLine(value, maxLength), 0);
    out.push_back(value);
  }
  return out;
}

TEST_F(TextFileTest, LinesAreCutSkippedAndPaddedWithEmptiness) {
  const struct {
    const char* name;
    std::string content;
    std::size_t maxLength;
    std::vector<std::string> lines;
  } cases[] = {
      {"crlf", "AB\r\nCD\r\n", 5, {"AB", "CD", ""}},
      {"bare lf", "AB\nCD", 5, {"AB", "CD", ""}},
      {"cut and skip", "ABCDEFGH\r\nIJ\r\n", 3, {"ABC", "IJ", ""}},
      {"empty file", "", 5, {"", "", ""}},
      {"cr ends the value", "AB\rCD\r\nEF\r\n", 5, {"AB", "EF", ""}},
      {"binary bytes stay", std::string("\x01\xFF\0z\r\n", 5), 9, {std::string("\x01\xFF\0z", 4), "", ""}},
      {"ctrl-z is text here", "A\x1A" "B\r\n", 5, {"A\x1A" "B", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    drive.writeFile("C:\\T.TXT", c.content);
    TextReader reader;
    ASSERT_EQ(reader.open("C:\\T.TXT"), 0);
    EXPECT_EQ(readLines(reader, 3, c.maxLength), c.lines);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.close(), 0);
  }
}

TEST_F(TextFileTest, CtrlZEndsTheTextWhereTheFormatSaysSo) {
  drive.writeFile("C:\\T.TXT", "01\r\nA\r\n\x1A" "02\r\nB\r\n");
  TextReader reader;
  ASSERT_EQ(reader.open("C:\\T.TXT", TextReader::CtrlZ::EndsText), 0);
  EXPECT_FALSE(reader.atEnd());
  EXPECT_EQ(readLines(reader, 2, 20), (std::vector<std::string>{"01", "A"}));
  EXPECT_TRUE(reader.atEnd());
}

TEST_F(TextFileTest, MissingFilesAndFolders) {
  TextReader reader;
  EXPECT_EQ(reader.open("C:\\NONE.TXT"), DosCode::kFileNotFound);
  EXPECT_EQ(reader.open("C:\\NO\\NONE.TXT"), DosCode::kPathNotFound);
  std::string v;
  EXPECT_EQ(reader.readLine(v, 5), DosCode::kFileNotOpen);
  TextWriter writer;
  EXPECT_EQ(writer.create("C:\\NO\\X.TXT"), DosCode::kPathNotFound);
  EXPECT_EQ(writer.append("C:\\NONE.TXT"), DosCode::kFileNotFound);
}

TEST_F(TextFileTest, WriterEndsLinesWithCrLf) {
  TextWriter writer;
  ASSERT_EQ(writer.create("C:\\W.TXT"), 0);
  ASSERT_EQ(writer.writeLine("12345678    "), 0);
  ASSERT_EQ(writer.close(), 0);
  ASSERT_EQ(writer.append("C:\\W.TXT"), 0);
  ASSERT_EQ(writer.writeLine(""), 0);
  ASSERT_EQ(writer.close(), 0);
  EXPECT_EQ(drive.readFile("C:\\W.TXT"), "12345678    \r\n\r\n");
  ASSERT_EQ(writer.create("C:\\W.TXT"), 0);  // emptied
  ASSERT_EQ(writer.close(), 0);
  EXPECT_EQ(drive.readFile("C:\\W.TXT"), "");
}

}  // namespace
}  // namespace vortena
