// The help window: the bundled HTML help (a Qt resource) in a browser, opened at a
// topic, which is an anchor of the help page.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace morvane {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  static const char* const kHelpFile;  // the resource holding the help page

  explicit HelpWindow(QWidget* parent = nullptr);

  void showTopic(const QString& topic);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace morvane
