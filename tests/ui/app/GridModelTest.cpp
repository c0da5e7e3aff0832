// The grid's model: what a view sees of the document.

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <random>

#include "core/document/DocumentOperations.h"
#include "support/GridText.h"
#include "support/TestFiles.h"
#include "ui/print/paint/GlyphWidths.h"
#include "ui/app/GridModel.h"

namespace tabulo::ui {

class GridModelTest final : public QObject {
  Q_OBJECT

 private slots:
  void passesTheModelTesterThroughResets() {
    TableDocument grid = test::GridOf({{"a", "b"}, {"c"}});
    GridModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 2);
    grid.SetRowCount(1);  // no data rows at all
    model.DocumentReset();
    QCOMPARE(model.rowCount(), 0);
    grid.SetRowCount(5);
    grid.SetColCount(4);
    model.DocumentReset();
    QCOMPARE(model.columnCount(), 3);
  }

  void mapsCellsTitlesAndRowNumbers() {
    TableDocument grid = test::GridOf({{test::Sjis("髙島"), "x"}});
    grid.Item(2).Title = test::Sjis("価格");
    GridModel model(grid);
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole).toString(), QString("髙島"));
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("価格"));
    QCOMPARE(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QString("1"));
  }

  void coloursAndAlignmentComeFromTheColumnRecord() {
    TableDocument grid = test::GridOf({{"12.5", "1234567"}, {"x", "y"}});
    grid.Item(1).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
    grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
    grid.Item(2).DrawFlags = 0x0826;
    grid.SetCell(0, 2, kTotalsRowLabel);
    GridModel model(grid);
    QCOMPARE(model.data(model.index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    QVERIFY(!model.data(model.index(0, 1), Qt::BackgroundRole).isValid());  // valid: the palette's colours
    QCOMPARE(model.data(model.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 255));
    QCOMPARE(model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    const auto alignment = model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>();
    QCOMPARE(alignment, Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));

    model.SetShowGrouped(true);
    QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QString("1,234,567"));
    QCOMPARE(model.data(model.index(0, 1), Qt::EditRole).toString(), QString("1234567"));
    QCOMPARE(grid.Cell(2, 1), std::string_view("1234567"));
  }

  void editsAreStoredAsShiftJisOrRefused() {
    TableDocument grid = test::GridOf({{"a"}});
    GridModel model(grid);
    QVERIFY(model.setData(model.index(0, 0), QString("ソ表Ⅲ"), Qt::EditRole));
    QCOMPARE(std::string(grid.Cell(1, 1)), test::Sjis("ソ表Ⅲ"));
    QSignalSpy refused(&model, &GridModel::TextNotStorable);
    QVERIFY(!model.setData(model.index(0, 0), QString::fromUtf8("😀"), Qt::EditRole));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(std::string(grid.Cell(1, 1)), test::Sjis("ソ表Ⅲ"));
  }

  // Bytes that do not survive a trip through Unicode: the NEC and IBM
  // duplicates, stray single bytes and a character cut in half.
  void anEditThatChangesNothingKeepsTheBytes() {
    const std::string kept = "\xED\x40\x87\x90\xEE\xEF\x80\xA0\x82";
    TableDocument grid = test::GridOf({{kept}});
    GridModel model(grid);
    const QModelIndex cell = model.index(0, 0);
    QSignalSpy changed(&model, &GridModel::dataChanged);
    QVERIFY(model.setData(cell, model.data(cell, Qt::EditRole), Qt::EditRole));
    QCOMPARE(std::string(grid.Cell(1, 1)), kept);
    QCOMPARE(changed.count(), 0);
  }

  void glyphWidthsAreTheDrawnWidthsAndNeverExceedTheirBound() {
    const QFont font = GridFont(QFont("Noto Sans CJK JP", 9));
    const GlyphWidths widths(font);
    const QFontMetricsF metrics(font);
    QVERIFY(widths.MaxWidthPerByte() > 0);
    QCOMPARE(widths.Width(""), 0);
    // Each advance counts with its fraction: ten digits are not ten rounded digits.
    for (const char* text : {"2026/05/01", "38.7777777777778", "時間軸（年）", "AVAWAY Tokyo", "ｶﾀｶﾅ and かな", "\n"}) {
      const int drawn = static_cast<int>(std::ceil(metrics.horizontalAdvance(QString::fromUtf8(text))));
      const int measured = widths.Width(test::Sjis(text));
      if (std::string_view(text).find('\\') == std::string_view::npos) {
        QCOMPARE(measured, drawn);
      } else {
        QVERIFY(measured >= drawn);  // the byte 0x5C may be drawn as the wider yen sign
      }
    }
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
      std::string text(random() % 12, ' ');
      for (char& c : text) c = static_cast<char>(random() % 256);
      QVERIFY(widths.Width(text) <= static_cast<int>(text.size()) * widths.MaxWidthPerByte());
    }
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::GridModelTest)
#include "GridModelTest.moc"
