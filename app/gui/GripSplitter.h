// A splitter whose handle shows a bump grip in its middle, as the main window's
// two editor panes have.
#pragma once

#include <QSplitter>

namespace morvane {

class GripSplitter : public QSplitter {
  Q_OBJECT

 public:
  using QSplitter::QSplitter;

 protected:
  QSplitterHandle* createHandle() override;
};

}  // namespace morvane
