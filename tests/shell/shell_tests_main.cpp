// The menu shell's tests: the main window in this process, the start-up stop
// in a child process running the built program.

#include <QApplication>
#include <QtTest>

int runForm1MenuTest(int argc, char** argv);
int runStartupStopTest(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int failures = runForm1MenuTest(argc, argv);
  failures += runStartupStopTest(argc, argv);
  return failures;
}
