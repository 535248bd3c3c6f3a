#pragma once
// Helpers of the catalogue tests: running code that may stop the process in
// a child, reading the journal, and reading pages straight from file bytes.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/index_page.h"
#include "tests/support/temp_drive.h"

namespace vortena::catalog::testing {

struct ChildResult {
  int exitCode = -1;  // -1 when the child died of a signal (a crash)
  std::string console;
};

// Runs `body` in a child process with standard input not a terminal and
// standard output captured. A body that returns ends the child with
// kReturned; a child still running after 20 s is killed.
inline constexpr int kReturned = 99;
ChildResult runInChild(const std::function<void()>& body);

// The messages of the journal in the current folder, without date and time.
// A line whose stamp does not match the journal's form is returned as "?".
std::vector<std::string> journalMessages();

// Page n of an index file's bytes (record length from K).
IndexPage pageOf(std::string_view fileBytes, int keyLength, int n);
std::string keyOf(const IndexItem& item);
// The header word at `offset` (0, 2, 4, 6) of a record file's bytes.
int headerWord(std::string_view fileBytes, int offset);

// Resets the engine's library-wide state between tests.
void resetEngine();

}  // namespace vortena::catalog::testing
