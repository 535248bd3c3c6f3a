#include "shell/qt_log_clock.h"

#include <QDateTime>
#include <QLocale>

#include "forms/text_bytes.h"

namespace vortena::shell {

std::string QtLogClock::shortDate() {
  return forms::toWin1250(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtLogClock::longTime() {
  return forms::toWin1250(QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat));
}

}  // namespace vortena::shell
