#pragma once
// The typed input/output error that SPUSTAC's dialogs raise and the
// application's standard error box shows. It carries the DOS-style code, the
// step that failed and the file's DOS path.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vortena {

enum class IoOperation { Open, Create, Append, Read, Write, Seek, Size, Close, Delete, Rename, CreateFolder };

// The step as a Slovak noun phrase after "pri" ("čítaní", "zápise", ...).
std::string_view ioOperationName(IoOperation operation);

class IoError : public std::runtime_error {
 public:
  IoError(int code, IoOperation operation, std::string dosPath);

  int code() const { return m_code; }
  IoOperation operation() const { return m_operation; }
  const std::string& path() const { return m_path; }

  // "Chyba pri čítaní súboru C:\DOVODO\DATA\SADZDPH.DAT: čítanie za koncom
  // súboru (kód 100)". UTF-8; the path's bytes are shown as Windows-1250.
  std::string userMessage() const;

 private:
  int m_code;
  IoOperation m_operation;
  std::string m_path;
};

// Throws IoError for a nonzero code; returns for 0.
void throwIfIoFailed(int code, IoOperation operation, std::string_view dosPath);

}  // namespace vortena
