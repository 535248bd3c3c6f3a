#include "forms/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/io_error.h"

namespace vortena::forms {

namespace {

BoxHook g_boxHook = nullptr;

void runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  if (g_boxHook != nullptr) g_boxHook(box);
  box.exec();
}

}  // namespace

void beep() { QApplication::beep(); }

void showWarning(QWidget* parent, const QString& text) { runBox(parent, QMessageBox::Warning, text); }

void showIoError(QWidget* parent, const IoError& error) {
  runBox(parent, QMessageBox::Critical, QString::fromStdString(error.userMessage()));
}

void setBoxHook(BoxHook hook) { g_boxHook = hook; }

}  // namespace vortena::forms
