#include "common/real6.h"

#include <charconv>
#include <cmath>
#include <string>
#include <cstring>

namespace vortena {

namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kLeadingOne = std::uint64_t{1} << kFractionBits;

}  // namespace

Real6 Real6::fromBytes(const std::uint8_t* bytes) {
  Bytes b;
  std::memcpy(b.data(), bytes, kSize);
  return Real6(b);
}

std::optional<Real6> Real6::tryFromValue(long double value) {
  if (std::isnan(value) || std::isinf(value)) return std::nullopt;
  if (value == 0.0L) return Real6();

  const bool negative = std::signbit(value);
  int exponent = 0;
  // magnitude = m * 2^exponent with m in [0.5, 1): the leading one is the
  // top bit of m, so the biased exponent is exponent - 1 + 129.
  const long double m = std::frexp(std::fabs(value), &exponent);
  // 41 significant bits: the leading one, the 39 kept bits and the first
  // dropped bit. long double holds 64, so the scaling and the cut are exact.
  const auto withRoundBit = static_cast<std::uint64_t>(std::ldexp(m, kFractionBits + 2));
  std::uint64_t mantissa = (withRoundBit >> 1) + (withRoundBit & 1);
  long biased = static_cast<long>(exponent) - 1 + kBias;
  if (mantissa == (kLeadingOne << 1)) {  // carry out of the fraction
    mantissa >>= 1;
    ++biased;
  }
  if (biased <= 0) return Real6();
  if (biased > 255) return std::nullopt;

  const std::uint64_t fraction = mantissa - kLeadingOne;
  Bytes b;
  b[0] = static_cast<std::uint8_t>(biased);
  for (int i = 0; i < 5; ++i) b[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
  if (negative) b[5] |= 0x80;
  return Real6(b);
}

Real6 Real6::fromValue(long double value) {
  if (auto r = tryFromValue(value)) return *r;
  throw Real6Overflow();
}

std::optional<Real6> Real6::fromDecimalText(std::string_view text) {
  const auto number = parseDecimalNumber(text);
  if (!number) return std::nullopt;
  return tryFromValue(*number);
}

long double Real6::value() const {
  if (m_bytes[0] == 0) return 0.0L;
  std::uint64_t fraction = 0;
  for (int i = 4; i >= 0; --i) fraction = (fraction << 8) | m_bytes[1 + i];
  fraction &= kLeadingOne - 1;
  const long double magnitude =
      std::ldexp(static_cast<long double>(kLeadingOne + fraction), m_bytes[0] - kBias - kFractionBits);
  return (m_bytes[5] & 0x80) ? -magnitude : magnitude;
}

void Real6::copyTo(std::uint8_t* out) const { std::memcpy(out, m_bytes.data(), kSize); }

std::optional<long double> parseDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Collect the digits as text and let from_chars do the correctly rounded
  // decimal-to-binary conversion; unlike strtold it ignores the locale, whose
  // decimal separator is a comma in Slovak.
  std::string digits;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') digits += text[i++];
  std::string fraction;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') fraction += text[i++];
  }
  if (i != text.size()) return std::nullopt;
  const std::string normal = (digits.empty() ? "0" : digits) + "." + (fraction.empty() ? "0" : fraction);
  long double v = 0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), v);
  if (error != std::errc() || end != normal.data() + normal.size() || std::isinf(v)) return std::nullopt;
  return negative ? -v : v;
}

}  // namespace vortena
