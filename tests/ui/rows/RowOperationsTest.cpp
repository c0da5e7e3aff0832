// Sorting and narrowing in the window: the sort as one step, file output,
// and the narrowed window with its differences and its write-back.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "support/ModalSteps.h"
#include "support/WindowFixture.h"
#include "ui/app/GridModel.h"

using tabulo::Answer;

namespace tabulo::ui {
namespace {

using test::OnDialog;
using test::OnNarrowedWindow;

// Fills the filter dialog's first condition and runs it.
void RunFilter(QWidget& dialog, int column, const char* text) {
  dialog.findChild<QComboBox*>("CBK1")->setCurrentIndex(column);
  dialog.findChild<QLineEdit*>("EditS1")->setText(QString::fromUtf8(text));
  dialog.findChild<QPushButton*>("btnOk")->click();
}

}  // namespace

class RowOperationsTest final : public QObject {
  Q_OBJECT

 private:
  // Kind and amount of five orders.
  struct Fixture : test::WindowFixture {
    Fixture() {
      Grid().SetColCount(3);
      Grid().SetRowCount(6);
      Grid().SetCell(1, 0, "Kind");
      Grid().SetCell(2, 0, "Amount");
      Grid().Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Numeric);
      const char* kinds[] = {"b", "a", "b", "c", "a"};
      const char* amounts[] = {"30", "1,000", "2", "", "10"};
      for (int row = 1; row <= 5; ++row) {
        Grid().SetCell(1, row, kinds[row - 1]);
        Grid().SetCell(2, row, amounts[row - 1]);
      }
      RenumberRows();
      window->SyncViewFromDocument();
    }
    void RenumberRows() {
      for (int row = 1; row < Grid().RowCount(); ++row) Grid().SetCell(0, row, std::to_string(row));
    }
    std::vector<std::string> Column(int col) {
      std::vector<std::string> texts;
      for (int row = 1; row < Grid().RowCount(); ++row) texts.emplace_back(Grid().Cell(col, row));
      return texts;
    }
  };

 private slots:
  void sortingIsOneStep() {
    Fixture f;
    OnDialog([](QWidget& dialog) {
      auto* columns = dialog.findChild<QListWidget*>("LBNoSort");
      columns->item(1)->setSelected(true);  // Amount, a number key
      dialog.findChild<QPushButton*>("BtnGoWrite")->click();
      dialog.findChild<QPushButton*>("BtnDescending")->click();
      dialog.findChild<QPushButton*>("btnOk")->click();
    });
    f.Action("mmSort")->trigger();
    QCOMPARE(f.Column(2), (std::vector<std::string>{"1,000", "30", "10", "2", ""}));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("整列"));
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Column(1), (std::vector<std::string>{"b", "a", "b", "c", "a"}));
  }

  void filteredRowsGoToAFile() {
    Fixture f;
    const std::filesystem::path out = f.dir / "found.csv";
    f.platform.fileDialogs.Then({out});
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QRadioButton*>("RGMode1")->click();
      RunFilter(dialog, 1, "b");
    });
    f.window->findChild<QToolButton*>("btnQuery")->click();
    QVERIFY(std::filesystem::exists(out));
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.Column(1).size(), std::size_t{5});  // the document is as it was
  }

  // A searched text code page 932 cannot hold is reported and the dialog
  // stays open.
  void aConditionTheDocumentCannotHoldIsReported() {
    Fixture f;
    f.platform.prompter.Then(Answer::Ok);
    OnDialog([](QWidget& dialog) {
      RunFilter(dialog, 1, "😀");
      QVERIFY(dialog.isVisible());
      dialog.findChild<QPushButton*>("btnAbort")->click();
    });
    f.Action("mmSentaku")->trigger();
    QVERIFY(f.platform.prompter.Asked().back().text.find("Shift-JIS に変換できない文字") != std::string::npos);
    QVERIFY(f.platform.prompter.AllAnswered());
  }

  void noMatchIsReported() {
    Fixture f;
    f.platform.prompter.Then(Answer::Ok);
    OnDialog([](QWidget& dialog) { RunFilter(dialog, 1, "zzz"); });
    f.Action("mmSentaku")->trigger();
    QCOMPARE(f.platform.prompter.Asked().back().text, std::string("条件を満たす行は見つかりませんでした。"));
  }

  // The narrowed window holds the matches; what is edited, deleted and added
  // there comes back as one step when the user says so.
  void theNarrowedWindowWritesBack() {
    Fixture f;
    f.platform.prompter.Then(Answer::Ok);   // the number of matches
    f.platform.prompter.Then(Answer::Yes);  // the row deletion
    f.platform.prompter.Then(Answer::Yes);  // write back
    OnDialog([](QWidget& dialog) { RunFilter(dialog, 1, "b"); });
    bool checked = false;
    OnNarrowedWindow([&checked](TTabulo& narrowed) {
      TableDocument& grid = narrowed.Grid();
      QCOMPARE(grid.RowCount(), 3);
      QVERIFY(narrowed.windowTitle().contains(" →選択( [Kind 含む B] )"));
      QVERIFY(!narrowed.findChild<QAction*>("mmClose")->isEnabled());
      QVERIFY(narrowed.findChild<QAction*>("mmSentakuOff")->isVisible());
      QVERIFY(!narrowed.findChild<QAction*>("mmColIn")->isEnabled());
      QVERIFY(!narrowed.findChild<QAction*>("mmAppendFile")->isVisible());
      narrowed.Model()->setData(narrowed.Model()->index(0, 1), QString("31"), Qt::EditRole);  // row 1's amount
      grid.SetSelection({1, 2, 2, 2});                                     // row 3 goes
      narrowed.SyncViewFromDocument();
      narrowed.btnRowDeleteClick();
      narrowed.btnRowAddClick(1);  // a new last row
      narrowed.Model()->setData(narrowed.Model()->index(grid.RowCount() - 2, 0), QString("d"), Qt::EditRole);
      checked = true;
      narrowed.findChild<QAction*>("mmSentakuOff")->trigger();
    });
    f.Action("mmSentaku")->trigger();
    QVERIFY(checked);
    QVERIFY(f.platform.prompter.AllAnswered());
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.Column(1), (std::vector<std::string>{"b", "a", "c", "a", "d"}));
    QCOMPARE(f.Column(2), (std::vector<std::string>{"31", "1,000", "", "10", ""}));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("絞り込み"));
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Column(1), (std::vector<std::string>{"b", "a", "b", "c", "a"}));
  }

  // No keeps the source as it was; Cancel keeps the narrowed window open.
  void closingWithoutWritingBack() {
    Fixture f;
    f.platform.prompter.Then(Answer::Ok);      // the number of matches
    f.platform.prompter.Then(Answer::Cancel);  // first close: stay
    f.platform.prompter.Then(Answer::No);      // second close: leave
    OnDialog([](QWidget& dialog) { RunFilter(dialog, 0, "a"); });
    OnNarrowedWindow([](TTabulo& narrowed) {
      narrowed.Model()->setData(narrowed.Model()->index(0, 0), QString("changed"), Qt::EditRole);
      narrowed.close();
      QVERIFY(narrowed.isVisible());
      narrowed.close();
    });
    f.Action("mmSentaku")->trigger();
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.Column(1), (std::vector<std::string>{"b", "a", "b", "c", "a"}));
    QVERIFY(!f.Grid().History().CanUndo());
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::RowOperationsTest)
#include "RowOperationsTest.moc"
