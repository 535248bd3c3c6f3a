#pragma once
// The log's date and time from the user's regional settings: the system
// locale's short date and long time formats, as Windows-1250 bytes.

#include "params/log_clock.h"

namespace vortena::shell {

class QtLogClock final : public LogClock {
 public:
  std::string shortDate() override;
  std::string longTime() override;
};

}  // namespace vortena::shell
