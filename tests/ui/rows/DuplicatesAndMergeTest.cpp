// Duplicate rows and the merge in the window: the two dialogs, the narrowed
// window of duplicates, and each change as one step.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/rows/MergeSource.h"
#include "support/ModalSteps.h"
#include "support/WindowFixture.h"
#include "ui/rows/TFormDaburi.h"
#include "ui/rows/THeigouForm.h"

using tabulo::Answer;

namespace tabulo::ui {
namespace {

using test::OnDialog;
using test::OnNarrowedWindow;

// Chooses the columns of the duplicate dialog (list rows, 0-based), the
// delete mode or not, and presses OK.
void RunDuplicates(QWidget& dialog, std::vector<int> columns, bool deleteLater) {
  auto* list = dialog.findChild<QListWidget*>("ColList");
  for (int row : columns) list->item(row)->setSelected(true);
  dialog.findChild<QRadioButton*>(deleteLater ? "RGHowTo1" : "RGHowTo0")->click();
  dialog.findChild<QPushButton*>("btnOk")->click();
}

QPushButton* Button(QWidget& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

}  // namespace

class DuplicatesAndMergeTest final : public QObject {
  Q_OBJECT

 private:
  // Codes, names and amounts, with duplicate codes.
  struct Fixture : test::WindowFixture {
    Fixture() {
      Grid().SetColCount(4);
      Grid().SetRowCount(7);
      Grid().SetCell(1, 0, "Code");
      Grid().SetCell(2, 0, "Name");
      Grid().SetCell(3, 0, "Amount");
      const char* codes[] = {"b", "a", "b", "c", "a", "b"};
      const char* names[] = {"x", "y", "x", "z", "q", "w"};
      for (int row = 1; row <= 6; ++row) {
        Grid().SetCell(0, row, std::to_string(row));
        Grid().SetCell(1, row, codes[row - 1]);
        Grid().SetCell(2, row, names[row - 1]);
        Grid().SetCell(3, row, std::to_string(row * 10));
      }
      window->SyncViewFromDocument();
    }
    std::vector<std::string> Column(int col) {
      std::vector<std::string> texts;
      for (int row = 1; row < Grid().RowCount(); ++row) texts.emplace_back(Grid().Cell(col, row));
      return texts;
    }
  };

 private slots:
  void duplicateDialogLooksAndEnables() {
    Fixture f;
    platform::Services services = f.platform.AsServices();
    TFormDaburi dialog(f.window.get(), services, f.Grid());
    auto* list = dialog.findChild<QListWidget*>("ColList");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString("Code       : b"));
    QVERIFY(!Button(dialog, "btnOk")->isEnabled());
    list->item(1)->setSelected(true);
    QVERIFY(Button(dialog, "btnOk")->isEnabled());
    QVERIFY(dialog.findChild<QRadioButton*>("RGHowTo0")->isChecked());
    for (const char* box : {"CBNoKataHira", "CBNoHanZen", "CBNoLS"}) QVERIFY(!dialog.findChild<QCheckBox*>(box)->isChecked());
    dialog.findChild<QCheckBox*>("CBNoLS")->setChecked(true);
    const DuplicateRequest request = dialog.Request();
    QCOMPARE(request.options.columns, std::vector<int>{2});
    QVERIFY(request.options.ignoreCase && !request.deleteLater);
  }

  void deletingLaterRowsIsOneStep() {
    Fixture f;
    f.platform.prompter.Then(Answer::Yes);
    OnDialog([](QWidget& dialog) { RunDuplicates(dialog, {0}, true); });
    f.Action("mmDaburi")->trigger();
    QCOMPARE(f.platform.prompter.Asked().back().text,
             std::string("3 件のデータが削除対象として見つかりました。\n\n削除してよろしいですか？\n"));
    QCOMPARE(f.Column(1), (std::vector<std::string>{"b", "a", "c"}));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3"}));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("重複行の削除"));
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Column(1), (std::vector<std::string>{"b", "a", "b", "c", "a", "b"}));
  }

  void noLeavesEveryRowAndNothingFoundIsSaid() {
    Fixture f;
    f.Grid().SetCell(0, 6, "集計");
    f.platform.prompter.Then(Answer::No);
    OnDialog([](QWidget& dialog) { RunDuplicates(dialog, {0}, true); });
    f.Action("mmDaburi")->trigger();
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3", "4", "5", "集計"}));
    QVERIFY(!f.Grid().History().CanUndo());

    f.platform.prompter.Then(Answer::Ok);
    OnDialog([](QWidget& dialog) { RunDuplicates(dialog, {2}, false); });
    f.Action("mmDaburi")->trigger();
    QCOMPARE(f.platform.prompter.Asked().back().text, std::string("重複する行は見つかりませんでした。"));
    QVERIFY(f.platform.prompter.AllAnswered());
  }

