#include <QtTest>

#include "ui/app/BackgroundTexture.h"

using tabulo::MakeBackgroundTexture;

// The texture is a formula per pixel; these cases pin the corners, both
// edges of every band and the clamping, each worked out by hand.
class BackgroundTextureTest : public QObject {
  Q_OBJECT

 private slots:
  void pixels_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    // The splash size, 337 × 138: width + height = 475.
    QTest::newRow("top left, blue raised past 255") << 337 << 138 << QPoint(0, 0) << QColor(50, 50, 255);
    QTest::newRow("top right still in the top band") << 337 << 138 << QPoint(336, 0) << QColor(166, 50, 50);
    QTest::newRow("below it the right band lowers") << 337 << 138 << QPoint(336, 1) << QColor(67, 0, 0);
    QTest::newRow("bottom left still in the left band") << 337 << 138 << QPoint(0, 137) << QColor(50, 50, 168);
    QTest::newRow("beside it the bottom band lowers") << 337 << 138 << QPoint(1, 137) << QColor(0, 0, 67);
    QTest::newRow("bottom right") << 337 << 138 << QPoint(336, 137) << QColor(203, 0, 0);
    QTest::newRow("inside, blue fading") << 337 << 138 << QPoint(100, 50) << QColor(0, 0, 105);
    QTest::newRow("inside, red rising") << 337 << 138 << QPoint(320, 120) << QColor(220, 0, 0);
    QTest::newRow("last row of the top band") << 337 << 138 << QPoint(10, 7) << QColor(50, 50, 255);
    QTest::newRow("first row below the top band") << 337 << 138 << QPoint(10, 8) << QColor(0, 0, 237);
    QTest::newRow("last column of the left band") << 337 << 138 << QPoint(7, 20) << QColor(50, 50, 255);
    QTest::newRow("first column right of the left band") << 337 << 138 << QPoint(8, 20) << QColor(0, 0, 227);
    QTest::newRow("last row above the bottom band") << 337 << 138 << QPoint(200, 129) << QColor(109, 0, 0);
    QTest::newRow("first row of the bottom band") << 337 << 138 << QPoint(200, 130) << QColor(60, 0, 0);
    QTest::newRow("last column left of the right band") << 337 << 138 << QPoint(328, 60) << QColor(168, 0, 0);
    QTest::newRow("first column of the right band") << 337 << 138 << QPoint(329, 60) << QColor(119, 0, 0);
    // The About box, 337 × 228: the bands follow the height too.
    QTest::newRow("about: top right") << 337 << 228 << QPoint(336, 0) << QColor(76, 50, 50);
    QTest::newRow("about: bottom left in the left band") << 337 << 228 << QPoint(0, 227) << QColor(50, 50, 78);
    QTest::newRow("about: blue lowered below 0") << 337 << 228 << QPoint(1, 227) << QColor(0, 0, 0);
    // A tiny image where red and blue meet and every pixel is in a band.
    QTest::newRow("small: red and blue together") << 10 << 10 << QPoint(5, 5) << QColor(195, 0, 195);
  }

  void pixels() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    const auto image = MakeBackgroundTexture(width, height);
    QCOMPARE(image.pixelColor(at), expected);
  }

  void imageIs24BitOfTheGivenSize() {
    const auto image = MakeBackgroundTexture(337, 138);
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QCOMPARE(image.size(), QSize(337, 138));
    QVERIFY(MakeBackgroundTexture(0, 10).isNull());
    QVERIFY(MakeBackgroundTexture(10, -1).isNull());
  }
};

QTEST_MAIN(BackgroundTextureTest)
#include "BackgroundTextureTest.moc"
