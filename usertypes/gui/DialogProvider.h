// The file dialogs and message boxes of the windows behind one small interface, so
// that tests can answer them without blocking. The default shows the Qt dialogs;
// the types window and the main window both use it.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <filesystem>

class QWidget;

namespace morvane {

class DialogProvider {
 public:
  virtual ~DialogProvider() = default;

  // The chosen file, or an empty string when the user cancels. An empty filter list
  // means no file-type filter; an empty folder leaves the dialog's folder as it was.
  virtual QString chooseOpenFile(QWidget* parent, const QString& folder, const QStringList& filters);
  virtual QString chooseSaveFile(QWidget* parent, const QString& folder, const QStringList& filters);
  // A failure the user must acknowledge.
  virtual void showError(QWidget* parent, const QString& text);

  // The provider used when a window is given none (the Qt dialogs).
  static DialogProvider& standard();
};

// A file name from a dialog as the file system spells it.
inline std::filesystem::path toPath(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

}  // namespace morvane
