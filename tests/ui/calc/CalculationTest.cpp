// The calculation bar and the calculation dialog.

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "platform/ScriptedServices.h"
#include "support/GridText.h"
#include "support/TestFiles.h"
#include "ui/app/GridModel.h"
#include "support/WindowFixture.h"
#include "ui/app/TTabulo.h"
#include "ui/calc/TCalcForm.h"

using tabulo::Answer;
using tabulo::test::Sjis;

namespace tabulo::ui {

class CalculationTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::WindowFixture {
    Fixture() {
      window->resize(900, 600);
      for (int row = 1; row <= 3; ++row) {
        Grid().SetCell(1, row, std::to_string(row * 10));
        Grid().SetCell(2, row, row == 2 ? "" : std::to_string(row));
      }
    }
    QComboBox* Line() const { return window->CalcLine(); }
    QPushButton* Run() const { return window->findChild<QPushButton*>("BtnDoCalc"); }
  };

  // Runs `steps` on the dialog once it is open.
  static void OnDialog(std::function<void(TCalcForm&)> steps) {
    QTimer::singleShot(0, [steps] {
      auto* dialog = qobject_cast<TCalcForm*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      steps(*dialog);
    });
  }

 private slots:
  void theBarCompilesEveryEdit() {
    Fixture f;
    f.Line()->setEditText(QString("[列   1] * 2"));
    QVERIFY(f.Run()->isEnabled());
    f.Line()->setEditText("1+");
    QVERIFY(!f.Run()->isEnabled());
    QCOMPARE(f.Line()->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 0));
    f.Line()->setEditText("");
    QVERIFY(!f.Run()->isEnabled());
  }

  void theBarReplacesTheSelectionColumnByColumnAndCountsFailures() {
    Fixture f;
    f.Grid().SetSelection({1, 1, 2, 3});
    f.window->SyncViewFromDocument();
    f.Line()->setEditText("100 / Self");
    f.platform.prompter.Then(Answer::Yes);  // the confirmation
    f.platform.prompter.Then(Answer::Ok);   // the failure report
    f.Run()->click();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("10"));
    QCOMPARE(f.Grid().Cell(1, 3), std::string_view("3.33333333333333"));
    QCOMPARE(f.Grid().Cell(2, 2), std::string_view("Error"));  // 100 / 0
    QCOMPARE(f.Grid().Cell(2, 1), std::string_view("100"));
    const Prompt& confirm = f.platform.prompter.Asked().at(0);
    QVERIFY(confirm.text.find("100 / Self") != std::string::npos);
    QVERIFY(f.platform.prompter.Asked().back().text.find("エラーデータ数： 1") != std::string::npos);
    QCOMPARE(f.Line()->count(), 1);

    // The same formula in other letter case does not appear twice; No changes nothing.
    f.Line()->setEditText("100 / SELF");
    f.platform.prompter.Then(Answer::No);
    f.Run()->click();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("10"));
    f.platform.prompter.Then(Answer::Yes);
    f.platform.prompter.Then(Answer::Ok);  // "Error" reads as 0: the same cell fails again
    f.Run()->click();
    QCOMPARE(f.Line()->count(), 1);
    QCOMPARE(f.Line()->itemText(0), QString("100 / SELF"));
  }

  void f12ShowsAHiddenBarAndClearEmptiesTheHistory() {
    Fixture f;
    f.Action("mmShowPanelCalc")->trigger();
    QVERIFY(f.window->findChild<QFrame*>("PanelCalc")->isHidden());
    f.window->mmDamyDoCalcClick();
    QVERIFY(!f.window->findChild<QFrame*>("PanelCalc")->isHidden());
    QCOMPARE(f.platform.prompter.Beeps().back(), Sound::Question);
    f.Line()->addItem("1+1");
    f.platform.prompter.Then(Answer::Yes);
    f.window->btnClearCalcLineClick();
    QCOMPARE(f.Line()->count(), 0);
  }

  void insertionMenusPutNamesAtTheCaret() {
    Fixture f;
    f.Grid().Item(1).Title = Sjis("単価");
    f.Line()->setEditText("2*");
    f.Line()->lineEdit()->setCursorPosition(2);
    f.window->findChild<QPushButton*>("btnColName")->click();
    auto* columns = f.window->findChild<QMenu*>("PMColName");
    QVERIFY(columns != nullptr);
    columns->actions().at(1)->trigger();  // column 1 (0 is the row-number column)
    columns->hide();
    QCOMPARE(f.Line()->currentText(), QString("2*[単価]"));
    f.Line()->lineEdit()->selectAll();
    auto* functions = f.window->findChild<QMenu*>("PMFuncName");
    for (QAction* action : functions->actions()) {
      if (action->text().startsWith("Sqrt(")) {
        action->trigger();
        break;
      }
    }
    QCOMPARE(f.Line()->currentText(), QString("Sqrt( 2*[単価] )"));
  }

  void theColumnMenuFollowsTitleChanges() {
    Fixture f;
    auto* button = f.window->findChild<QPushButton*>("btnColName");
    button->click();
    auto* columns = f.window->findChild<QMenu*>("PMColName");
    columns->hide();
    QAction* kept = columns->actions().at(1);
    button->click();  // nothing changed: the same items
    columns->hide();
    QCOMPARE(columns->actions().at(1), kept);
    f.Grid().Item(1).Title = Sjis("単価");
    button->click();
    columns->hide();
    QVERIFY(columns->actions().at(1)->text().startsWith("単価"));
    columns->actions().at(1)->trigger();
    QCOMPARE(f.Line()->currentText(), QString("[単価]"));
  }

  void dialogColoursTheChosenOptionsBlue() {
    Fixture f;
    OnDialog([](TCalcForm& dialog) {
      const auto blue = [](QWidget* widget) { return widget->palette().color(QPalette::WindowText) == QColor(0, 0, 255); };
      const QList<QAbstractButton*> methods = dialog.findChild<QGroupBox*>("RG2")->findChildren<QAbstractButton*>();
      for (QAbstractButton* button : methods) QCOMPARE(blue(button), button->text() == "平均");
      auto* newColumn = dialog.findChild<QCheckBox*>("CBNewCol");
      auto* label = dialog.findChild<QLabel*>("LabelCols");
      QVERIFY(!blue(newColumn) && blue(label));
      newColumn->setChecked(true);
      QVERIFY(blue(newColumn) && !blue(label));
      QVERIFY(!dialog.findChild<QComboBox*>("CBCols")->isEnabled());
      methods.front()->click();  // 合計
      QVERIFY(blue(methods.front()));
      QVERIFY(!blue(methods.at(1)));
      dialog.reject();
    });
    f.Action("mmCalc")->trigger();
  }

  void dialogAcrossAveragesIntoANewColumn() {
    Fixture f;
    OnDialog([](TCalcForm& dialog) {
      auto* list = dialog.findChild<QListWidget*>("LBKoumoku");
      list->item(0)->setSelected(true);
      list->item(1)->setSelected(true);
      dialog.findChild<QCheckBox*>("CBNewCol")->setChecked(true);
      dialog.btnCalcClick();
    });
    f.platform.prompter.Then(Answer::Ok);  // one row has an empty cell
    f.Action("mmCalc")->trigger();
    QCOMPARE(f.Grid().ColCount(), 11);
    QCOMPARE(f.Grid().Cell(10, 0), Sjis("平均"));
    QCOMPARE(f.Grid().Cell(10, 1), std::string_view("5.5"));
    QCOMPARE(f.Grid().Cell(10, 2), std::string_view("20"));
    QCOMPARE(f.Grid().Item(10).DataType, static_cast<std::uint8_t>(ColumnType::Numeric));
    QCOMPARE(f.window->Model()->columnCount(), 10);
  }

  void dialogDownAddsTotalsRowsAndShowsThem() {
    Fixture f;
    OnDialog([](TCalcForm& dialog) {
      dialog.SetPage(TCalcForm::PageDown);
      dialog.findChild<QListWidget*>("LBKoumoku")->item(0)->setSelected(true);
      dialog.findChild<QCheckBox*>("CBGoukei")->setChecked(true);
      dialog.btnCalcClick();
    });
    f.platform.prompter.Then(Answer::Ok);  // the empty rows 4..9 do not convert
    f.Action("mmCalc")->trigger();
    QCOMPARE(f.Grid().RowCount(), 12);
    QCOMPARE(f.Grid().Cell(0, 10), kTotalsRowLabel);
    QCOMPARE(f.Grid().Cell(1, 10), std::string_view("60"));  // 合計, in the label column too
    QCOMPARE(f.Grid().Cell(1, 11), std::string_view("20"));  // 平均
  }

  void dialogFormulaPageWritesAColumnAndKeepsTheHistory() {
    Fixture f;
    OnDialog([](TCalcForm& dialog) {
      dialog.SetPage(TCalcForm::PageFormula);
      auto* line = dialog.findChild<QComboBox*>("CBCalcLine");
      line->setEditText("RowNo * 2");
      dialog.findChild<QComboBox*>("CBCols")->setCurrentIndex(2);
      dialog.btnTestClick();
      QCOMPARE(dialog.findChild<QLabel*>("PanelResult")->text(), QString("2"));
      line->setEditText("1+");
      dialog.btnTestClick();
      QCOMPARE(dialog.findChild<QLabel*>("PanelResult")->text(), QString("計算エラー"));
      dialog.btnCalcClick();  // does not compile: the dialog stays
      QVERIFY(dialog.isVisible());
      line->setEditText("RowNo * 2");
      dialog.btnCalcClick();
    });
    f.Action("mmCalc")->trigger();
    QCOMPARE(f.Grid().Cell(3, 9), std::string_view("18"));
    QCOMPARE(f.Line()->itemText(0), QString("RowNo * 2"));
  }

  void dialogColumnMenuInsertsTitles() {
    Fixture f;
    f.Grid().Item(2).Title = Sjis("数量");
    OnDialog([&f](TCalcForm& dialog) {
      dialog.SetPage(TCalcForm::PageFormula);
      auto* line = dialog.findChild<QComboBox*>("CBCalcLine");
      for (int round = 0; round < 2; ++round) {
        dialog.findChild<QPushButton*>("btnColName")->click();
        auto* columns = dialog.findChild<QMenu*>("PMColName");
        QVERIFY(columns != nullptr);
        QCOMPARE(columns->actions().size(), f.Grid().ColCount());  // built once, not again
        columns->actions().at(2)->trigger();
        columns->hide();
      }
      QCOMPARE(line->currentText(), QString("[数量][数量]"));
      dialog.reject();
    });
    f.Action("mmCalc")->trigger();
  }

  void dialogWithoutChosenColumnsWarnsAndStaysOpen() {
    Fixture f;
    OnDialog([&f](TCalcForm& dialog) {
      dialog.btnCalcClick();
      QVERIFY(dialog.isVisible());
      QCOMPARE(f.platform.prompter.Asked().back().id, MessageId::NoColumnsChosen);
      dialog.reject();
    });
    f.platform.prompter.Then(Answer::Ok);
    f.Action("mmCalc")->trigger();
    QCOMPARE(f.Grid().ColCount(), 10);
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::CalculationTest)
#include "CalculationTest.moc"
