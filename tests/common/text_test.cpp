#include "common/text.h"

#include <gtest/gtest.h>

namespace vortena {
namespace {

TEST(TextTest, PaddingNeverCuts) {
  EXPECT_EQ(PadRightSpaces("AB", 5), "AB   ");
  EXPECT_EQ(PadRightSpaces("ABCDEF", 5), "ABCDEF");
  EXPECT_EQ(PadLeftSpaces("123", 15), std::string(12, ' ') + "123");
  EXPECT_EQ(PadLeftSpaces("ABCDEF", 5), "ABCDEF");
  EXPECT_EQ(PadRightSpaces("", 0), "");
}

TEST(TextTest, StripSpacesRemovesOnlySpaces) {
  EXPECT_EQ(StripSpaces(" 1 9.\t0 "), "19.\t0");
  EXPECT_EQ(StripSpaces("    "), "");
}

TEST(TextTest, UpperCaseTouchesOnlyAsciiLetters) {
  // a-z rise; accented bytes of both code pages (Windows-1250 e1 'á',
  // DOS 852 a0 'á') and punctuation stay.
  EXPECT_EQ(UpperCaseText("Sklad a\xE1\xA0z{`"), "SKLAD A\xE1\xA0Z{`");
}

}  // namespace
}  // namespace vortena