  // Every member of every group, grouped, with the key in the caption; the
  // write-back works as the narrowing search's.
  void extractedDuplicatesShowInTheNarrowedWindow() {
    Fixture f;
    f.platform.prompter.Then(Answer::Ok);   // the number extracted
    f.platform.prompter.Then(Answer::Yes);  // write back
    OnDialog([](QWidget& dialog) { RunDuplicates(dialog, {0, 1}, false); });
    bool checked = false;
    OnNarrowedWindow([&checked](TTabulo& narrowed) {
      TableDocument& grid = narrowed.Grid();
      QCOMPARE(grid.RowCount(), 3);  // rows 1 and 3: b, x
      QCOMPARE(std::string(grid.Cell(3, 1)), std::string("10"));
      QCOMPARE(std::string(grid.Cell(3, 2)), std::string("30"));
      QVERIFY(narrowed.windowTitle().endsWith(" →重複行( [Code],[Name] )"));
      grid.SetCell(2, 2, "edited");
      checked = true;
      narrowed.findChild<QAction*>("mmSentakuOff")->trigger();
    });
    f.Action("mmDaburi")->trigger();
    QVERIFY(checked);
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.Column(2), (std::vector<std::string>{"x", "y", "edited", "z", "q", "w"}));
  }

  void mergeDialogPairsColumnsWithFields() {
    Fixture f;
    const MergeSource other = MergeSource::FromBytes("code,label,extra\r\nb,B-label,1\r\n");
    platform::Services services = f.platform.AsServices();
    THeigouForm dialog(f.window.get(), services, f.Grid(), other, "/tmp/other.csv");
    QCOMPARE(dialog.windowTitle(), QString("併合 (/tmp/other.csv)"));
    auto* source = dialog.findChild<QListWidget*>("LBSource");
    auto* target = dialog.findChild<QListWidget*>("LBTarget");
    QCOMPARE(source->count(), 4);
    QCOMPARE(target->count(), 3);
    QCOMPARE(target->item(1)->text(), QString("列   1 :label"));
    QVERIFY(!Button(dialog, "btnOk")->isEnabled());
    QVERIFY(dialog.findChild<QCheckBox*>("CBNoLS")->isChecked());
    // Column 0 takes no data.
    QVERIFY(!Button(dialog, "SpeedButton1")->isEnabled());

    source->setCurrentRow(1);
    Button(dialog, "BtnSanshou")->click();  // Code = field 0; both move down
    QCOMPARE(source->currentRow(), 2);
    QCOMPARE(target->currentRow(), 1);
    QVERIFY(!Button(dialog, "btnOk")->isEnabled());
    Button(dialog, "SpeedButton1")->click();  // Name replaced by field 1
    QVERIFY(Button(dialog, "btnOk")->isEnabled());
    QCOMPARE(source->item(1)->text(), QString("Code      :b          ←比較 :列   0 :code"));
    QCOMPARE(source->item(2)->text(), QString("Name      :x          ←置換 :列   1 :label"));
    Button(dialog, "SpeedButton2")->click();  // Amount gets field 2 appended
    QCOMPARE(source->currentRow(), 3);        // the last entry stays
    QCOMPARE(target->currentRow(), 2);
    source->setCurrentRow(3);
    Button(dialog, "BtnKaijo")->click();
    QCOMPARE(source->item(3)->text(), QString("Amount    :10         ←     :"));

    const MergeOptions options = dialog.Options();
    QCOMPARE(options.items[1].field, 0);
    QVERIFY(options.items[1].role == MergeRole::Key);
    QVERIFY(options.items[2].role == MergeRole::Replace);
    QVERIFY(options.items[3].role == MergeRole::None);
    QVERIFY(options.ignoreCase);
  }

  void mergeFromTheMenuIsOneStep() {
    Fixture f;
    const std::filesystem::path other = f.dir / "other.csv";
    test::WriteFile(other, "a,Alpha\r\nB,Beta\r\n");
    f.platform.fileDialogs.Then({other});
    f.platform.prompter.Then(Answer::Ok);
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QListWidget*>("LBSource")->setCurrentRow(1);
      Button(dialog, "BtnSanshou")->click();
      Button(dialog, "SpeedButton1")->click();
      Button(dialog, "btnOk")->click();
    });
    f.Action("mmHeigou")->trigger();
    const platform::FileDialogOptions& asked = f.platform.fileDialogs.Opened().back();
    QCOMPARE(asked.title, std::string("他ファイルとのデータの併合"));
    QVERIFY(asked.mustExist);
    QCOMPARE(f.platform.prompter.Asked().back().text, std::string("5 行のデータを変換しました。"));
    QCOMPARE(f.Column(2), (std::vector<std::string>{"Beta", "Alpha", "Beta", "z", "Alpha", "Beta"}));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("併合"));
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Column(2), (std::vector<std::string>{"x", "y", "x", "z", "q", "w"}));

    // No match, and a cancelled file dialog, change nothing.
    test::WriteFile(other, "none,Nothing\r\n");
    f.platform.fileDialogs.Then({other});
    f.platform.prompter.Then(Answer::Ok);
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QListWidget*>("LBSource")->setCurrentRow(1);
      Button(dialog, "BtnSanshou")->click();
      Button(dialog, "SpeedButton1")->click();
      Button(dialog, "btnOk")->click();
    });
    f.Action("mmHeigou")->trigger();
    QCOMPARE(f.platform.prompter.Asked().back().text, std::string("条件に一致する行が見つかりませんでした。"));
    f.platform.fileDialogs.Then({});
    f.Action("mmHeigou")->trigger();
    QVERIFY(f.platform.prompter.AllAnswered());
    QVERIFY(!f.Grid().History().CanUndo());
  }

  // A file that cannot be read gets the error box and no dialog.
  void unreadableFileIsReported() {
    Fixture f;
    f.platform.fileDialogs.Then({f.dir / "gone.csv"});
    f.platform.prompter.Then(Answer::Ok);
    f.Action("mmHeigou")->trigger();
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.platform.prompter.Asked().back().sound, Sound::Hand);
    QVERIFY(f.platform.prompter.Asked().back().text.find("gone.csv") != std::string::npos);
    QVERIFY(!f.Grid().History().CanUndo());
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::DuplicatesAndMergeTest)
#include "DuplicatesAndMergeTest.moc"
