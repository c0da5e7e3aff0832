// The commands that rewrite the selection's texts, as the window runs them:
// their menu and popup items, one history step each, the failure report, the
// decimals prompt, replace through its dialog and the date-insert items.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "core/editing/DateInsert.h"
#include "support/WindowFixture.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/editing/TReplaceForm.h"

using tabulo::Answer;

namespace tabulo::ui {

class RangeCommandsTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::WindowFixture {
    // Column 1 holds numbers, column 2 text.
    Fixture() {
      const char* numbers[] = {"1.5", "x", "2.25"};
      const char* texts[] = {"abc", "ｶﾞｷﾞ", ""};
      for (int row = 1; row <= 3; ++row) {
        Grid().SetCell(1, row, numbers[row - 1]);
        Grid().SetCell(2, row, test::Sjis(texts[row - 1]));
      }
    }
    QString Shown(int col, int row) const {
      return window->Model()->data(window->Model()->index(row - 1, col - 1), Qt::DisplayRole).toString();
    }
    QMenu* Menu(const char* name) const { return window->findChild<QMenu*>(name); }
  };

 private slots:
  void theMenusCarryEveryCommand() {
    Fixture f;
    const struct {
      const char* menu;
      int items;
      const char* first;
      const char* last;
    } menus[] = {
        {"mmChange", 6, "abc → ABC", "全角 → 半角"},
        {"mmField", 4, "前後のスペース除去", "数値ゼロスペース除去"},
        {"mmSeikei", 9, "四捨五入", "通貨記号除去"},
        {"mmDate", 11, "西暦 → 和暦", "曜日を付ける　月曜日"},
        {"pmChange", 6, "abc　→　ABC", "全角　→　半角"},
        {"pmField", 4, "前後のスペース除去", "数値ゼロスペース除去"},
        {"pmSeikei", 9, "四捨五入", "通貨記号を除去"},
        {"pmDate", 11, "西暦 → 和暦", "曜日を付ける　月曜日"},
    };
    for (const auto& m : menus) {
      QMenu* menu = f.Menu(m.menu);
      QVERIFY2(menu != nullptr, m.menu);
      QList<QAction*> items;
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) items << action;
      }
      QCOMPARE(items.size(), m.items);
      QCOMPARE(items.first()->text(), QString::fromUtf8(m.first));
      QCOMPARE(items.last()->text(), QString::fromUtf8(m.last));
    }
    QCOMPARE(f.Action("mmDecimal")->text(), QString("少数桁揃え"));
    QCOMPARE(f.Action("pmDecimal")->text(), QString("少数桁揃え..."));
    QCOMPARE(f.Action("mmReplace")->text(), QString("置換(&R)..."));
    QCOMPARE(f.Action("mmReplace")->shortcut(), QKeySequence("F4"));
    QCOMPARE(f.Action("pmReplace")->text(), QString("置換..."));
    QCOMPARE(f.window->findChild<QToolButton*>("BtnReplace")->toolTip(), QString("選択された範囲の値を置換します。"));
    const DateAndTime now = CurrentDateAndTime();
    const struct {
      const char* name;
      int tag;
      const char* keys;
    } dates[] = {{"mmDatePaste", 0, "Ctrl+D"}, {"mmTimePaste", 1, "Ctrl+H"}, {"mmDateTimePaste", 2, "Ctrl+Shift+D"}};
    for (const auto& d : dates) {
      QCOMPARE(f.Action(d.name)->shortcut(), QKeySequence(d.keys));
      QCOMPARE(f.Action(d.name)->text().left(5), QString::fromStdString(DateInsertCaption(d.tag, now)).left(5));
    }
  }

  // Each family from its menu: the cells change, the view shows it, and one
  // undo takes the whole command back.
  void eachCommandIsOneStep() {
    const struct {
      const char* item;
      int col;
      const char* before[3];
      const char* after[3];
    } cases[] = {
        {"mmUpper0", 2, {"abc", "ｶﾞｷﾞ", ""}, {"ABC", "ｶﾞｷﾞ", ""}},
        {"pmUpper4", 2, {"abc", "ｶﾞｷﾞ", ""}, {"ａｂｃ", "ガギ", ""}},
        {"mmRound0", 1, {"1.5", "x", "2.25"}, {"2", "x", "2"}},
        {"pmRound6", 1, {"1.5", "x", "2.25"}, {"\\1.5", "x", "\\2.25"}},
        {"mmYSJ9", 1, {"1.5", "x", "2.25"}, {"1.5", "x", "2.25"}},
    };
    for (const auto& c : cases) {
      Fixture f;
      f.Select({c.col, 1, c.col, 3});
      const bool reports = QByteArray(c.item).contains("Round") || QByteArray(c.item).contains("YSJ");
      if (QByteArray(c.item) == "mmYSJ9") f.platform.prompter.Then(Answer::Ok);  // three cells are no dates
      f.Action(c.item)->trigger();
      for (int row = 1; row <= 3; ++row) {
        QCOMPARE(std::string(f.Grid().Cell(c.col, row)), test::Sjis(c.after[row - 1]));
        if (c.col == 2) QCOMPARE(f.Shown(c.col, row), QString::fromUtf8(c.after[row - 1]));
      }
      QVERIFY(f.platform.prompter.AllAnswered());
      if (reports && QByteArray(c.item) != "mmYSJ9") {
        QCOMPARE(f.platform.prompter.Beeps().back(), Sound::Information);
      }
      f.Action("mmUndo")->trigger();
      for (int row = 1; row <= 3; ++row) QCOMPARE(std::string(f.Grid().Cell(c.col, row)), test::Sjis(c.before[row - 1]));
    }
  }

  void failuresAreReportedOnceWithTheirCount() {
    Fixture f;
    f.Select({1, 1, 2, 3});
    f.platform.prompter.Then(Answer::Ok);
    f.Action("mmTrim3")->trigger();  // 数値ゼロスペース除去: x, abc, ｶﾞｷﾞ and the empty cell fail
    QCOMPARE(f.platform.prompter.Asked().size(), std::size_t{1});
    QCOMPARE(f.platform.prompter.Asked()[0].id, MessageId::ConvertFailed);
    QVERIFY(f.platform.prompter.Asked()[0].text.find("エラーデータ数 ： 4") != std::string::npos);
    QCOMPARE(f.Grid().Cell(1, 3), std::string_view("2.25"));
  }

  // A bad answer shows the error and asks again; cancelling ends the command.
  void theDecimalsPromptRepeatsUntilTheAnswerIsANumber() {
    Fixture f;
    f.Select({1, 1, 1, 3});
    f.platform.inputBox.Then("19");
    f.platform.inputBox.Then("ab");
    f.platform.inputBox.Then("2");
    f.platform.prompter.Then(Answer::Ok);  // 19
    f.platform.prompter.Then(Answer::Ok);  // ab
    f.platform.prompter.Then(Answer::Ok);  // x failed
    f.Action("mmDecimal")->trigger();
    QCOMPARE(f.platform.inputBox.AskedBoxes().size(), std::size_t{3});
    QCOMPARE(f.platform.inputBox.AskedBoxes()[0].title, std::string("少数桁の設定"));
    QCOMPARE(f.platform.inputBox.AskedBoxes()[0].prompt, std::string("新しい小数部の桁数を入力して下さい。"));
    const auto& asked = f.platform.prompter.Asked();
    QCOMPARE(asked.size(), std::size_t{3});
    QCOMPARE(asked[0].text, std::string("19 は有効な整数ではありません。\n 0～18 の範囲で指定して下さい。"));
    QCOMPARE(asked[1].id, MessageId::DecimalsNotValid);
    QCOMPARE(asked[2].id, MessageId::ConvertFailed);
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("1.50"));
    QCOMPARE(f.Grid().Cell(1, 3), std::string_view("2.25"));
    QCOMPARE(f.platform.prompter.Beeps().front(), Sound::Question);

    f.platform.inputBox.Then(std::nullopt);
    f.Action("mmDecimal")->trigger();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("1.50"));
    QCOMPARE(f.platform.prompter.Asked().size(), std::size_t{3});
  }

  void replaceRunsThroughItsDialog() {
    Fixture f;
    f.Select({2, 1, 2, 3});
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TReplaceForm*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->findChild<QRadioButton*>("RGMethod2")->click();  // データ連結
      dialog->findChild<QComboBox*>("CBPreData")->setCurrentIndex(1);  // column 1 in front
      dialog->findChild<QComboBox*>("CBNextData")->setEditText("!");
      dialog->findChild<QPushButton*>("btnOk")->click();
    });
    f.window->findChild<QToolButton*>("BtnReplace")->click();
    QCOMPARE(f.Grid().Cell(2, 1), std::string_view("1.5abc!"));
    QCOMPARE(f.Grid().Cell(2, 3), std::string_view("2.25!"));
    QCOMPARE(f.Shown(2, 2), QString("xｶﾞｷﾞ!"));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("置換"));

    // Cancelled, nothing changes.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("btnAbort")->click(); });
    f.Action("mmReplace")->trigger();
    QCOMPARE(f.Grid().Cell(2, 1), std::string_view("1.5abc!"));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("置換"));
  }

  // The date goes into the focused text box, the open editor, or every
  // selected cell as one step.
  void theDateGoesWhereTheUserIs() {
    Fixture f;
    const std::string today = InsertedDateText(0, CurrentDateAndTime());
    f.Select({1, 1, 2, 2});
    f.Action("mmDatePaste")->trigger();
    for (const auto& [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}}) {
      QCOMPARE(std::string(f.Grid().Cell(col, row)), today);
    }
    QCOMPARE(f.Grid().Cell(1, 3), std::string_view("2.25"));
    QCOMPARE(f.Grid().History().UndoCaption(), std::string("日付入力"));

    auto* find = f.window->findChild<QComboBox*>("CBFindText");
    QApplication::setActiveWindow(f.window.get());
    find->setFocus();
    find->lineEdit()->setText("at ");
    QTRY_VERIFY(find->lineEdit()->hasFocus());
    f.Action("mmTimePaste")->trigger();
    QVERIFY(find->lineEdit()->text().startsWith("at "));
    QVERIFY(find->lineEdit()->text().size() > 5);
    QCOMPARE(f.Grid().Cell(1, 3), std::string_view("2.25"));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::RangeCommandsTest)
#include "RangeCommandsTest.moc"
