#include "tests/catalog/catalog_test_util.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include "catalog/catalog_state.h"
#include "catalog/record_file.h"

namespace vortena::catalog::testing {

ChildResult runInChild(const std::function<void()>& body) {
  std::fflush(stdout);
  char name[] = "/tmp/catalog-console-XXXXXX";
  const int out = ::mkstemp(name);
  ChildResult result;
  if (out < 0) return result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::alarm(20);
    ::dup2(out, STDOUT_FILENO);
    const int in = ::open("/dev/null", O_RDONLY);
    ::dup2(in, STDIN_FILENO);
    body();
    std::fflush(stdout);
    ::_exit(kReturned);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  result.console = text.str();
  ::close(out);
  ::unlink(name);
  return result;
}

std::vector<std::string> journalMessages() {
  std::ifstream in("CHYBOVNIK.TXT", std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  static const std::regex stamp(R"(^[ 1-3][0-9]\.[ 1][0-9]\.[0-9]{4}  [ 12][0-9]:[0-9]{1,2}:[0-9]{1,2}  (.*)$)");
  std::vector<std::string> messages;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    const std::string line = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    std::smatch m;
    messages.push_back(std::regex_match(line, m, stamp) ? m[1].str() : "?");
    if (end == std::string::npos) break;
    from = end + 2;
  }
  return messages;
}

IndexPage pageOf(std::string_view fileBytes, int keyLength, int n) {
  const auto P = static_cast<std::size_t>(indexRecordLength(keyLength));
  IndexPage page;
  if ((static_cast<std::size_t>(n) + 1) * P <= fileBytes.size())
    UnpackPage(reinterpret_cast<const std::uint8_t*>(fileBytes.data()) + static_cast<std::size_t>(n) * P, keyLength,
               page);
  return page;
}

std::string keyOf(const IndexItem& item) {
  return std::string(reinterpret_cast<const char*>(item.key.data()), item.keyLength);
}

int headerWord(std::string_view fileBytes, int offset) {
  return getLe16(reinterpret_cast<const std::uint8_t*>(fileBytes.data()) + offset);
}

void resetEngine() {
  CatalogState& s = catalogState();
  s.PendingIoError.take();
  s.LastIoCode = 0;
  s.OperationOk = false;
  s.pageBuffer.InitPageBuffer();
}

}  // namespace vortena::catalog::testing
