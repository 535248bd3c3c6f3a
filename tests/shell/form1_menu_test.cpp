// The main window: its menus, keys, clicks, size limits, creation and the
// programs its commands start (through a recording starter).

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "shell/form1_menu.h"
#include "tests/shell/recording_starter.h"
#include "tests/support/temp_drive.h"

using namespace vortena;
using vortena::shell::TForm1Menu;
using vortena::testing::RecordingStarter;

Q_DECLARE_METATYPE(vortena::ShowMode)

namespace {

constexpr std::chrono::milliseconds kShortWait{300};

QMenu* firstMenu(TForm1Menu& window) { return window.findChild<QMenu*>(QStringLiteral("Vstupdajovaspracovanie1")); }

// The windows on screen other than the main window and its menus.
int otherVisibleWindows(const QWidget& window) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget != &window && widget->isVisible() && qobject_cast<QMenu*>(widget) == nullptr) ++count;
  }
  return count;
}

void closeAnyMenu() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace

class Form1MenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_drive = std::make_unique<vortena::testing::TempDrive>();
    m_starter = std::make_unique<RecordingStarter>();
  }
  void cleanup() {
    closeAnyMenu();
    m_window.reset();
    m_starter.reset();
    m_drive.reset();
  }

  void createWithoutTempCreatesItAndStays() {
    const auto before = std::filesystem::current_path();
    makeWindow();
    QVERIFY(m_drive->exists("C:\\TEMP"));
    QCOMPARE(std::filesystem::current_path(), before);
    QCOMPARE(m_starter->starts.size(), std::size_t{1});
    QCOMPARE(m_starter->starts[0].commandLine, std::string("C:\\DOVODO\\STAVAK.EXE"));
    QCOMPARE(m_starter->starts[0].mode, ShowMode::Hide);
  }

  void createWithTempEntersIt() {
    m_drive->makeFolder("C:\\TEMP");
    makeWindow();
    QCOMPARE(std::filesystem::current_path(), std::filesystem::canonical(m_drive->root() / "TEMP"));
    QCOMPARE(m_starter->starts.size(), std::size_t{1});
    QCOMPARE(m_starter->starts[0].mode, ShowMode::Hide);
  }

  void windowLayout() {
    makeWindow();
    QCOMPARE(m_window->windowTitle().left(35), QStringLiteral("VORTENA - verzia  EU 2004.02  ZIPEL"));
    QVERIFY(m_window->windowTitle().size() > 35);
    QVERIFY(!m_window->windowIcon().isNull());
    const struct {
      const char* name;
      QRect place;
      const char* text;
      int fontHeight;
    } parts[] = {
        {"Image1", QRect(216, 72, 105, 105), "", 0},
        {"Label1", QRect(272, 168, 97, 20), "F10 - Ponuka", 16},
        {"Label2", QRect(384, 168, 99, 20), "ESC - Koniec", 16},
        {"Label3", QRect(272, 192, 184, 13), "F12 - Pokyny pri prvom štarte programu", 12},
    };
    for (const auto& part : parts) {
      auto* label = m_window->findChild<QLabel*>(QString::fromLatin1(part.name));
      QVERIFY2(label != nullptr, part.name);
      QCOMPARE(label->geometry(), part.place);
      if (part.fontHeight == 0) {
        QCOMPARE(label->pixmap().size(), QSize(32, 32));
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        continue;
      }
      QCOMPARE(label->text(), QString::fromUtf8(part.text));
      // The designed height is the character cell's: the face's line height
      // fits it, and is not much smaller.
      const int lineHeight = QFontMetrics(label->font()).height();
      QVERIFY(lineHeight <= part.fontHeight);
      QVERIFY(lineHeight > part.fontHeight - 4);
      QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= part.place.width());
      QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
  }

  void sizeLimits() {
    makeWindow();
    QCOMPARE(m_window->size(), QSize(500, 240));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    closeAnyMenu();
    const struct {
      QSize asked;
      QSize got;
    } cases[] = {{{800, 100}, {500, 200}}, {{300, 400}, {500, 300}}, {{500, 250}, {500, 250}}};
    for (const auto& c : cases) {
      m_window->resize(c.asked);
      QCOMPARE(m_window->size(), c.got);
    }
  }

  void menuTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accelerator");
    const char* rows[][3] = {
        {"Vstupdajovaspracovanie1", "&Vstup údajov a spracovanie", "V"},
        {"Faktry1", "&Faktúry", "F"},
        {"prezeranieatlavytvorenejfaktry1", "pre&Zeranie a tlač vytvorenej faktúry", "Z"},
        {"Knihafaktr1", "kn&Iha faktúr", "I"},
        {"prezeranieatlaspracovanejknihyfaktr1", "prezeranie a tlač &Spracovanej knihy faktúr", "S"},
        {"Nastaveniespsobuhradyfaktry1", "&Nastavenie spôsobu úhrady faktúry", "N"},
        {"pravapevnhokoncafaktry1", "&Úprava pevného konca faktúry", "Ú"},
        {"Partneri1", "&Odberatelia", "O"},
        {"ovaryasluby1", "&Tovary a služby", "T"},
        {"SadzbyDPH1", "&Sadzby DPH", "S"},
        {"slovaniefaktr1", "&Číslovanie faktúr", "Č"},
        {"dajeoVaejfirme1", "ú&Daje o Vašej firme", "D"},
        {"nastavitendajefaktr1", "n&Astaviteľné údaje faktúr", "A"},
        {"nastavenietyputlaiarne1", "nastavenie typu tlačiarn&E", "E"},
        {"Koniecprogramu1", "&Koniec programu", "K"},
        {"Uzvierky1", "&Uzávierky", "U"},
        {"Celkovuzvierka1", "Celková uzávierka", ""},
        {"Podmienkypouvaniaprogramu1", "&Autor", "A"},
        {"Podmienkypouvaniaprogramu2", "&Podmienky používania programu", "P"},
        {"Pokynypriprvomtarteprogramu1", "&Prvý štart ", "P"},
        {"Pokynypriprvomtarteprogramu2", "&Pokyny pri prvom štarte programu", "P"},
    };
    for (const auto& row : rows) {
      QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }
  }
  void menuTable() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, accelerator);
    makeWindow();
    auto* action = m_window->findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), caption);
    const QKeySequence expected =
        accelerator.isEmpty() ? QKeySequence() : QKeySequence(QKeyCombination(Qt::ALT, Qt::Key(accelerator.at(0).unicode())));
    QCOMPARE(QKeySequence::mnemonic(action->text()), expected);
  }

  void topMenusInOrder() {
    makeWindow();
    QStringList names;
    for (QAction* action : m_window->menuBar()->actions()) names << action->objectName();
    QCOMPARE(names, QStringList({"Vstupdajovaspracovanie1", "Uzvierky1", "Podmienkypouvaniaprogramu1",
                                 "Pokynypriprvomtarteprogramu1"}));
    QCOMPARE(firstMenu(*m_window)->actions().size(), 14);
  }

  void firstMenuOpenAfterShow() {
    showWindow();
    QTRY_VERIFY(firstMenu(*m_window)->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), firstMenu(*m_window));
  }

  void keysOpenFirstMenu_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Alt+F10") << int(Qt::Key_F10) << int(Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("F12 returns to the menu") << int(Qt::Key_F12) << int(Qt::NoModifier);
    QTest::newRow("Shift+F12") << int(Qt::Key_F12) << int(Qt::ShiftModifier);
  }
  void keysOpenFirstMenu() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    showWindowWithMenuClosed();
    QTest::keyClick(m_window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(firstMenu(*m_window)->isVisible());
    QCOMPARE(otherVisibleWindows(*m_window), 0);
    QVERIFY(m_window->isVisible());
  }

  void clicksOpenFirstMenu_data() {
    QTest::addColumn<QString>("part");
    QTest::newRow("Label1") << "Label1";
    QTest::newRow("Image1") << "Image1";
    QTest::newRow("Label3 returns to the menu") << "Label3";
  }
  void clicksOpenFirstMenu() {
    QFETCH(QString, part);
    showWindowWithMenuClosed();
    QTest::mouseClick(m_window->findChild<QLabel*>(part), Qt::LeftButton);
    QTRY_VERIFY(firstMenu(*m_window)->isVisible());
    QCOMPARE(otherVisibleWindows(*m_window), 0);
  }

  void endingCloseTheWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Shift+Esc") << "Shift+Esc";
    QTest::newRow("Ctrl+Esc") << "Ctrl+Esc";
    QTest::newRow("Label2") << "Label2";
    QTest::newRow("Koniecprogramu1") << "Koniecprogramu1";
  }
  void endingCloseTheWindow() {
    QFETCH(QString, how);
    showWindowWithMenuClosed();
    if (how == "Esc") QTest::keyClick(m_window.get(), Qt::Key_Escape);
    else if (how == "Shift+Esc") QTest::keyClick(m_window.get(), Qt::Key_Escape, Qt::ShiftModifier);
    else if (how == "Ctrl+Esc") QTest::keyClick(m_window.get(), Qt::Key_Escape, Qt::ControlModifier);
    else if (how == "Label2") QTest::mouseClick(m_window->findChild<QLabel*>("Label2"), Qt::LeftButton);
    else m_window->findChild<QAction*>(how)->trigger();
    // The last window closed, which ends the event loop of the program.
    QVERIFY(!m_window->isVisible());
    QVERIFY(QApplication::quitOnLastWindowClosed());
  }

  void keysDoNothingWhileMenuOpen_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("F12") << int(Qt::Key_F12);
  }
  void keysDoNothingWhileMenuOpen() {
    QFETCH(int, key);
    showWindow();
    QTRY_VERIFY(firstMenu(*m_window)->isVisible());
    const std::size_t startsBefore = m_starter->starts.size();
    // Straight to the window, past the menu that would take them.
    QTest::keyClick(m_window.get(), Qt::Key(key));
    QVERIFY(m_window->isVisible());
    QVERIFY(firstMenu(*m_window)->isVisible());
    QCOMPARE(m_starter->starts.size(), startsBefore);
  }

  void moduleCommands_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("Faktry1") << "Faktry1" << "C:\\DOVODO\\VYSTAVA.PIF";
    QTest::newRow("Knihafaktr1") << "Knihafaktr1" << "C:\\DOVODO\\EVIDENC.PIF";
    QTest::newRow("Partneri1") << "Partneri1" << "C:\\DOVODO\\ADRESAR.PIF";
    QTest::newRow("ovaryasluby1") << "ovaryasluby1" << "C:\\DOVODO\\SORTIM.PIF";
  }
  void moduleCommands() {
    QFETCH(QString, item);
    QFETCH(QString, commandLine);
    showWindowWithMenuClosed();
    m_starter->starts.clear();
    m_window->findChild<QAction*>(item)->trigger();
    QTest::qWait(50);
    QCOMPARE(m_starter->starts.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_starter->starts[0].commandLine), commandLine);
    QCOMPARE(m_starter->starts[0].mode, ShowMode::Maximized);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

  void viewPair_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("converter");
    for (const char* converter : {"ends", "fails", "hangs"}) {
      QTest::addRow("invoice, converter %s", converter)
          << "prezeranieatlavytvorenejfaktry1" << "C:\\DOVODO\\DATA\\TOVARVYD.SPL" << converter;
      QTest::addRow("book, converter %s", converter)
          << "prezeranieatlaspracovanejknihyfaktr1" << "C:\\DOVODO\\DATA\\KNIHAFAK.SPL" << converter;
    }
  }
  void viewPair() {
    QFETCH(QString, item);
    QFETCH(QString, report);
    QFETCH(QString, converter);
    makeWindow(converter == "hangs" ? kShortWait : std::chrono::milliseconds(60000));
    m_starter->starts.clear();
    if (converter == "fails") m_starter->refuse("C:\\DOVODO\\PREVODW.EXE");

    QElapsedTimer elapsed;
    elapsed.start();
    m_window->findChild<QAction*>(item)->trigger();
    const std::string converterLine = "C:\\DOVODO\\PREVODW.EXE " + report.toStdString();
    const std::string viewerLine = "C:\\DOVODO\\ZORAK.EXE " + report.toStdString();
    QVERIFY(!m_starter->starts.empty());
    QCOMPARE(m_starter->starts[0].commandLine, converterLine);
    QCOMPARE(m_starter->starts[0].mode, ShowMode::Normal);

    if (converter != "fails") {
      QTest::qWait(150);
      QCOMPARE(m_starter->starts.size(), std::size_t{1});  // still waiting for the converter
      if (converter == "ends") m_starter->endAll();
    }
    QTRY_COMPARE(m_starter->starts.size(), std::size_t{2});
    if (converter == "hangs") QVERIFY(elapsed.elapsed() >= kShortWait.count());
    QCOMPARE(m_starter->starts[1].commandLine, viewerLine);
    QCOMPARE(m_starter->starts[1].mode, ShowMode::Maximized);
    QTest::qWait(250);
    QCOMPARE(m_starter->starts.size(), std::size_t{2});  // started once
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

 private:
  void makeWindow(std::chrono::milliseconds wait = std::chrono::milliseconds(60000)) {
    m_window = std::make_unique<TForm1Menu>(*m_starter, wait);
  }
  void showWindow() {
    makeWindow();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  }
  void showWindowWithMenuClosed() {
    showWindow();
    QTRY_VERIFY(firstMenu(*m_window)->isVisible());
    closeAnyMenu();
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
  }

  std::unique_ptr<vortena::testing::TempDrive> m_drive;
  std::unique_ptr<RecordingStarter> m_starter;
  std::unique_ptr<TForm1Menu> m_window;
};

int runForm1MenuTest(int argc, char** argv) {
  Form1MenuTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "form1_menu_test.moc"
