#include "common/real6.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/temp_drive.h"

namespace vortena {
namespace {

using testing::hexBytes;
using testing::toHex;

std::string bytesOf(const Real6& r) { return std::string(r.bytes().begin(), r.bytes().end()); }

TEST(Real6Test, KnownEncodings) {
  const struct {
    long double value;
    const char* hex;
  } cases[] = {
      {0.0L, "00 00 00 00 00 00"},  {1.0L, "81 00 00 00 00 00"},  {-1.0L, "81 00 00 00 00 80"},
      {19.0L, "85 00 00 00 00 18"}, {20.0L, "85 00 00 00 00 20"}, {25.0L, "85 00 00 00 00 48"},
      {24.0L, "85 00 00 00 00 40"}, {2.0L, "82 00 00 00 00 00"},  {0.5L, "80 00 00 00 00 00"},  {-0.0L, "00 00 00 00 00 00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.value));
    const Real6 r = Real6::fromValue(c.value);
    EXPECT_EQ(toHex(bytesOf(r)), c.hex);
    EXPECT_EQ(r.value(), c.value);
  }
}

TEST(Real6Test, ZeroExponentMeansZeroWhateverFollows) {
  const std::string raw = hexBytes("00 12 34 56 78 9A");
  EXPECT_EQ(Real6::fromBytes(reinterpret_cast<const std::uint8_t*>(raw.data())).value(), 0.0L);
}

TEST(Real6Test, RoundsByTheFirstDroppedBitAlone) {
  const long double ulp = std::ldexp(1.0L, -39);  // one step of the fraction at 1.0
  // Exactly halfway between 1 and 1 + ulp rounds away from zero, both signs.
  EXPECT_EQ(Real6::fromValue(1.0L + ulp / 2).value(), 1.0L + ulp);
  EXPECT_EQ(Real6::fromValue(-(1.0L + ulp / 2)).value(), -(1.0L + ulp));
  // Just below halfway the first dropped bit is 0: cut.
  EXPECT_EQ(Real6::fromValue(1.0L + ulp / 2 - ulp / 1024).value(), 1.0L);
  // Just above a representable value: cut as well.
  EXPECT_EQ(Real6::fromValue(1.0L + ulp + ulp / 1024).value(), 1.0L + ulp);
}

TEST(Real6Test, CarryOutOfTheFractionRaisesTheExponent) {
  // The largest value below 2 whose first dropped bit is 1 rounds up to 2.
  const long double justBelowTwo = 2.0L - std::ldexp(1.0L, -40);
  EXPECT_EQ(toHex(bytesOf(Real6::fromValue(justBelowTwo))), "82 00 00 00 00 00");
}

TEST(Real6Test, UnderflowIsZeroAndOverflowIsAnError) {
  // Biased exponent 1 is the smallest: 2^-128.
  EXPECT_EQ(Real6::fromValue(std::ldexp(1.0L, -128)).bytes()[0], 1);
  EXPECT_TRUE(Real6::fromValue(std::ldexp(1.0L, -129)).isZero());
  EXPECT_EQ(toHex(bytesOf(Real6::fromValue(-std::ldexp(1.0L, -140)))), "00 00 00 00 00 00");
  // Biased exponent 255 is the largest: values below 2^127.
  EXPECT_EQ(Real6::fromValue(std::ldexp(1.0L, 126)).bytes()[0], 255);
  EXPECT_THROW(Real6::fromValue(std::ldexp(1.0L, 127)), Real6Overflow);
  // Rounding up into 2^127 overflows too.
  EXPECT_THROW(Real6::fromValue(std::ldexp(2.0L - std::ldexp(1.0L, -40), 126)), Real6Overflow);
  EXPECT_FALSE(Real6::tryFromValue(NAN).has_value());
  EXPECT_FALSE(Real6::tryFromValue(INFINITY).has_value());
}

TEST(Real6Test, WholeNumbersUpTo2Pow40RoundTrip) {
  // Every power of two and its neighbours, plus a dense sweep at both ends
  // and a stride through the middle: about three million values.
  auto check = [](long double v) {
    const Real6 r = Real6::fromValue(v);
    if (r.value() != v) ADD_FAILURE() << "lost " << static_cast<double>(v);
    if (Real6::fromValue(-v).value() != -v) ADD_FAILURE() << "lost -" << static_cast<double>(v);
  };
  const std::int64_t top = std::int64_t{1} << 40;
  for (std::int64_t v = 0; v <= 1'000'000; ++v) check(static_cast<long double>(v));
  for (std::int64_t v = top - 1'000'000; v <= top; ++v) check(static_cast<long double>(v));
  for (std::int64_t v = 1'000'000; v < top; v += 1'000'003) check(static_cast<long double>(v));
  for (int bit = 0; bit <= 40; ++bit) {
    const std::int64_t p = std::int64_t{1} << bit;
    check(static_cast<long double>(p - 1));
    check(static_cast<long double>(p));
    if (bit < 40) check(static_cast<long double>(p + 1));
  }
}

TEST(Real6Test, DecimalText) {
  const struct {
    const char* text;
    bool ok;
    long double value;
  } cases[] = {
      {"19", true, 19}, {"19.00", true, 19}, {".", true, 0},      {"5.", true, 5},     {".5", true, 0.5L},
      {"", true, 0},    {"-3.25", true, -3.25L}, {"+7", true, 7}, {"1,5", false, 0},   {"1.2.3", false, 0},
      {"12a", false, 0}, {" 5", false, 0},   {"9999999999", true, 9999999999.0L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto parsed = parseDecimalNumber(c.text);
    ASSERT_EQ(parsed.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(*parsed, c.value);
    }
  }
  EXPECT_EQ(toHex(bytesOf(*Real6::fromDecimalText("20.00"))), "85 00 00 00 00 20");
  // 19.5 is exact in binary; 10.55 is not, and lands on the nearest Real6.
  EXPECT_EQ(Real6::fromDecimalText("19.5")->value(), 19.5L);
  EXPECT_NEAR(static_cast<double>(Real6::fromDecimalText("10.55")->value()), 10.55, 1e-10);
  EXPECT_FALSE(Real6::fromDecimalText("1" + std::string(40, '0')).has_value());
}

}  // namespace
}  // namespace vortena
