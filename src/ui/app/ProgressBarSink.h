#pragma once

#include <QElapsedTimer>

#include "core/base/Progress.h"

class QProgressBar;

namespace tabulo::ui {

// The status bar's progress bar `PB1` as long operations see it: shown over
// the status bar once an operation has run for a moment, and painted at once,
// at most every 100 ms.
class ProgressBarSink final : public ProgressSink {
 public:
  explicit ProgressBarSink(QProgressBar* bar) : m_bar(bar) {}
  void ShowProgress(int percent) override;
  void HideProgress() override;

 private:
  static constexpr qint64 kShowAfterMs = 250;
  static constexpr qint64 kPaintIntervalMs = 100;
  QProgressBar* m_bar;
  QElapsedTimer m_running;
  QElapsedTimer m_sincePaint;
};

}  // namespace tabulo::ui
