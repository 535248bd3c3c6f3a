#include "params/log_clock.h"

#include <ctime>

#include "common/code_page.h"

namespace vortena {

namespace {

// strftime in the process's locale. A locale that produces non-ASCII text
// does so in UTF-8 on the hosts we run on; the log wants Windows-1250.
std::string formatNow(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char buffer[128];
  const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
  std::string text(buffer, length);
  for (unsigned char c : text)
    if (c >= 0x80) return utf8ToBytes(CodePage::Windows1250, text);
  return text;
}

class SystemLogClock final : public LogClock {
 public:
  std::string shortDate() override { return formatNow("%x"); }
  std::string longTime() override { return formatNow("%X"); }
};

SystemLogClock g_system;
LogClock* g_current = nullptr;

}  // namespace

LogClock& logClock() { return g_current ? *g_current : g_system; }

void setLogClock(LogClock* clock) { g_current = clock; }

}  // namespace vortena
