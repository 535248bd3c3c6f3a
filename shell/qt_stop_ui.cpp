#include "shell/qt_stop_ui.h"

#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "forms/message_boxes.h"
#include "forms/text_bytes.h"

namespace vortena::shell {

namespace {

bool autoCloseBoxes() { return qEnvironmentVariable("VORTENA_AUTO_CLOSE_BOXES") == QLatin1String("1"); }

void closeSoon(QMessageBox& box) { QTimer::singleShot(0, &box, &QMessageBox::accept); }

}  // namespace

void QtStopUi::beep() { forms::beep(); }

void QtStopUi::showWarning(const std::string& text) {
  const StartupBoxes boxes;
  forms::showWarning(nullptr, forms::fromWin1250(text));
}

StartupBoxes::StartupBoxes() {
  if (autoCloseBoxes()) forms::setBoxHook(&closeSoon);
}

StartupBoxes::~StartupBoxes() { forms::setBoxHook(nullptr); }

// At once: no window is closed, no destructor runs, as when the process is
// ended by the system. Only the standard streams are flushed first.
void QtStopUi::endProgram(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace vortena::shell
