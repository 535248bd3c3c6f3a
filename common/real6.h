#pragma once
// The six-byte real in which the suite's data files hold amounts, rates and
// the invoice counter.
//
//   OFFSET  SIZE  MEANING
//   0       1     biased exponent e (0 means the value 0, whatever follows)
//   1       5     39 fraction bits f, least significant byte first; the top
//                 bit of byte 5 is the sign
//
//   value = (-1)^sign * (1 + f / 2^39) * 2^(e - 129)
//
// Examples: 1.0 is 81 00 00 00 00 00, -1.0 is 81 00 00 00 00 80,
// 19.0 is 85 00 00 00 00 18, 20.0 is 85 00 00 00 00 20.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace vortena {

// Raised when a value is too large for the format (biased exponent above 255)
// or is not a number at all.
class Real6Overflow : public std::range_error {
 public:
  Real6Overflow() : std::range_error("Real6: floating-point overflow") {}
};

class Real6 {
 public:
  static constexpr std::size_t kSize = 6;
  using Bytes = std::array<std::uint8_t, kSize>;

  constexpr Real6() = default;
  constexpr explicit Real6(const Bytes& bytes) : m_bytes(bytes) {}
  static Real6 fromBytes(const std::uint8_t* bytes);

  // Keeps the 39 fraction bits below the leading one, rounded by the first
  // dropped bit alone (halves away from zero). A result too small for the
  // format is stored as six zero bytes; one too large throws Real6Overflow.
  static Real6 fromValue(long double value);
  static std::optional<Real6> tryFromValue(long double value);

  // Converts typed decimal text (see parseDecimalNumber) and encodes it.
  // Empty optional when the text is not a number or does not fit.
  static std::optional<Real6> fromDecimalText(std::string_view text);

  long double value() const;
  const Bytes& bytes() const { return m_bytes; }
  void copyTo(std::uint8_t* out) const;
  bool isZero() const { return m_bytes[0] == 0; }

  friend bool operator==(const Real6&, const Real6&) = default;

 private:
  Bytes m_bytes{};
};

// Reads the decimal numbers the dialogs accept: an optional sign, digits, an
// optional point followed by digits, and nothing else. Either digit run may
// be empty, so "", "-", "." read as 0, "5." as 5 and ".5" as 0.5.
std::optional<long double> parseDecimalNumber(std::string_view text);

}  // namespace vortena
