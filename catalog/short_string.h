#pragma once
// The length-prefixed string of the suite's files and of the library's key
// and path arguments: one length byte (0 to 255), then the characters. Fixed
// storage, so key operations never allocate.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vortena::catalog {

class ShortString {
 public:
  static constexpr std::size_t kMaxLength = 255;

  ShortString() = default;
  // The text's first 255 characters.
  explicit ShortString(std::string_view text) { assign(text); }

  void assign(std::string_view text) {
    m_length = static_cast<std::uint8_t>(text.size() < kMaxLength ? text.size() : kMaxLength);
    if (m_length != 0) std::memcpy(m_chars.data(), text.data(), m_length);
  }
  // From the bytes of a length-prefixed field: the length byte, then chars.
  void assignPrefixed(const std::uint8_t* field) {
    m_length = field[0];
    if (m_length != 0) std::memcpy(m_chars.data(), field + 1, m_length);
  }
  void cut(std::size_t width) {
    if (m_length > width) m_length = static_cast<std::uint8_t>(width);
  }

  std::size_t size() const { return m_length; }
  bool empty() const { return m_length == 0; }
  const char* data() const { return m_chars.data(); }
  std::string_view view() const { return {m_chars.data(), m_length}; }

  friend bool operator==(const ShortString& a, const ShortString& b) { return a.view() == b.view(); }

 private:
  std::uint8_t m_length = 0;
  std::array<char, kMaxLength> m_chars{};
};

}  // namespace vortena::catalog
