// GripSplitter and its handle.
#include "app/gui/GripSplitter.h"

#include <QPainter>
#include <QSplitterHandle>

namespace morvane {

namespace {

class GripHandle : public QSplitterHandle {
 public:
  using QSplitterHandle::QSplitterHandle;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    // Two rows of raised dots, 30 pixels wide, across the middle.
    const bool vertical = orientation() == Qt::Vertical;
    const int length = vertical ? width() : height();
    const int depth = vertical ? height() : width();
    const int first = length / 2 - 15;
    for (int along = first; along < first + 30; along += 4) {
      for (int across = depth / 2 - 2; across <= depth / 2 + 1; across += 3) {
        const QPoint dot = vertical ? QPoint(along, across) : QPoint(across, along);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawPoint(dot);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawPoint(dot + QPoint(1, 1));
      }
    }
  }
};

}  // namespace

QSplitterHandle* GripSplitter::createHandle() { return new GripHandle(orientation(), this); }

}  // namespace morvane
