// The desktop program: the main window, and a C file from the command line opened
// in its C editor.
#include <QApplication>
#include <QStringList>

#include "app/gui/MainForm.h"
#include "app/gui/SyntaxMemo.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Morvane"));
  morvane::TMainForm window;
  window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) window.openInto(window.Cmemo(), arguments.at(1));
  return QApplication::exec();
}
