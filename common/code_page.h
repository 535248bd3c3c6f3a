#pragma once
// The suite's two 8-bit code pages: Windows-1250 for SPUSTAC's and ZORAK's
// text files, DOS 852 for the DOS modules' record files and SKLADLIB's
// journal. Inside the programs file text stays as bytes; these conversions
// are for the user-interface edge and the terminal only.
//
// A Unicode character that has no place in the target code page becomes '?'
// (3F): the question mark is in both pages, is visible in every program of
// the suite and cannot be mistaken for a field separator or a line end.

#include <optional>
#include <string>
#include <string_view>

namespace vortena {

enum class CodePage { Windows1250, Dos852 };

inline constexpr char kUnmappableByte = '?';

// The 256-entry byte-to-UTF-16 table of a code page (all of it in the BMP).
const char16_t* codePageTable(CodePage page);

char16_t byteToUnicode(CodePage page, unsigned char byte);
std::optional<unsigned char> unicodeToByte(CodePage page, char32_t character);

// Whole strings, with UTF-8 on the Unicode side.
std::string bytesToUtf8(CodePage page, std::string_view bytes);
std::string utf8ToBytes(CodePage page, std::string_view utf8);

}  // namespace vortena
