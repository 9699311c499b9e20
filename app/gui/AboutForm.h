// Taboutfrm, the "About" window: a teal-to-white gradient, the name "Morvane" in
// three shadowed labels, the third drawn along a curve that turns 12 degrees every
// 100 ms while the window is shown, the version and a credit line.
#pragma once

#include <QDialog>
#include <QTimer>

namespace morvane {

// A label drawn with a drop shadow: straight, or along an arc of the given radius
// around the point below the text (the widget's centre), turned by angle().
class ShadowLabel : public QWidget {
  Q_OBJECT

 public:
  ShadowLabel(const QString& text, int curveRadius, QWidget* parent = nullptr);

  int angle() const noexcept { return angle_; }
  void setAngle(int degrees);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  int curveRadius_;  // 0: straight
  int angle_ = 0;
};

class Taboutfrm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 434;
  static constexpr int kHeight = 195;
  static constexpr int kTickMilliseconds = 100;
  static constexpr int kTurnPerTick = 12;

  explicit Taboutfrm(QWidget* parent = nullptr);

  ShadowLabel* curvedLabel() const { return curved_; }
  const QTimer& timer() const { return timer_; }

 public slots:
  void tick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  ShadowLabel* curved_;
  QTimer timer_;
};

}  // namespace morvane
