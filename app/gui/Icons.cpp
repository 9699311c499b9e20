// Icons on a 16 by 16 grid, painted at two sizes.
#include "app/gui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace morvane {

namespace {

void page(QPainter& p, QRectF r) {
  p.setPen(QPen(QColor(70, 70, 70), 0.8));
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setPen(QPen(QColor(150, 150, 150), 0.7));
  for (double y = r.top() + 3; y < r.bottom() - 1; y += 2.5) p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void draw(QPainter& p, ToolIcon icon) {
  p.setRenderHint(QPainter::Antialiasing);
  switch (icon) {
    case ToolIcon::OpenFile: {
      p.setPen(QPen(QColor(120, 90, 20), 0.8));
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(QRectF(1.5, 4.5, 12, 9));
      p.setBrush(QColor(250, 220, 120));
      QPainterPath flap;
      flap.moveTo(3.5, 7.5);
      flap.lineTo(15, 7.5);
      flap.lineTo(13, 13.5);
      flap.lineTo(1.5, 13.5);
      flap.closeSubpath();
      p.drawPath(flap);
      break;
    }
    case ToolIcon::SaveFile:
      p.setPen(QPen(QColor(20, 40, 90), 0.8));
      p.setBrush(QColor(60, 90, 170));
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 1.5, 8, 5));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(4, 9.5, 8, 5));
      break;
    case ToolIcon::Cut:
      p.setPen(QPen(QColor(60, 60, 60), 1.2));
      p.drawLine(QPointF(5, 1.5), QPointF(10.5, 10));
      p.drawLine(QPointF(11, 1.5), QPointF(5.5, 10));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(180, 30, 30), 1.3));
      p.drawEllipse(QPointF(4.5, 12), 2.3, 2.3);
      p.drawEllipse(QPointF(11.5, 12), 2.3, 2.3);
      break;
    case ToolIcon::Copy:
      page(p, QRectF(1.5, 1.5, 8, 10));
      page(p, QRectF(6.5, 4.5, 8, 10));
      break;
    case ToolIcon::Paste:
      p.setPen(QPen(QColor(100, 70, 30), 0.8));
      p.setBrush(QColor(190, 140, 70));
      p.drawRect(QRectF(2.5, 2.5, 10, 12));
      p.setBrush(QColor(160, 160, 160));
      p.drawRect(QRectF(5, 1, 5, 3));
      page(p, QRectF(6.5, 6.5, 8, 8.5));
      break;
    case ToolIcon::CommentLine: {
      QFont font(QStringLiteral("Courier New"));
      font.setPixelSize(9);
      font.setBold(true);
      p.setFont(font);
      p.setPen(QColor(0, 120, 0));
      p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("/**/"));
      break;
    }
    case ToolIcon::Erase:
      p.setPen(QPen(QColor(120, 40, 60), 0.8));
      p.setBrush(QColor(240, 130, 150));
      p.translate(8, 8);
      p.rotate(-35);
      p.drawRect(QRectF(-6, -3, 12, 6));
      p.setBrush(QColor(90, 120, 200));
      p.drawRect(QRectF(-6, -3, 4, 6));
      break;
    case ToolIcon::Translate: {
      p.setPen(QPen(QColor(20, 90, 20), 0.8));
      p.setBrush(QColor(60, 170, 60));
      QPainterPath arrow;
      arrow.moveTo(1.5, 5.5);
      arrow.lineTo(8.5, 5.5);
      arrow.lineTo(8.5, 2);
      arrow.lineTo(14.5, 8);
      arrow.lineTo(8.5, 14);
      arrow.lineTo(8.5, 10.5);
      arrow.lineTo(1.5, 10.5);
      arrow.closeSubpath();
      p.drawPath(arrow);
      break;
    }
    case ToolIcon::Indent:
      p.setPen(QPen(QColor(40, 40, 40), 1.2));
      for (const auto& [x, y] : {std::pair{2.0, 2.5}, {6.0, 5.5}, {6.0, 8.5}, {6.0, 11.5}, {2.0, 14.5}}) {
        p.drawLine(QPointF(x, y), QPointF(14, y));
      }
      p.setPen(QPen(QColor(0, 0, 200), 1.2));
      p.drawLine(QPointF(1.5, 8.5), QPointF(4, 8.5));
      break;
    case ToolIcon::Application: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 128, 128));
      p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
      QFont font(QStringLiteral("Times New Roman"));
      font.setPixelSize(13);
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("M"));
      break;
    }
  }
}

}  // namespace

QIcon toolIcon(ToolIcon icon) {
  QIcon result;
  for (const int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter, icon);
    painter.end();
    result.addPixmap(pixmap);
  }
  return result;
}

}  // namespace morvane
