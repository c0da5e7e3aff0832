#pragma once

#include "core/base/Progress.h"

class QProgressBar;

namespace tabulo::ui {

// The status bar's progress bar `PB1` as long operations see it: shown over
// the status bar while they run, painted at once on every change.
class ProgressBarSink final : public ProgressSink {
 public:
  explicit ProgressBarSink(QProgressBar* bar) : m_bar(bar) {}
  void ShowProgress(int percent) override;
  void HideProgress() override;

 private:
  QProgressBar* m_bar;
};

}  // namespace tabulo::ui
