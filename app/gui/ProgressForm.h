// Tprogressfrm, the "Progress" window of a translation (always on top, one progress
// bar `bar` with its percentage), and WindowProgress, the progress step that drives
// it from the reduce actions.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <cstdint>
#include <functional>

#include "translate/CYaccClass.h"

class QProgressBar;

namespace morvane {

class Tprogressfrm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 304;
  static constexpr int kHeight = 99;

  explicit Tprogressfrm(QWidget* parent = nullptr);

  QProgressBar* bar() const { return bar_; }
  // False while a run is under way: the window then refuses to close.
  bool TranslationDone = true;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // Escape goes through close, and so through the guard

 private:
  QProgressBar* bar_;
};

// Sets the bar and lets the window system run between reductions. The event pump is
// throttled: a reduction runs it only when kPumpInterval has passed since the last,
// and the clock is read only every kClockStride reductions (a reduction takes well
// under a microsecond).
class WindowProgress : public TranslationProgress {
 public:
  static constexpr std::int64_t kPumpInterval = 10;  // milliseconds
  static constexpr int kClockStride = 64;

  void setWindow(Tprogressfrm* window) { window_ = window; }

  void setPercent(std::int32_t percent) override;
  void pump() override;
  // Called after each pump's event pass (tests use it to act in mid-run).
  void setAfterPump(std::function<void()> afterPump) { afterPump_ = std::move(afterPump); }
  // A new run pumps on its first reduction.
  void restart() {
    sincePump_.invalidate();
    untilClock_ = 0;
    shown_ = -1;
  }

 private:
  Tprogressfrm* window_ = nullptr;
  int untilClock_ = 0;
  std::int32_t shown_ = -1;  // the value the bar has
  QElapsedTimer sincePump_;
  std::function<void()> afterPump_;
};

}  // namespace morvane
