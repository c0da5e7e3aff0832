#pragma once

#include <QWidget>

class QWindow;

namespace tabulo {

class TitlePanel;

// The splash window shown while the program starts: borderless, always on
// top, centred on the screen, with the program's title face. It closes and
// deletes itself as soon as it loses activation or another window of the
// program becomes active, or when it is closed.
class TSplashWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 337, kHeight = 138;

  TSplashWindow();

  // Creates the splash, shows it and paints it at once (before the event
  // loop runs). The window owns itself; the pointer is for closing it early.
  static TSplashWindow* ShowAtStart();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ConnectEvents();
  void ApplicationFocusWindowChanged(QWindow* window);

  TitlePanel* PanelTitle;
  bool m_wasActive = false;
};

}  // namespace tabulo
