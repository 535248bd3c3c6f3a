#include "shell/form1_menu.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

#include "forms/modal.h"
#include "platform/folders.h"
#include "shell/program_icon.h"

namespace vortena::shell {

namespace {

constexpr int kWidth = 500;
constexpr int kMinHeight = 200;
constexpr int kMaxHeight = 300;
constexpr int kStartHeight = 240;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect place, int fontHeight) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  // The height is the character cell's, as the window was designed: take the
  // largest face whose line height still fits it and whose text still fits
  // the label's width, so the texts fit their labels as they did there.
  int pixels = fontHeight;
  const auto tooLarge = [&] {
    const QFontMetrics metrics(font);
    return metrics.height() > fontHeight || metrics.horizontalAdvance(text) > place.width();
  };
  do {
    font.setPixelSize(pixels);
  } while (tooLarge() && --pixels > 6);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

}  // namespace

TForm1Menu::TForm1Menu(ProgramStarter& starter, std::chrono::milliseconds converterWaitLimit)
    : m_starter(starter), m_converterWaitLimit(converterWaitLimit) {
  setupWindow();
  setupPicture();
  setupInputMenu();
  setupClosingMenu();
  setupAuthorMenu();
  setupFirstStartMenu();
  FormCreate();
}

void TForm1Menu::setupWindow() {
  setObjectName(QStringLiteral("Form1Menu"));
  setWindowTitle(QStringLiteral("VORTENA - verzia  EU 2004.02  ZIPEL \u2013 SPUSTAC"));
  setWindowIcon(QIcon(programIconPixmap()));
  setFocusPolicy(Qt::StrongFocus);
  menuBar()->setNativeMenuBar(false);
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));

  auto* client = new QWidget(this);
  setCentralWidget(client);
  m_label1 = makeLabel(client, "Label1", QStringLiteral("F10 - Ponuka"), QRect(272, 168, 97, 20), 16);
  m_label2 = makeLabel(client, "Label2", QStringLiteral("ESC - Koniec"), QRect(384, 168, 99, 20), 16);
  m_label3 = makeLabel(client, "Label3", QStringLiteral("F12 - Pokyny pri prvom \u0161tarte programu"),
                       QRect(272, 192, 184, 13), 12);
  for (QLabel* label : {m_label1, m_label2, m_label3}) label->installEventFilter(this);

  setMinimumSize(kWidth, kMinHeight);
  setMaximumSize(kWidth, kMaxHeight);
  resize(kWidth, kStartHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - QPoint(kWidth / 2, kStartHeight / 2));
  }
}

void TForm1Menu::setupPicture() {
  m_image1 = new QLabel(centralWidget());
  m_image1->setObjectName(QStringLiteral("Image1"));
  m_image1->setGeometry(216, 72, 105, 105);
  m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_image1->setScaledContents(false);
  m_image1->setPixmap(programIconPixmap());
  m_image1->installEventFilter(this);
}

