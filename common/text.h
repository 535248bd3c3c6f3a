#pragma once
// Text helpers over the suite's 8-bit text. Strings hold bytes of the file's
// code page; nothing here converts characters beyond plain ASCII letters.

#include <cstddef>
#include <string>
#include <string_view>

namespace vortena {

// Appends spaces up to `width` characters; never cuts a longer text.
std::string PadRightSpaces(std::string_view text, std::size_t width);
// Prepends spaces up to `width` characters; never cuts a longer text.
std::string PadLeftSpaces(std::string_view text, std::size_t width);
// Removes every space (code 32); tabs and other characters stay.
std::string StripSpaces(std::string_view text);
// Raises a to z to A to Z; every other byte, accented letters too, stays.
std::string UpperCaseText(std::string_view text);

// First `width` characters of the text (all of it when shorter).
std::string CutText(std::string_view text, std::size_t width);

}  // namespace vortena
