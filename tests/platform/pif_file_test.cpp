#include "platform/pif_file.h"

#include <gtest/gtest.h>

#include "tests/platform/pif_bytes.h"

namespace vortena {
namespace {

using testing::pifBytes;

TEST(PifFile, DecodesTheThreeFieldsTrimmed) {
  const auto pif = decodePif(pifBytes("C:\\DOVODO\\VYSTAVA.EXE  ", "  C:\\DOVODO", "/M 2"));
  ASSERT_TRUE(pif);
  EXPECT_EQ(pif->program, "C:\\DOVODO\\VYSTAVA.EXE");
  EXPECT_EQ(pif->folder, "C:\\DOVODO");
  EXPECT_EQ(pif->parameters, "/M 2");
}

TEST(PifFile, FieldsFilledToTheBrimStayInsideTheirBounds) {
  const std::string program(kPifProgramSize, 'P');
  std::string bytes = pifBytes(program, std::string(kPifFolderSize, 'F'), std::string(kPifParametersSize, 'A'),
                               kPifMinimumSize);
  const auto pif = decodePif(bytes);
  ASSERT_TRUE(pif);
  EXPECT_EQ(pif->program, program);
  EXPECT_EQ(pif->folder, std::string(kPifFolderSize, 'F'));
  EXPECT_EQ(pif->parameters, std::string(kPifParametersSize, 'A'));
}

TEST(PifFile, ShortOrDamagedFilesGiveNothing) {
  struct Case {
    const char* name;
    std::string bytes;
  } const cases[] = {
      {"empty", ""},
      {"one byte short", pifBytes("A.EXE", "", "", kPifMinimumSize - 1)},
      {"no program", pifBytes("", "C:\\DOVODO", "")},
      {"program of spaces", pifBytes("     ", "", "")},
      {"control byte in program", pifBytes("A\x01.EXE", "", "")},
      {"control byte in folder", pifBytes("A.EXE", "C:\\\x0D", "")},
      {"control byte in parameters", pifBytes("A.EXE", "", "x\ny")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(decodePif(c.bytes));
  }
}

}  // namespace
}  // namespace vortena
