#include "ui/app/SplashWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include "ui/app/OwnerCentre.h"
#include "ui/app/TitlePanel.h"

namespace tabulo {
namespace {

constexpr int kLinesTop = 12;

}  // namespace

TSplashWindow::TSplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TSplashWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the splash before the main window is shown must not end the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(kWidth, kHeight);
  PanelTitle = new TitlePanel(this, size(), kLinesTop);
  MoveToOwnerCentre(this, nullptr);
  ConnectEvents();
}

void TSplashWindow::ConnectEvents() {
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TSplashWindow::ApplicationFocusWindowChanged);
}

TSplashWindow* TSplashWindow::ShowAtStart() {
  auto* splash = new TSplashWindow;
  splash->show();
  splash->raise();
  splash->repaint();
  QCoreApplication::processEvents();
  return splash;
}

void TSplashWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    m_wasActive = true;
  } else if (m_wasActive) {
    close();
  }
}

void TSplashWindow::ApplicationFocusWindowChanged(QWindow* window) {
  // The desktop may never activate a splash window at all; the main window
  // becoming active ends the splash just the same.
  if (window != nullptr && window != windowHandle()) close();
}

}  // namespace tabulo
