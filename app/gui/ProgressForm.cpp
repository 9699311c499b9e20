// Tprogressfrm and WindowProgress.
#include "app/gui/ProgressForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace morvane {

Tprogressfrm::Tprogressfrm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("progressfrm"));
  setWindowTitle(QStringLiteral("Progress"));
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(kWidth, kHeight);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("bar"));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(true);
  bar_->setFormat(QStringLiteral("%p%"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->addWidget(bar_);
}

void Tprogressfrm::closeEvent(QCloseEvent* event) {
  // Closing only hides the window (it lives for the whole program), and not before
  // the run has ended.
  if (TranslationDone) {
    event->accept();
  } else {
    event->ignore();
  }
}

void Tprogressfrm::reject() {
  if (TranslationDone) QDialog::reject();
}

void WindowProgress::setPercent(std::int32_t percent) {
  // The percentage itself is not clamped (a line past the editor's last gives more
  // than 100); the bar shows what it can.
  const std::int32_t value = std::clamp(percent, 0, 100);
  if (value == shown_ || window_ == nullptr) return;
  shown_ = value;
  window_->bar()->setValue(value);
}

void WindowProgress::pump() {
  if (untilClock_ > 0) {
    --untilClock_;
    return;
  }
  untilClock_ = kClockStride;
  if (sincePump_.isValid() && sincePump_.elapsed() < kPumpInterval) return;
  QCoreApplication::processEvents();
  if (afterPump_) afterPump_();
  sincePump_.start();
}

}  // namespace morvane
