#include "platform/pif_file.h"

#include <fstream>

namespace vortena {

namespace {

// One padded text field; empty optional when it holds a control character.
std::optional<std::string> field(std::string_view bytes, std::size_t offset, std::size_t size) {
  std::string_view text = bytes.substr(offset, size);
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::optional<PifProgram> decodePif(std::string_view bytes) {
  if (bytes.size() < kPifMinimumSize) return std::nullopt;
  auto program = field(bytes, kPifProgramOffset, kPifProgramSize);
  auto folder = field(bytes, kPifFolderOffset, kPifFolderSize);
  auto parameters = field(bytes, kPifParametersOffset, kPifParametersSize);
  if (!program || program->empty() || !folder || !parameters) return std::nullopt;
  return PifProgram{std::move(*program), std::move(*folder), std::move(*parameters)};
}

std::optional<PifProgram> readPifFile(const std::filesystem::path& hostFile) {
  std::ifstream in(hostFile, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(kPifMinimumSize, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return decodePif(bytes);
}

}  // namespace vortena
