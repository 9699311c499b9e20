// Taboutfrm and its shadowed labels.
#include "app/gui/AboutForm.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace morvane {

namespace {

QFont nameFont() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(43);
  font.setBold(true);
  font.setStyleHint(QFont::Serif);
  return font;
}

constexpr QPoint kShadowOffset(3, 3);
const QColor kShadowColour(0, 0, 0, 110);
const QColor kNameColour(0, 64, 96);

}  // namespace

ShadowLabel::ShadowLabel(const QString& text, bool curved, QWidget* parent)
    : QWidget(parent), text_(text), curved_(curved) {
  setFont(nameFont());
  setAttribute(Qt::WA_TranslucentBackground);
}

void ShadowLabel::setAngle(int degrees) {
  angle_ = degrees;
  update();
}

void ShadowLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font());
  const QFontMetrics metrics(font());
  if (!curved_) {
    const QPoint origin(0, metrics.ascent());
    painter.setPen(kShadowColour);
    painter.drawText(origin + kShadowOffset, text_);
    painter.setPen(kNameColour);
    painter.drawText(origin, text_);
    return;
  }
  // Along an arc around the lower centre: the text is centred on the current angle,
  // each character standing upright on the circle.
  const QPointF centre(width() / 2.0, height() - 4.0);
  const double radius = std::max(10.0, height() - 4.0 - metrics.ascent() * 0.5);
  const double total = metrics.horizontalAdvance(text_) / radius;  // radians
  double position = qDegreesToRadians(static_cast<double>(angle_)) - total / 2;
  for (const QChar c : text_) {
    const double advance = metrics.horizontalAdvance(c) / radius;
    const double middle = position + advance / 2;
    for (const bool shadow : {true, false}) {
      painter.save();
      painter.translate(centre + (shadow ? QPointF(kShadowOffset) : QPointF()));
      painter.rotate(qRadiansToDegrees(middle));
      painter.translate(-metrics.horizontalAdvance(c) / 2.0, -radius);
      painter.setPen(shadow ? kShadowColour : kNameColour);
      painter.drawText(QPointF(0, 0), QString(c));
      painter.restore();
    }
    position += advance;
  }
}

Taboutfrm::Taboutfrm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutfrm"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(kWidth, kHeight);

  const QFontMetrics metrics(nameFont());
  auto place = [&](ShadowLabel* label, int x, int y, const QString& text) {
    label->setGeometry(x, y, metrics.horizontalAdvance(text) + kShadowOffset.x() + 2,
                       metrics.height() + kShadowOffset.y());
  };
  const QString first = QStringLiteral("Mor");
  const QString second = QStringLiteral("va");
  const QString third = QStringLiteral("ne");
  auto* label1 = new ShadowLabel(first, false, this);
  auto* label2 = new ShadowLabel(second, false, this);
  place(label1, 40, 30, first);
  place(label2, label1->geometry().right() + 1, 30, second);
  curved_ = new ShadowLabel(third, true, this);
  curved_->setObjectName(QStringLiteral("curvedLabel"));
  curved_->setGeometry(label2->geometry().right() - 4, 8, 110, 110);

  auto* version = new QLabel(QStringLiteral("ver. 1.0b"), this);
  version->setGeometry(40, 120, 200, 20);
  auto* credit = new QLabel(QStringLiteral("C to Pascal translator, by the Morvane developers"), this);
  credit->setGeometry(40, 150, 380, 20);

  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &Taboutfrm::tick);
}

void Taboutfrm::tick() {
  const int angle = curved_->angle();
  curved_->setAngle(angle == 360 ? 0 : angle + kTurnPerTick);
}

void Taboutfrm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, QColor(0, 128, 128));  // teal
  gradient.setColorAt(1, Qt::white);
  painter.fillRect(rect(), gradient);
}

void Taboutfrm::showEvent(QShowEvent* event) {
  timer_.start();
  QDialog::showEvent(event);
}

void Taboutfrm::hideEvent(QHideEvent* event) {
  timer_.stop();
  QDialog::hideEvent(event);
}

}  // namespace morvane
