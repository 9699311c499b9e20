// HelpWindow.
#include "app/gui/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help page is a resource of the windows' static library: it must be asked for
// by name, or the linker leaves it out of the program.
static void initHelpResource() { Q_INIT_RESOURCE(morvane); }

namespace morvane {

const char* const HelpWindow::kHelpFile = "qrc:/help/morvanehelp.html";

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  initHelpResource();
  setObjectName(QStringLiteral("helpwindow"));
  setWindowTitle(QStringLiteral("Morvane Help"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(560, 480);
}

void HelpWindow::showTopic(const QString& topic) {
  QUrl url(QString::fromLatin1(kHelpFile));
  url.setFragment(topic);
  browser_->setSource(url);
  browser_->scrollToAnchor(topic);
  show();
  raise();
  activateWindow();
}

}  // namespace morvane
