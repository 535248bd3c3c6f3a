#pragma once
// The view pair of the main menu: the report converter first, then ZORAK on
// the same report. ZORAK is started once the converter has ended, so that
// it reads a finished file; at once when the converter could not be
// started; and at the latest after a bounded time, so that a converter
// that hangs does not keep the viewer away. Nothing here blocks the event
// loop: the converter is polled by a timer.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>
#include <string>

#include "platform/program_starter.h"

namespace vortena::shell {

inline constexpr std::chrono::milliseconds kConverterWaitLimit{60000};
inline constexpr std::chrono::milliseconds kConverterPollInterval{100};

class ReportViewStart final : public QObject {
  Q_OBJECT

 public:
  // Starts the converter at once. The object deletes itself once ZORAK is
  // started; deleting its parent before that drops the pending start.
  ReportViewStart(ProgramStarter& starter, const std::string& reportPath, std::chrono::milliseconds waitLimit,
                  QObject* parent);

 private:
  void poll();
  void startViewer();

  ProgramStarter& m_starter;
  std::string m_reportPath;
  std::chrono::milliseconds m_waitLimit;
  std::unique_ptr<StartedProgram> m_converter;
  QTimer m_timer;
  QElapsedTimer m_elapsed;
};

}  // namespace vortena::shell
