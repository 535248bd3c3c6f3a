#pragma once
// The date and time written in front of each logged message, in the user's
// short date and long time formats. SPUSTAC installs one that asks the
// system locale; the default uses the C library's %x and %X.

#include <string>

namespace vortena {

class LogClock {
 public:
  virtual ~LogClock() = default;
  // Both as Windows-1250 bytes. The date is taken first, the time after.
  virtual std::string shortDate() = 0;
  virtual std::string longTime() = 0;
};

LogClock& logClock();
// Installs another clock (not owned); nullptr goes back to the default.
void setLogClock(LogClock* clock);

}  // namespace vortena
