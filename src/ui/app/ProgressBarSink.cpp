#include "ui/app/ProgressBarSink.h"

#include <QProgressBar>

namespace tabulo::ui {

void ProgressBarSink::ShowProgress(int percent) {
  if (!m_running.isValid()) {
    m_running.start();
    return;
  }
  if (!m_bar->isVisible()) {
    if (m_running.elapsed() < kShowAfterMs) return;  // work this short is over before the bar would be seen
    m_bar->setRange(0, 100);
    m_bar->show();
    m_bar->raise();
  } else if (m_sincePaint.elapsed() < kPaintIntervalMs) {
    return;  // the eye cannot follow more steps; painting each would slow the work down
  }
  m_bar->setValue(percent);
  m_bar->repaint();
  m_sincePaint.start();
}

void ProgressBarSink::HideProgress() {
  m_bar->hide();
  m_running.invalidate();
}

}  // namespace tabulo::ui
