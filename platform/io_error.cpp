#include "platform/io_error.h"

#include "common/code_page.h"
#include "platform/dos_error.h"

namespace vortena {

std::string_view ioOperationName(IoOperation operation) {
  switch (operation) {
    case IoOperation::Open: return "otváraní";
    case IoOperation::Create: return "vytváraní";
    case IoOperation::Append: return "otváraní na doplnenie";
    case IoOperation::Read: return "čítaní";
    case IoOperation::Write: return "zápise";
    case IoOperation::Seek: return "nastavovaní pozície";
    case IoOperation::Size: return "zisťovaní dĺžky";
    case IoOperation::Close: return "zatváraní";
    case IoOperation::Delete: return "mazaní";
    case IoOperation::Rename: return "premenovaní";
    case IoOperation::CreateFolder: return "vytváraní priečinka";
  }
  return "práci";
}

namespace {

std::string technicalText(int code, IoOperation operation, const std::string& path) {
  return "I/O error " + std::to_string(code) + " (" + std::string(ioOperationName(operation)) + ") " + path;
}

}  // namespace

IoError::IoError(int code, IoOperation operation, std::string dosPath)
    : std::runtime_error(technicalText(code, operation, dosPath)),
      m_code(code),
      m_operation(operation),
      m_path(std::move(dosPath)) {}

std::string IoError::userMessage() const {
  const bool folder = m_operation == IoOperation::CreateFolder;
  return "Chyba pri " + std::string(ioOperationName(m_operation)) + (folder ? " " : " súboru ") +
         bytesToUtf8(CodePage::Windows1250, m_path) + ": " + dosErrorCause(m_code) + " (kód " +
         std::to_string(m_code) + ")";
}

void throwIfIoFailed(int code, IoOperation operation, std::string_view dosPath) {
  if (code != 0) throw IoError(code, operation, std::string(dosPath));
}

}  // namespace vortena
