#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include "ui/app/OwnerCentre.h"
#include "ui/app/SplashWindow.h"

using tabulo::TSplashWindow;

class SplashWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void centredOnTheScreen() {
    QPointer<TSplashWindow> splash = TSplashWindow::ShowAtStart();
    QVERIFY(splash->isVisible());
    QCOMPARE(splash->size(), QSize(337, 138));
    const auto screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(splash->pos(), tabulo::CentredOverOwner(screen, splash->size()));
    splash->close();
    QTRY_VERIFY(splash.isNull());
  }

  // The main window becoming active ends the splash, which frees itself.
  void closesWhenAnotherWindowBecomesActive() {
    QPointer<TSplashWindow> splash = TSplashWindow::ShowAtStart();
    QWidget main;
    main.resize(300, 200);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTRY_VERIFY(splash.isNull());
  }
};

QTEST_MAIN(SplashWindowTest)
#include "SplashWindowTest.moc"
