#include "params/stop_ui.h"

#include <cstdio>
#include <cstdlib>

#include "common/code_page.h"

namespace vortena {

namespace {

// Until SPUSTAC installs its windows, and in tools without any: the beep is
// the terminal bell, the box a line on standard error.
class ConsoleStopUi final : public StopUi {
 public:
  void beep() override {
    std::fputc('\a', stderr);
    std::fflush(stderr);
  }
  void showWarning(const std::string& text) override {
    const std::string utf8 = bytesToUtf8(CodePage::Windows1250, text);
    std::fprintf(stderr, "%s\n", utf8.c_str());
    std::fflush(stderr);
  }
  [[noreturn]] void endProgram(int exitCode) override { std::exit(exitCode); }
};

ConsoleStopUi g_console;
StopUi* g_current = nullptr;

}  // namespace

StopUi& stopUi() { return g_current ? *g_current : g_console; }

void setStopUi(StopUi* ui) { g_current = ui; }

}  // namespace vortena
