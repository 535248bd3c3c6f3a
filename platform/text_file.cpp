#include "platform/text_file.h"

#include "platform/dos_error.h"

namespace vortena {

int TextReader::open(std::string_view dosPath, CtrlZ ctrlZ) {
  m_ctrlZ = ctrlZ;
  m_loaded = false;
  m_text.clear();
  m_next = 0;
  return m_file.open(dosPath, FileMode::ReadOnly);
}

// The suite's text files are small (parameters, lists of a few hundred
// lines), so the text is read whole on first use rather than in blocks.
int TextReader::load() {
  if (m_loaded) return DosCode::kOk;
  if (!m_file.isOpen()) return DosCode::kFileNotOpen;
  std::uint64_t size = 0;
  if (const int code = m_file.size(size)) return code;
  m_text.resize(static_cast<std::size_t>(size));
  std::size_t got = 0;
  if (const int code = m_file.readSomeAt(0, m_text.data(), m_text.size(), got)) {
    m_text.clear();
    return code;
  }
  m_text.resize(got);
  if (m_ctrlZ == CtrlZ::EndsText) {
    if (const auto eof = m_text.find('\x1A'); eof != std::string::npos) m_text.resize(eof);
  }
  m_loaded = true;
  return DosCode::kOk;
}

int TextReader::readLine(std::string& value, std::size_t maxLength) {
  value.clear();
  if (const int code = load()) return code;
  const std::size_t end = m_text.size();
  std::size_t i = m_next;
  while (i < end && m_text[i] != '\r' && m_text[i] != '\n') ++i;
  value.assign(m_text, m_next, std::min(i - m_next, maxLength));
  while (i < end && m_text[i] != '\n') ++i;  // the rest of the line
  m_next = i < end ? i + 1 : end;
  return DosCode::kOk;
}

bool TextReader::atEnd() {
  if (load() != DosCode::kOk) return true;
  return m_next >= m_text.size();
}

int TextReader::close() {
  m_loaded = false;
  m_text.clear();
  m_next = 0;
  return m_file.close();
}

int TextWriter::create(std::string_view dosPath) { return m_file.open(dosPath, FileMode::CreateReadWrite); }

int TextWriter::append(std::string_view dosPath) { return m_file.open(dosPath, FileMode::Append); }

int TextWriter::write(std::string_view bytes) { return m_file.write(bytes.data(), bytes.size()); }

int TextWriter::writeLine(std::string_view bytes) {
  std::string line(bytes);
  line += "\r\n";
  return write(line);
}

int TextWriter::close() { return m_file.close(); }

}  // namespace vortena
