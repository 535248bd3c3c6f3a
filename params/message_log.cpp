#include "params/message_log.h"

#include "params/log_clock.h"
#include "params/parameter_store.h"
#include "platform/dos_error.h"
#include "platform/io_error.h"
#include "platform/text_file.h"

namespace vortena {

namespace {

// Appends one line and CR LF. Only a missing file is created: a file that
// exists but cannot be opened for appending (read-only, a passing host
// error) is reported, never emptied, so no earlier message is lost.
void appendLine(const std::string& path, std::string_view line) {
  TextWriter writer;
  IoOperation step = IoOperation::Append;
  int code = writer.append(path);
  if (code == DosCode::kFileNotFound) {
    step = IoOperation::Create;
    code = writer.create(path);
  }
  throwIfIoFailed(code, step, path);
  throwIfIoFailed(writer.writeLine(line), IoOperation::Write, path);
  throwIfIoFailed(writer.close(), IoOperation::Close, path);
}

}  // namespace

std::string logFilePath(std::string_view fileName) {
  std::string path = "C:\\";
  const std::string& folder = parameterStore().logFolder();
  if (!folder.empty()) {
    path += folder;
    path += '\\';
  }
  path += fileName;
  return path;
}

std::string doubledBytes(std::string_view line) {
  std::string out(line);
  for (char& c : out) c = static_cast<char>((static_cast<unsigned char>(c) << 1) & 0xFF);
  return out;
}

void LogMessage(std::string_view text) {
  std::string line = logClock().shortDate();
  line += ' ';
  line += logClock().longTime();
  line += ' ';
  line += text;
  appendLine(logFilePath("MESSAGES.LOG"), line);
  appendLine(logFilePath("M_______.MSG"), doubledBytes(line));
}

}  // namespace vortena
