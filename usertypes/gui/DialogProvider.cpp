// The standard dialog provider: QFileDialog and QMessageBox.
#include "usertypes/gui/DialogProvider.h"

#include <QFileDialog>
#include <QMessageBox>

namespace morvane {

QString DialogProvider::chooseOpenFile(QWidget* parent, const QString& folder, const QStringList& filters) {
  return QFileDialog::getOpenFileName(parent, {}, folder, filters.join(QStringLiteral(";;")));
}

QString DialogProvider::chooseSaveFile(QWidget* parent, const QString& folder, const QStringList& filters) {
  return QFileDialog::getSaveFileName(parent, {}, folder, filters.join(QStringLiteral(";;")));
}

void DialogProvider::showError(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QStringLiteral("Morvane"), text);
}

DialogProvider& DialogProvider::standard() {
  static DialogProvider provider;
  return provider;
}

}  // namespace morvane
