#include "shell/report_view_start.h"

namespace vortena::shell {

ReportViewStart::ReportViewStart(ProgramStarter& starter, const std::string& reportPath,
                                 std::chrono::milliseconds waitLimit, QObject* parent)
    : QObject(parent), m_starter(starter), m_reportPath(reportPath), m_waitLimit(waitLimit) {
  m_converter = m_starter.start("C:\\DOVODO\\PREVODW.EXE " + m_reportPath, ShowMode::Normal);
  if (!m_converter) {
    startViewer();
    return;
  }
  m_elapsed.start();
  m_timer.setInterval(kConverterPollInterval);
  connect(&m_timer, &QTimer::timeout, this, &ReportViewStart::poll);
  m_timer.start();
}

void ReportViewStart::poll() {
  if (m_converter->hasEnded() || m_elapsed.elapsed() >= m_waitLimit.count()) startViewer();
}

void ReportViewStart::startViewer() {
  m_timer.stop();
  // The viewer's result is ignored like that of every start.
  (void)m_starter.start("C:\\DOVODO\\ZORAK.EXE " + m_reportPath, ShowMode::Maximized);
  deleteLater();
}

}  // namespace vortena::shell
