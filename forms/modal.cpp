#include "forms/modal.h"

#include <QDialog>

namespace vortena::forms {

int showModal(QDialog& form) {
  form.setWindowModality(Qt::ApplicationModal);
  return form.exec();
}

}  // namespace vortena::forms
