#include "ui/app/ProgressBarSink.h"

#include <QProgressBar>

namespace tabulo::ui {

void ProgressBarSink::ShowProgress(int percent) {
  if (!m_bar->isVisible()) {
    m_bar->setRange(0, 100);
    m_bar->show();
    m_bar->raise();
  }
  m_bar->setValue(percent);
  m_bar->repaint();
}

void ProgressBarSink::HideProgress() { m_bar->hide(); }

}  // namespace tabulo::ui
