#pragma once
// Showing one of the program's windows modally. Every window is created
// once at start-up and shown again by each command; while it is shown the
// main window takes no input.

class QDialog;

namespace vortena::forms {

// Shows the window application-modal and returns its result once it closes.
int showModal(QDialog& form);

}  // namespace vortena::forms
