#pragma once
// The boxes and the sound the windows use to tell the user something.

#include <QString>

class QMessageBox;
class QWidget;

namespace vortena {
class IoError;
}

namespace vortena::forms {

// The system's default beep.
void beep();

// A modal warning box (warning icon, the application's title) with a single
// OK button, which is also the default. Returns when the box is closed.
void showWarning(QWidget* parent, const QString& text);

// The application's standard error box for an input/output error: names the
// file and the cause. The program goes on afterwards.
void showIoError(QWidget* parent, const IoError& error);

// Called with every box just before it runs, so a test can close it; null
// (the default) leaves the boxes to the user.
using BoxHook = void (*)(QMessageBox& box);
void setBoxHook(BoxHook hook);

}  // namespace vortena::forms
