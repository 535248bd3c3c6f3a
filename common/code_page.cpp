#include "common/code_page.h"

#include <array>
#include <memory>

namespace vortena {

namespace {

// Unicode to byte, built once per code page from its table: a sorted list of
// the 128 upper characters would do too, but two small arrays indexed by the
// high and low byte keep the lookup a pair of loads.
class ReverseTable {
 public:
  explicit ReverseTable(CodePage page) {
    const char16_t* table = codePageTable(page);
    for (int b = 255; b >= 0; --b) {
      const char16_t c = table[b];
      auto& block = m_blocks[c >> 8];
      if (!block) block = std::make_unique<std::array<short, 256>>(), block->fill(-1);
      (*block)[c & 0xFF] = static_cast<short>(b);
    }
  }
  std::optional<unsigned char> find(char32_t c) const {
    if (c > 0xFFFF) return std::nullopt;
    const auto& block = m_blocks[c >> 8];
    if (!block || (*block)[c & 0xFF] < 0) return std::nullopt;
    return static_cast<unsigned char>((*block)[c & 0xFF]);
  }

 private:
  std::array<std::unique_ptr<std::array<short, 256>>, 256> m_blocks;
};

const ReverseTable& reverseTable(CodePage page) {
  static const ReverseTable windows1250(CodePage::Windows1250);
  static const ReverseTable dos852(CodePage::Dos852);
  return page == CodePage::Windows1250 ? windows1250 : dos852;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; a malformed one yields U+FFFD for
// its first byte, which then has no place in either code page.
char32_t nextUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || lead > 0xF4) return 0xFFFD;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return c;
}

}  // namespace

char16_t byteToUnicode(CodePage page, unsigned char byte) { return codePageTable(page)[byte]; }

std::optional<unsigned char> unicodeToByte(CodePage page, char32_t character) {
  return reverseTable(page).find(character);
}

std::string bytesToUtf8(CodePage page, std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char b : bytes) appendUtf8(out, byteToUnicode(page, static_cast<unsigned char>(b)));
  return out;
}

std::string utf8ToBytes(CodePage page, std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = unicodeToByte(page, nextUtf8(utf8, i));
    out += b ? static_cast<char>(*b) : kUnmappableByte;
  }
  return out;
}

}  // namespace vortena
