// The forms layer: text conversions at the widget edge and the boxes.

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "forms/message_boxes.h"
#include "forms/modal.h"
#include "forms/text_bytes.h"
#include "platform/io_error.h"

using namespace vortena;

namespace {

struct SeenBox {
  int count = 0;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QList<QAbstractButton*>::size_type buttons = 0;
  bool okIsDefault = false;
};
SeenBox g_seen;

void recordAndClose(QMessageBox& box) {
  ++g_seen.count;
  g_seen.icon = box.icon();
  g_seen.text = box.text();
  g_seen.buttons = box.buttons().size();
  g_seen.okIsDefault = box.defaultButton() == box.button(QMessageBox::Ok);
  QTimer::singleShot(0, &box, &QMessageBox::accept);
}

}  // namespace

class FormsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    g_seen = SeenBox{};
    forms::setBoxHook(&recordAndClose);
  }
  void cleanup() { forms::setBoxHook(nullptr); }

  void codePageBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("win1250");
    QTest::addColumn<QByteArray>("dos852");
    QTest::newRow("ascii") << QStringLiteral("Faktura 12") << QByteArray("Faktura 12") << QByteArray("Faktura 12");
    QTest::newRow("slovak") << QStringLiteral("Číslo účtu ľ ô ŕ")
                            << QByteArray("\xC8\xEDslo \xFA\xE8tu \xBE \xF4 \xE0")
                            << QByteArray("\xAC\xA1slo \xA3\x9Ftu \x96 \x93 \xEA");
  }
  void codePageBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, win1250);
    QFETCH(QByteArray, dos852);
    QCOMPARE(QByteArray::fromStdString(forms::toWin1250(text)), win1250);
    QCOMPARE(QByteArray::fromStdString(forms::toDos852(text)), dos852);
    QCOMPARE(forms::fromWin1250(win1250.toStdString()), text);
    QCOMPARE(forms::fromDos852(dos852.toStdString()), text);
  }

  void unmappableBecomesQuestionMark() {
    QCOMPARE(QByteArray::fromStdString(forms::toWin1250(QStringLiteral("a\u20AC\u4E2Db"))), QByteArray("a\x80?b"));
    QCOMPARE(QByteArray::fromStdString(forms::toDos852(QStringLiteral("\u20AC"))), QByteArray("?"));
  }

  void warningHasOneDefaultOkButton() {
    forms::showWarning(nullptr, QStringLiteral("  2 Chyba pri reset parametra P5"));
    QCOMPARE(g_seen.count, 1);
    QCOMPARE(g_seen.icon, QMessageBox::Warning);
    QCOMPARE(g_seen.text, QStringLiteral("  2 Chyba pri reset parametra P5"));
    QCOMPARE(g_seen.buttons, 1);
    QVERIFY(g_seen.okIsDefault);
  }

  void ioErrorBoxNamesFileAndCause() {
    const IoError error(100, IoOperation::Read, "C:\\DOVODO\\DATA\\SADZDPH.DAT");
    forms::showIoError(nullptr, error);
    QCOMPARE(g_seen.count, 1);
    QCOMPARE(g_seen.text, QString::fromStdString(error.userMessage()));
    QVERIFY(g_seen.text.contains(QStringLiteral("C:\\DOVODO\\DATA\\SADZDPH.DAT")));
    QCOMPARE(g_seen.buttons, 1);
  }

  void modalReturnsTheWindowsResult() {
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
      QVERIFY(dialog.isModal());
      dialog.done(7);
    });
    QCOMPARE(forms::showModal(dialog), 7);
    QVERIFY(!dialog.isVisible());
  }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
