#include "common/text.h"

namespace vortena {

std::string PadRightSpaces(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string PadLeftSpaces(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string StripSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string UpperCaseText(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string CutText(std::string_view text, std::size_t width) {
  return std::string(text.substr(0, width));
}

}  // namespace vortena
