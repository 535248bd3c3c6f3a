#pragma once
// TForm1Menu, the main window of SPUSTAC: a small window whose menu bar
// leads to every part of the suite. It keeps no data of its own; its
// commands start outside programs or show the program's own windows.

#include <QMainWindow>
#include <chrono>

#include "platform/program_starter.h"
#include "shell/report_view_start.h"
#include "shell/shell_windows.h"

class QAction;
class QLabel;
class QMenu;

namespace vortena::shell {

class TForm1Menu final : public QMainWindow {
  Q_OBJECT

 public:
  // Runs FormCreate: enters C:\TEMP and starts STAVAK.EXE through the
  // starter, which must outlive the window.
  explicit TForm1Menu(ProgramStarter& starter, std::chrono::milliseconds converterWaitLimit = kConverterWaitLimit);
  TForm1Menu(const TForm1Menu&) = delete;
  TForm1Menu& operator=(const TForm1Menu&) = delete;

  // The windows created after this one, for the commands that show them.
  void attachWindows(const ShellWindows& windows) { m_windows = windows; }

  // Focus to the main window, then the first menu dropped down as Alt+V
  // would drop it.
  void ReturnToMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormKeyDown(QKeyEvent* event);

  void setupWindow();
  void setupPicture();
  void setupInputMenu();
  void setupClosingMenu();
  void setupAuthorMenu();
  void setupFirstStartMenu();
  QAction* addItem(QMenu* menu, const QString& caption, const char* name, void (TForm1Menu::*handler)());
  void dropFirstMenu();
  void showModalThenReturn(QDialog* form);
  void showModalOnly(QDialog* form);
  void startMaximized(const char* commandLine);
  void viewReport(const char* reportPath);

  // The menu items' handlers, named after their components.
  void Faktry1Click();
  void prezeranieatlavytvorenejfaktry1Click();
  void Knihafaktr1Click();
  void prezeranieatlaspracovanejknihyfaktr1Click();
  void Nastaveniespsobuhradyfaktry1Click();
  void pravapevnhokoncafaktry1Click();
  void Partneri1Click();
  void ovaryasluby1Click();
  void SadzbyDPH1Click();
  void slovaniefaktr1Click();
  void dajeoVaejfirme1Click();
  void nastavitendajefaktr1Click();
  void nastavenietyputlaiarne1Click();
  void Koniecprogramu1Click();
  void Celkovuzvierka1Click();
  void Podmienkypouvaniaprogramu2Click();
  void Pokynypriprvomtarteprogramu2Click();
  void Label1Click();
  void Label2Click();
  void Label3Click();
  void Image1Click();

  ProgramStarter& m_starter;
  std::chrono::milliseconds m_converterWaitLimit;
  ShellWindows m_windows;
  QLabel* m_image1 = nullptr;
  QLabel* m_label1 = nullptr;
  QLabel* m_label2 = nullptr;
  QLabel* m_label3 = nullptr;
};

}  // namespace vortena::shell