QAction* TForm1Menu::addItem(QMenu* menu, const QString& caption, const char* name, void (TForm1Menu::*handler)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void TForm1Menu::setupInputMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Vstup údajov a spracovanie"));
  menu->setObjectName(QStringLiteral("Vstupdajovaspracovanie1"));
  menu->menuAction()->setObjectName(QStringLiteral("Vstupdajovaspracovanie1"));
  addItem(menu, QStringLiteral("&Faktúry"), "Faktry1", &TForm1Menu::Faktry1Click);
  addItem(menu, QStringLiteral("pre&Zeranie a tlač vytvorenej faktúry"), "prezeranieatlavytvorenejfaktry1",
          &TForm1Menu::prezeranieatlavytvorenejfaktry1Click);
  addItem(menu, QStringLiteral("kn&Iha faktúr"), "Knihafaktr1", &TForm1Menu::Knihafaktr1Click);
  addItem(menu, QStringLiteral("prezeranie a tlač &Spracovanej knihy faktúr"),
          "prezeranieatlaspracovanejknihyfaktr1", &TForm1Menu::prezeranieatlaspracovanejknihyfaktr1Click);
  addItem(menu, QStringLiteral("&Nastavenie spôsobu úhrady faktúry"), "Nastaveniespsobuhradyfaktry1",
          &TForm1Menu::Nastaveniespsobuhradyfaktry1Click);
  addItem(menu, QStringLiteral("&Úprava pevného konca faktúry"), "pravapevnhokoncafaktry1",
          &TForm1Menu::pravapevnhokoncafaktry1Click);
  addItem(menu, QStringLiteral("&Odberatelia"), "Partneri1", &TForm1Menu::Partneri1Click);
  addItem(menu, QStringLiteral("&Tovary a služby"), "ovaryasluby1", &TForm1Menu::ovaryasluby1Click);
  addItem(menu, QStringLiteral("&Sadzby DPH"), "SadzbyDPH1", &TForm1Menu::SadzbyDPH1Click);
  addItem(menu, QStringLiteral("&Číslovanie faktúr"), "slovaniefaktr1", &TForm1Menu::slovaniefaktr1Click);
  addItem(menu, QStringLiteral("ú&Daje o Vašej firme"), "dajeoVaejfirme1", &TForm1Menu::dajeoVaejfirme1Click);
  addItem(menu, QStringLiteral("n&Astaviteľné údaje faktúr"), "nastavitendajefaktr1",
          &TForm1Menu::nastavitendajefaktr1Click);
  addItem(menu, QStringLiteral("nastavenie typu tlačiarn&E"), "nastavenietyputlaiarne1",
          &TForm1Menu::nastavenietyputlaiarne1Click);
  addItem(menu, QStringLiteral("&Koniec programu"), "Koniecprogramu1", &TForm1Menu::Koniecprogramu1Click);
}

void TForm1Menu::setupClosingMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Uzávierky"));
  menu->setObjectName(QStringLiteral("Uzvierky1"));
  menu->menuAction()->setObjectName(QStringLiteral("Uzvierky1"));
  addItem(menu, QStringLiteral("Celková uzávierka"), "Celkovuzvierka1", &TForm1Menu::Celkovuzvierka1Click);
}

void TForm1Menu::setupAuthorMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Autor"));
  menu->setObjectName(QStringLiteral("Podmienkypouvaniaprogramu1"));
  menu->menuAction()->setObjectName(QStringLiteral("Podmienkypouvaniaprogramu1"));
  addItem(menu, QStringLiteral("&Podmienky používania programu"), "Podmienkypouvaniaprogramu2",
          &TForm1Menu::Podmienkypouvaniaprogramu2Click);
}

void TForm1Menu::setupFirstStartMenu() {
  // The caption ends in a space.
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Prvý štart "));
  menu->setObjectName(QStringLiteral("Pokynypriprvomtarteprogramu1"));
  menu->menuAction()->setObjectName(QStringLiteral("Pokynypriprvomtarteprogramu1"));
  addItem(menu, QStringLiteral("&Pokyny pri prvom štarte programu"), "Pokynypriprvomtarteprogramu2",
          &TForm1Menu::Pokynypriprvomtarteprogramu2Click);
}

// C:\TEMP becomes the current folder, which the programs started from here
// inherit and where the catalogue library writes its journal. When it is
// missing it is created for the next start; this run stays where it is.
void TForm1Menu::FormCreate() {
  if (setCurrentFolder("C:\\TEMP") != 0) (void)createFolder("C:\\TEMP");
  (void)m_starter.start("C:\\DOVODO\\STAVAK.EXE", ShowMode::Hide);
}

void TForm1Menu::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FormShow();
}

// Queued so that the menu drops down from the window once it is on screen.
void TForm1Menu::FormShow() {
  QMetaObject::invokeMethod(this, &TForm1Menu::dropFirstMenu, Qt::QueuedConnection);
}

void TForm1Menu::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

// Modifier keys are ignored: Shift+F10 is F10. While a menu is dropped down
// the keys belong to it.
void TForm1Menu::FormKeyDown(QKeyEvent* event) {
  if (QApplication::activePopupWidget() != nullptr) {
    event->ignore();
    return;
  }
  switch (event->key()) {
    case Qt::Key_F10:
      dropFirstMenu();
      break;
    case Qt::Key_F12:
      Pokynypriprvomtarteprogramu2Click();
      break;
    case Qt::Key_Escape:
      close();
      break;
    default:
      event->ignore();
      return;
  }
  event->accept();
}

