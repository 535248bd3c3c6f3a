// The start-up stop, in a child process running the built program on a drive
// whose parameter files are incomplete.

#include <QProcess>
#include <QtTest>

#include "tests/support/temp_drive.h"

namespace {

// The two folder parameters as an installation holds them: the bare folder
// and CR LF.
void writeFolderParameters(const vortena::testing::TempDrive& drive) {
  drive.writeFile("C:\\DOVODO\\DATA\\P\\P6.DAT", "DOVODO\\DATA\r\n");
  drive.writeFile("C:\\DOVODO\\DATA\\P\\P7.DAT", "BASE\\DATA\r\n");
}

struct Run {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QByteArray output;
};

Run runProgram(const vortena::testing::TempDrive& drive) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VORTENA_DRIVE_C", QString::fromStdString(drive.root().string()));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("VORTENA_AUTO_CLOSE_BOXES", "1");
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(QString::fromStdString(drive.root().string()));
  process.start(QStringLiteral(SPUSTAC_BINARY), {});
  Run run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitCode();
  run.status = process.exitStatus();
  run.output = process.readAllStandardOutput();
  return run;
}

}  // namespace

class StartupStopTest : public QObject {
  Q_OBJECT

 private slots:
  void missingP5StopsBeforeAnyWindow() {
    vortena::testing::TempDrive drive;
    writeFolderParameters(drive);
    drive.makeFolder("C:\\BASE\\DATA");

    const Run run = runProgram(drive);
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY(run.exitCode != 0);
    QVERIFY(run.output.isEmpty());

    const std::string log = drive.readFile("C:\\BASE\\DATA\\MESSAGES.LOG");
    const std::string line = ">>>   2 Chyba pri reset parametra P5\r\n";
    QVERIFY2(log.size() > line.size() && log.compare(log.size() - line.size(), line.size(), line) == 0, log.c_str());
    QCOMPARE(std::count(log.begin(), log.end(), '\n'), 1);
    const std::string copy = drive.readFile("C:\\BASE\\DATA\\M_______.MSG");
    QCOMPARE(copy.size(), log.size());
    // The main window was never created: its creation would have made C:\TEMP.
    QVERIFY(!drive.exists("C:\\TEMP"));
  }

  // The stop cannot write its log: the error box instead of the warning,
  // still a failed start without a main window.
  void unwritableLogStopsBeforeAnyWindow() {
    vortena::testing::TempDrive drive;
    writeFolderParameters(drive);

    const Run run = runProgram(drive);
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY(run.exitCode != 0);
    QVERIFY(run.output.isEmpty());
    QVERIFY(!drive.exists("C:\\BASE\\DATA\\MESSAGES.LOG"));
    QVERIFY(!drive.exists("C:\\TEMP"));
  }
};

int runStartupStopTest(int argc, char** argv) {
  StartupStopTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "startup_stop_test.moc"
