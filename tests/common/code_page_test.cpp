#include "common/code_page.h"

#include <gtest/gtest.h>

namespace vortena {
namespace {

TEST(CodePageTest, EveryByteRoundTrips) {
  for (CodePage page : {CodePage::Windows1250, CodePage::Dos852}) {
    for (int b = 0; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      EXPECT_EQ(utf8ToBytes(page, bytesToUtf8(page, one)), one) << "byte " << b;
    }
  }
}

TEST(CodePageTest, SlovakLettersSitWhereTheSuiteExpectsThem) {
  // The journal texts: ú A3, á A0, í A1, ť 9C in DOS 852.
  EXPECT_EQ(utf8ToBytes(CodePage::Dos852, "úáíť"), "\xA3\xA0\xA1\x9C");
  EXPECT_EQ(bytesToUtf8(CodePage::Dos852, "S\xA3\x62or"), "Súbor");
  // Windows-1250: š 9A, ž 9E, ľ BE, č E8, ô F4.
  EXPECT_EQ(utf8ToBytes(CodePage::Windows1250, "šžľčô"), "\x9A\x9E\xBE\xE8\xF4");
  EXPECT_EQ(bytesToUtf8(CodePage::Windows1250, "\x80"), "€");
}

TEST(CodePageTest, UnmappableAndMalformedTextBecomesQuestionMarks) {
  EXPECT_EQ(utf8ToBytes(CodePage::Windows1250, "a€b"), "a\x80" "b");
  EXPECT_EQ(utf8ToBytes(CodePage::Dos852, "a€b"), "a?b");   // no euro in 852
  EXPECT_EQ(utf8ToBytes(CodePage::Windows1250, "日本"), "??");
  EXPECT_EQ(utf8ToBytes(CodePage::Windows1250, "x\xFFy"), "x?y");  // not UTF-8
  EXPECT_EQ(utf8ToBytes(CodePage::Windows1250, "\xC3"), "?");      // cut sequence
}

}  // namespace
}  // namespace vortena
