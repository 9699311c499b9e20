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

ShadowLabel::ShadowLabel(const QString& text, int curveRadius, QWidget* parent)
    : QWidget(parent), text_(text), curveRadius_(curveRadius) {
  setFont(nameFont());
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
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
  if (curveRadius_ == 0) {
    const QPoint origin(0, metrics.ascent());
    painter.setPen(kShadowColour);
    painter.drawText(origin + kShadowOffset, text_);
    painter.setPen(kNameColour);
    painter.drawText(origin, text_);
    return;
  }
  // Along the arc: the text is centred on the current angle (0 is straight above the
  // centre), each character standing on the circle.
  const QPointF centre = QRectF(rect()).center();
  const double radius = curveRadius_;
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

  // "Mor" and "va" side by side; "ne" after them on a circle whose centre lies below
  // its baseline, so that at angle 0 the three read as one word.
  const QFontMetrics metrics(nameFont());
  constexpr int kLeft = 40;
  constexpr int kTop = 22;
  constexpr int kCurveRadius = 34;
  auto place = [&](ShadowLabel* label, int x, const QString& text) {
    label->setGeometry(x, kTop, metrics.horizontalAdvance(text) + kShadowOffset.x() + 2,
                       metrics.height() + kShadowOffset.y());
  };
  const QString first = QStringLiteral("Mor");
  const QString second = QStringLiteral("va");
  const QString third = QStringLiteral("ne");
  auto* label1 = new ShadowLabel(first, 0, this);
  auto* label2 = new ShadowLabel(second, 0, this);
  place(label1, kLeft, first);
  place(label2, kLeft + metrics.horizontalAdvance(first), second);
  curved_ = new ShadowLabel(third, kCurveRadius, this);
  curved_->setObjectName(QStringLiteral("curvedLabel"));
  const int centreX = kLeft + metrics.horizontalAdvance(first + second) + metrics.horizontalAdvance(third) / 2;
  const int centreY = kTop + metrics.ascent() + kCurveRadius;
  const int half = kCurveRadius + metrics.height() + kShadowOffset.y() + 4;
  curved_->setGeometry(centreX - half, centreY - half, 2 * half, 2 * half);

  auto* version = new QLabel(QStringLiteral("ver. 1.0b"), this);
  version->setGeometry(kLeft, 128, 200, 20);
  auto* credit = new QLabel(QStringLiteral("C to Pascal translator, by the Morvane developers"), this);
  credit->setGeometry(kLeft, 168, 380, 20);

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
