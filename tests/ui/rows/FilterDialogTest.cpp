// The filter dialog: presets from the column types, the test conversion of
// the search texts, the operators' colours, the checks before running and
// the file output choices.

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/rows/OperatorBox.h"
#include "ui/rows/TSentakuForm.h"

namespace tabulo::ui {

class FilterDialogTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TableDocument grid;
    std::unique_ptr<TSentakuForm> dialog;

    // Columns: Name (text), Price (currency), Day (date), At (time).
    Fixture() {
      grid.SetColCount(5);
      grid.SetRowCount(2);
      const char* titles[] = {"Name", "Price", "Day", "At"};
      for (int col = 1; col <= 4; ++col) grid.SetCell(col, 0, titles[col - 1]);
      grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Currency);
      grid.Item(3).DataType = static_cast<std::uint8_t>(ColumnType::Date);
      grid.Item(4).DataType = static_cast<std::uint8_t>(ColumnType::Time);
      grid.SetCell(1, 1, test::Sjis("山田"));
      SaveOptions preset;
      preset.SaveType = 1;
      preset.SaveAttributes = false;
      preset.WithTitle = true;
      dialog = std::make_unique<TSentakuForm>(nullptr, services, grid, preset);
      dialog->show();
    }
    template <class Widget>
    Widget& Get(const QString& name) const {
      auto* widget = dialog->findChild<Widget*>(name);
      if (widget == nullptr) qFatal("no control %s", qPrintable(name));
      return *widget;
    }
    QComboBox& Target(int row) const { return Get<QComboBox>(QStringLiteral("CBK%1").arg(row)); }
    QComboBox& Treatment(int row) const { return Get<QComboBox>(QStringLiteral("CBType%1").arg(row)); }
    OperatorBox& Operator(int row) const { return Get<OperatorBox>(QStringLiteral("CBJ%1").arg(row)); }
    QLineEdit& Text(int row) const { return Get<QLineEdit>(QStringLiteral("EditS%1").arg(row)); }
    bool Yellow(int row) const { return Text(row).palette().color(QPalette::Base) == QColor(Qt::yellow); }
  };

 private slots:
  void theColumnListAndThePresets() {
    Fixture f;
    QCOMPARE(f.Target(1).count(), 5);
    QCOMPARE(f.Target(1).itemText(0), QString("全ての項目"));
    QCOMPARE(f.Target(1).itemText(1), QString("Name：山田"));
    QVERIFY(!f.Treatment(1).isEnabled());
    // One line per column: the treatment it presets.
    const struct {
      int col;
      const char* treatment;
    } presets[] = {{1, "文字"}, {2, "数値"}, {3, "日付"}, {4, "時刻"}, {0, "文字"}};
    for (const auto& p : presets) {
      f.Target(1).setCurrentIndex(p.col);
      QCOMPARE(f.Treatment(1).currentText(), QString::fromUtf8(p.treatment));
      QCOMPARE(f.Treatment(1).isEnabled(), p.col != 0);
    }
  }

  // A text its treatment cannot read turns the box yellow; running needs a text.
  void searchTextsAreTestConverted() {
    Fixture f;
    QPushButton& run = f.Get<QPushButton>("btnOk");
    QVERIFY(!run.isEnabled());
    f.Target(2).setCurrentIndex(2);  // Price: 数値
    f.Text(2).setText("abc");
    QVERIFY(f.Yellow(2));
    QVERIFY(run.isEnabled());
    f.Text(2).setText("\\1,000");
    QVERIFY(!f.Yellow(2));
    f.Treatment(2).setCurrentIndex(2);  // 日付
    QVERIFY(f.Yellow(2));
    f.Treatment(2).setCurrentIndex(0);  // 文字 reads anything
    QVERIFY(!f.Yellow(2));
    f.Text(2).clear();
    QVERIFY(!run.isEnabled());
  }

  void operatorColoursFollowTheCondition() {
    Fixture f;
    OperatorBox& op = f.Operator(1);
    QCOMPARE(op.EntryColour(0), QColor());
    QCOMPARE(op.EntryColour(2), QColor(Qt::red));  // every column: ＝ not allowed
    f.Target(1).setCurrentIndex(1);                 // Name, 文字
    QCOMPARE(op.EntryColour(2), QColor());
    QCOMPARE(op.EntryColour(3), QColor(Qt::yellow));  // ＜ on text: warned
    f.Target(1).setCurrentIndex(2);                    // Price, 数値
    QCOMPARE(op.EntryColour(3), QColor());
  }

  void forbiddenAndDubiousConditions() {
    Fixture f;
    f.Text(1).setText("x");
    f.Operator(1).setCurrentIndex(2);  // ＝ on every column
    f.platform.prompter.Then(Answer::Ok);
    QVERIFY(!f.dialog->CheckConditions());
    QCOMPARE(f.platform.prompter.Asked().back().text,
             std::string("全項目を対象とした場合は、\n「含む」，「含まない」以外は指定できません。"));
    f.Operator(1).setCurrentIndex(0);
    f.Target(2).setCurrentIndex(2);
    f.Text(2).setText("abc");  // no number
    f.platform.prompter.Then(Answer::No);
    QVERIFY(!f.dialog->CheckConditions());
    f.platform.prompter.Then(Answer::Yes);
    QVERIFY(f.dialog->CheckConditions());
    QCOMPARE(f.platform.prompter.Asked().back().id, MessageId::FilterDubiousConditionQuestion);
  }

  // File output shows the save choices, preset from the save options; the
  // attributes leave out the title row and row numbers; a cancelled save
  // dialog goes back to the dialog.
  void fileOutputChoices() {
    Fixture f;
    QVERIFY(!f.Get<QGroupBox>("RGSaveType").isVisible());
    const int shortHeight = f.dialog->height();
    f.Get<QRadioButton>("RGMode1").click();
    QVERIFY(f.Get<QGroupBox>("RGSaveType").isVisible());
    QTRY_VERIFY(f.dialog->height() > shortHeight);
    QVERIFY(f.Get<QRadioButton>("RGSaveType1").isChecked());
    QVERIFY(f.Get<QCheckBox>("CBTitle").isEnabled());
    f.Get<QCheckBox>("CBCTL").click();
    QVERIFY(!f.Get<QCheckBox>("CBTitle").isEnabled());
    QVERIFY(!f.Get<QCheckBox>("CBNo").isEnabled());
    FilterRequest request = f.dialog->Request();
    QVERIFY(request.toFile);
    QVERIFY(request.save.SaveAttributes);
    QVERIFY(!request.save.WithTitle);

    f.Text(1).setText("a");
    f.platform.fileDialogs.Then({});  // cancelled
    f.Get<QPushButton>("btnOk").click();
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.platform.fileDialogs.Opened().back().title, std::string("選択結果の保存"));
    f.platform.fileDialogs.Then({"/tmp/out.csv"});
    f.Get<QPushButton>("btnOk").click();
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(f.dialog->Request().file, std::filesystem::path("/tmp/out.csv"));
  }

  void theRequestCarriesTheConditionsAndOptions() {
    Fixture f;
    f.Target(1).setCurrentIndex(2);
    f.Operator(1).setCurrentIndex(4);
    f.Text(1).setText(QString::fromUtf8("１００"));
    f.Get<QRadioButton>("RDOr").click();
    f.Get<QCheckBox>("CBNoKataHira").click();
    f.Get<QCheckBox>("CBNoLS").click();
    const FilterRequest request = f.dialog->Request();
    const FilterCondition& first = request.options.conditions[0];
    QCOMPARE(first.column, 2);
    QCOMPARE(first.treatment, FilterTreatment::Number);
    QCOMPARE(first.op, FilterOperator::Greater);
    QCOMPARE(first.text, test::Sjis("１００"));
    QVERIFY(request.options.useOr);
    QVERIFY(request.options.ignoreKana && !request.options.ignoreWidth && !request.options.ignoreCase);
    QVERIFY(!request.toFile);
    QCOMPARE(f.Get<QCheckBox>("CBNoKataHira").palette().color(QPalette::Active, QPalette::WindowText),
             QColor(Qt::blue));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::FilterDialogTest)
#include "FilterDialogTest.moc"
