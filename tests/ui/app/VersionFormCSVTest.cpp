#include <QPushButton>
#include <QtTest>

#include "ui/app/OwnerCentre.h"
#include "ui/app/VersionFormCSV.h"

using tabulo::CentredOverOwner;
using tabulo::TVersionFormCSV;

class VersionFormCSVTest : public QObject {
  Q_OBJECT

 private slots:
  void centredOverOwner_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("even margins") << QRect(100, 50, 601, 400) << QPoint(232, 136);
    QTest::newRow("odd margins cut") << QRect(100, 50, 600, 401) << QPoint(231, 136);
    // (300 − 337) / 2 = −18.5 and (201 − 228) / 2 = −13.5 are cut toward zero.
    QTest::newRow("owner smaller than the box") << QRect(0, 0, 300, 201) << QPoint(-18, -13);
    QTest::newRow("owner off the left edge") << QRect(-500, 20, 612, 440) << QPoint(-363, 126);
  }

  void centredOverOwner() {
    QFETCH(QRect, owner);
    QFETCH(QPoint, expected);
    QCOMPARE(CentredOverOwner(owner, QSize(TVersionFormCSV::kWidth, TVersionFormCSV::kHeight)), expected);
  }

  void boxSitsOverItsOwner() {
    QWidget owner;
    owner.setGeometry(120, 80, 612, 394);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    TVersionFormCSV box(&owner);
    QCOMPARE(box.size(), QSize(337, 228));
    QVERIFY(box.isModal());
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    const auto frame = owner.frameGeometry();
    QCOMPARE(box.pos(), CentredOverOwner(frame, box.size()));
    // It stays there when shown, instead of Qt's own placement.
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.pos(), CentredOverOwner(frame, box.size()));
  }

  // "OK" is the default and the cancel button: a click, Enter and Escape
  // all close the box.
  void okClosesTheBox() {
    TVersionFormCSV clicked(nullptr);
    clicked.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clicked));
    QTest::mouseClick(clicked.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    QVERIFY(!clicked.isVisible());
    QCOMPARE(clicked.result(), int(QDialog::Accepted));

    for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
      TVersionFormCSV box(nullptr);
      box.show();
      QVERIFY(QTest::qWaitForWindowActive(&box));
      QTest::keyClick(&box, key);
      QVERIFY(!box.isVisible());
    }
  }
};

QTEST_MAIN(VersionFormCSVTest)
#include "VersionFormCSVTest.moc"
