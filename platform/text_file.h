#pragma once
// Text files the way the suite reads and writes them: 8-bit bytes, lines
// ended by CR LF (a bare LF is read as well).
//
// Reading a line into a value of maximum length N takes the characters up to
// the line end (or a CR) and keeps at most N of them; the rest of the line is
// skipped. A line beyond the end of the text reads as empty. Where a format
// says so, a Ctrl-Z byte (1A) ends the text.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/dos_file.h"

namespace vortena {

class TextReader {
 public:
  enum class CtrlZ { IsText, EndsText };

  // 0, or the open's code (2 missing file, 3 missing folder, ...).
  [[nodiscard]] int open(std::string_view dosPath, CtrlZ ctrlZ = CtrlZ::IsText);
  // Reads the next line as described above. Returns the read's code.
  [[nodiscard]] int readLine(std::string& value, std::size_t maxLength);
  // True at the end of the file, or before a Ctrl-Z that ends the text.
  // Loads the text when it has not been read yet; a failed read counts as
  // the end (and is reported by the next readLine).
  bool atEnd();
  [[nodiscard]] int close();
  bool isOpen() const { return m_file.isOpen(); }

 private:
  int load();

  DosFile m_file;
  CtrlZ m_ctrlZ = CtrlZ::IsText;
  bool m_loaded = false;
  std::string m_text;
  std::size_t m_next = 0;
};

class TextWriter {
 public:
  [[nodiscard]] int create(std::string_view dosPath);  // new file, or an existing one emptied
  [[nodiscard]] int append(std::string_view dosPath);  // an existing file, written at its end
  [[nodiscard]] int write(std::string_view bytes);
  [[nodiscard]] int writeLine(std::string_view bytes);  // the bytes and CR LF
  [[nodiscard]] int close();

 private:
  DosFile m_file;
};

}  // namespace vortena
