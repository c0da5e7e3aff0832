#include "ui/app/ProgressBarSink.h"

#include <QProgressBar>

namespace tabulo::ui {

void ProgressBarSink::ShowProgress(int percent) {
  if (!m_bar->isVisible()) {
    m_bar->setRange(0, 100);
    m_bar->show();
    m_bar->raise();
  } else if (m_sincePaint.isValid() && m_sincePaint.elapsed() < kPaintIntervalMs) {
    return;  // the eye cannot follow more steps; painting each would slow the work down
  }
  m_bar->setValue(percent);  // paints at once when the bar visibly changes
  m_bar->repaint();
  m_sincePaint.start();
}

void ProgressBarSink::HideProgress() {
  m_bar->hide();
  m_sincePaint.invalidate();
}

}  // namespace tabulo::ui
