// Fitting column widths: after "列幅再調節" and after opening a file without
// a side file, every text the grid draws shows whole, measured with the fonts
// the grid and its headers draw with.

#include <QAction>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTest>

#include <cmath>

#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "support/WindowFixture.h"
#include "ui/app/CellDelegate.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"

using tabulo::Answer;
using tabulo::test::Sjis;

namespace tabulo::ui {

class ColumnFittingTest final : public QObject {
  Q_OBJECT

 private:
  // Every title, row number and cell, as drawn, fits the space its column
  // gives it: a cell its width less the grid line and two margins, a header
  // section its width less the header's two margins.
  static void VerifyEveryTextFits(TTabulo& window) {
    GridView* view = window.View();
    GridModel* model = window.Model();
    const int margin = static_cast<const CellDelegate*>(view->itemDelegate())->Margin();
    const int headerMargin = view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view->horizontalHeader());
    const QFontMetricsF cells(view->font());
    const QFontMetricsF titles(view->horizontalHeader()->font());
    const QFontMetricsF numbers(view->verticalHeader()->font());
    for (int col = 0; col < model->columnCount(); ++col) {
      const int section = view->horizontalHeader()->sectionSize(col);
      const QString title = model->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
      QVERIFY2(titles.horizontalAdvance(title) <= section - 2 * headerMargin, qPrintable(title));
      const int room = section - 1 - 2 * margin;
      for (int row = 0; row < model->rowCount(); ++row) {
        const QString text = model->data(model->index(row, col), Qt::DisplayRole).toString();
        QVERIFY2(cells.horizontalAdvance(text) <= room, qPrintable(QString("%1 in %2 pixels").arg(text).arg(room)));
        QCOMPARE(FittedCellText(text, QFontMetrics(view->font()), room), text);
      }
    }
    const int numberRoom = view->verticalHeader()->width() - 2 * headerMargin;
    for (int row = 0; row < model->rowCount(); ++row) {
      QVERIFY(numbers.horizontalAdvance(model->headerData(row, Qt::Vertical, Qt::DisplayRole).toString()) <= numberRoom);
    }
  }

 private slots:
  void datesNumbersKanaAndTitlesShowWholeAfterFitting() {
    test::WindowFixture f;
    std::string text = Sjis("日付,時間軸（年）,平均,金額,メモ\r\n");
    text += Sjis("2026/05/01,2005年,38.7777777777778,13200,AVAWAY Tokyo\r\n");
    text += Sjis("2026/12/31,2010年,-1234.5,-98765,ｶﾀｶﾅ と ひらがな と 漢字\r\n");
    text += Sjis("1999/11/11,2024年,0.5,0,C:\\Users\\tabulo\\表.csv\r\n");
    test::WriteFile(f.dir / "mixed.csv", text);
    f.platform.prompter.Then(Answer::Yes);  // the first line holds the titles
    f.window->OpenCsvFile(f.dir / "mixed.csv");
    VerifyEveryTextFits(*f.window);  // fitted at opening

    // Digit grouping draws other texts ("¥13,200"): fitting again makes room.
    f.Grid().Item(4).DataType = static_cast<std::uint8_t>(ColumnType::Currency);
    f.Grid().Item(3).DataType = static_cast<std::uint8_t>(ColumnType::Numeric);
    f.Action("mmAdjustDraw")->trigger();
    f.Action("mmColWidth")->trigger();
    QCOMPARE(f.window->Model()->data(f.window->Model()->index(0, 3), Qt::DisplayRole).toString(), QString("¥13,200"));
    VerifyEveryTextFits(*f.window);
  }

  // A UTF-8 file gets the widths of its Shift-JIS copy, row numbers included;
  // an emoji, which code page 932 lacks, still shows whole.
  void aUtf8FileIsFittedAsItsShiftJisCopy() {
    const std::string text = "名前,時間軸（年）,メモ\r\nｶﾀｶﾅ,2005年,C:\\表\r\n東京,2010年,ひらがな と 漢字\r\n";
    std::vector<int> widths[2];
    for (const bool utf8 : {false, true}) {
      test::WindowFixture f;
      test::WriteFile(f.dir / "t.csv", utf8 ? text : Sjis(text));
      f.platform.prompter.Then(Answer::Yes);
      f.window->OpenCsvFile(f.dir / "t.csv");
      QCOMPARE(f.Grid().Encoding().encoding, utf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
      for (int col = 0; col < f.Grid().ColCount(); ++col) widths[utf8].push_back(f.Grid().ColWidth(col));
      VerifyEveryTextFits(*f.window);
    }
    QCOMPARE(widths[1], widths[0]);

    test::WindowFixture f;
    test::WriteFile(f.dir / "e.csv", "名前,絵\r\n寿司,🍣🍣🍣\r\n");
    f.platform.prompter.Then(Answer::Yes);
    f.window->OpenCsvFile(f.dir / "e.csv");
    VerifyEveryTextFits(*f.window);
  }

  void aPublishedTableShowsWholeAfterFitting() {
    test::WindowFixture f;
    f.platform.prompter.Then(Answer::Yes);
    f.window->OpenCsvFile(test::TestData("third_party/estat-population/FEH_00200524_251118062717.csv"));
    QCOMPARE(f.window->Model()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), QString("/時間軸（年）"));
    VerifyEveryTextFits(*f.window);
  }

  void aCellTooWideForItsColumnEndsInAnEllipsis() {
    const QFontMetrics metrics(QFont("Noto Sans CJK JP", 9));
    const QString mean = "38.7777777777778";
    const QString shown = FittedCellText(mean, metrics, metrics.horizontalAdvance("38.777"));
    QVERIFY2(shown.startsWith("38.7") && shown.endsWith(QChar(0x2026)), qPrintable(shown));
    const auto whole = static_cast<int>(std::ceil(QFontMetricsF(QFont("Noto Sans CJK JP", 9)).horizontalAdvance(mean)));
    QCOMPARE(FittedCellText(mean, metrics, whole), mean);
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::ColumnFittingTest)
#include "ColumnFittingTest.moc"
