// SPUSTAC: the menu shell of the suite. Takes no command-line arguments.
//
// Start-up order: the application object first, since it is the platform's
// bootstrap and every message box needs it; then every parameter file,
// before any window exists (a failure there ends the program with its
// logged message); then the main window, whose creation enters C:\TEMP and
// starts STAVAK.EXE; then the other windows; then the event loop until the
// main window closes.

#include <QApplication>

#include "forms/message_boxes.h"
#include "params/log_clock.h"
#include "params/parameter_files.h"
#include "params/stop_ui.h"
#include "platform/io_error.h"
#include "platform/program_starter.h"
#include "shell/form1_menu.h"
#include "shell/qt_log_clock.h"
#include "shell/qt_stop_ui.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("SPUSTAC"));

  vortena::shell::QtStopUi stopUi;
  vortena::shell::QtLogClock logClock;
  vortena::setStopUi(&stopUi);
  vortena::setLogClock(&logClock);

  try {
    vortena::LoadParameters();
  } catch (const vortena::IoError& error) {
    // The message log itself could not be written: the stop could not show
    // its box, so the error is reported here and the start-up ends.
    const vortena::shell::StartupBoxes boxes;
    vortena::forms::showIoError(nullptr, error);
    return 1;
  }

  vortena::HostProgramStarter starter(
      vortena::StarterSetup{QCoreApplication::applicationDirPath().toStdString(), std::nullopt});
  vortena::shell::TForm1Menu form1Menu(starter);
  // The other windows are created here, in their order, and handed to the
  // main window with attachWindows.

  form1Menu.show();
  const int result = QApplication::exec();
  vortena::setStopUi(nullptr);
  vortena::setLogClock(nullptr);
  return result;
}