bool TForm1Menu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == m_label1) Label1Click();
    else if (watched == m_label2) Label2Click();
    else if (watched == m_label3) Label3Click();
    else if (watched == m_image1) Image1Click();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1Menu::ReturnToMenu() {
  activateWindow();
  setFocus(Qt::OtherFocusReason);
  dropFirstMenu();
}

// As Alt+V: the first visible top-level menu whose accelerator letter is V.
void TForm1Menu::dropFirstMenu() {
  const QKeySequence altV(Qt::ALT | Qt::Key_V);
  for (QAction* action : menuBar()->actions()) {
    if (action->isVisible() && QKeySequence::mnemonic(action->text()) == altV) {
      menuBar()->setActiveAction(action);
      return;
    }
  }
}

// A window that is not there yet shows nothing; the user is still put back
// into the first menu, as after the window.
void TForm1Menu::showModalThenReturn(QDialog* form) {
  if (form != nullptr) forms::showModal(*form);
  ReturnToMenu();
}

void TForm1Menu::showModalOnly(QDialog* form) {
  if (form != nullptr) forms::showModal(*form);
}

void TForm1Menu::startMaximized(const char* commandLine) { (void)m_starter.start(commandLine, ShowMode::Maximized); }

void TForm1Menu::viewReport(const char* reportPath) {
  new ReportViewStart(m_starter, reportPath, m_converterWaitLimit, this);
}

void TForm1Menu::Faktry1Click() { startMaximized("C:\\DOVODO\\VYSTAVA.PIF"); }
void TForm1Menu::prezeranieatlavytvorenejfaktry1Click() { viewReport("C:\\DOVODO\\DATA\\TOVARVYD.SPL"); }
void TForm1Menu::Knihafaktr1Click() { startMaximized("C:\\DOVODO\\EVIDENC.PIF"); }
void TForm1Menu::prezeranieatlaspracovanejknihyfaktr1Click() { viewReport("C:\\DOVODO\\DATA\\KNIHAFAK.SPL"); }
void TForm1Menu::Nastaveniespsobuhradyfaktry1Click() { showModalThenReturn(m_windows.form4); }
void TForm1Menu::pravapevnhokoncafaktry1Click() { showModalThenReturn(m_windows.form5); }
void TForm1Menu::Partneri1Click() { startMaximized("C:\\DOVODO\\ADRESAR.PIF"); }
void TForm1Menu::ovaryasluby1Click() { startMaximized("C:\\DOVODO\\SORTIM.PIF"); }
void TForm1Menu::SadzbyDPH1Click() { showModalOnly(m_windows.formSadzbyDPH); }
void TForm1Menu::slovaniefaktr1Click() { showModalThenReturn(m_windows.form11CislaFaktur); }
void TForm1Menu::dajeoVaejfirme1Click() { showModalThenReturn(m_windows.form12UdajeOFirme); }
void TForm1Menu::nastavitendajefaktr1Click() { showModalThenReturn(m_windows.form13NastavitelneUdajeFaktury); }
void TForm1Menu::nastavenietyputlaiarne1Click() { showModalThenReturn(m_windows.form6DruhTlaciarne); }
void TForm1Menu::Koniecprogramu1Click() { close(); }
void TForm1Menu::Celkovuzvierka1Click() { showModalOnly(m_windows.formCelkovaUzavierka); }
void TForm1Menu::Podmienkypouvaniaprogramu2Click() { showModalThenReturn(m_windows.form3); }
void TForm1Menu::Pokynypriprvomtarteprogramu2Click() { showModalThenReturn(m_windows.form2); }
void TForm1Menu::Label1Click() { dropFirstMenu(); }
void TForm1Menu::Label2Click() { close(); }
void TForm1Menu::Label3Click() { Pokynypriprvomtarteprogramu2Click(); }
void TForm1Menu::Image1Click() { dropFirstMenu(); }

}  // namespace vortena::shell
