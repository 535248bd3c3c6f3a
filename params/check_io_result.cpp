#include "params/check_io_result.h"

#include "params/message_log.h"
#include "params/stop_ui.h"

namespace vortena {

std::string formatCode3(int code) {
  std::string digits = std::to_string(code);
  if (digits.size() > 3) digits.resize(3);
  return std::string(3 - digits.size(), ' ') + digits;
}

int ioExitCode(int code) {
  if (code < 1) return 1;
  if (code > 255) return 255;
  return code;
}

void CheckIoResult(int code, std::string_view text) {
  if (code == 0) return;
  const std::string code3 = formatCode3(code);
  stopUi().beep();
  std::string logged = ">>> " + code3 + " ";
  logged += text;
  LogMessage(logged);  // an IoError leaves here, before the box
  std::string shown = code3 + " ";
  shown += text;
  stopUi().showWarning(shown);
  stopUi().endProgram(ioExitCode(code));
}

}  // namespace vortena
