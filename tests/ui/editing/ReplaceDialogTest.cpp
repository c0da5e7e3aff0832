// The replace dialog: what each method shows, when it may run, and the values
// it hands over.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/editing/TReplaceForm.h"

namespace tabulo::ui {

class ReplaceDialogTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TableDocument grid;
    std::unique_ptr<TReplaceForm> dialog;

    Fixture() {
      grid.SetColCount(3);
      grid.SetRowCount(2);
      grid.SetCell(0, 0, "No");
      grid.SetCell(1, 0, test::Sjis("区分"));
      grid.SetCell(2, 0, "Price");
      dialog = std::make_unique<TReplaceForm>(nullptr, services, grid);
      dialog->show();
    }
    template <class Widget>
    Widget& Get(const char* name) const {
      auto* widget = dialog->findChild<Widget*>(name);
      if (widget == nullptr) qFatal("no control %s", name);
      return *widget;
    }
    void Choose(int method) const { Get<QRadioButton>(qPrintable(QStringLiteral("RGMethod%1").arg(method))).click(); }
    QComboBox& Upper() const { return Get<QComboBox>("CBPreData"); }
    QComboBox& Lower() const { return Get<QComboBox>("CBNextData"); }
    bool CanRun() const { return Get<QPushButton>("btnOk").isEnabled(); }
  };

 private slots:
  // One line per method: the labels (empty: hidden with its box), whether
  // the lower box is pick-only, and whether it may run with both boxes empty.
  void eachMethodShowsItsBoxes() {
    const struct {
      int method;
      const char* upper;
      const char* lower;
      bool pickOnly;
      bool runsEmpty;
    } cases[] = {
        {0, "", "置換データ", false, true},          {1, "検索データ", "置換データ", false, false},
        {2, "前部データ", "後部データ", false, false}, {3, "ｸﾞﾙｰﾌﾟ項目", "", false, true},
        {4, "", "", false, true},                    {5, "ｸﾞﾙｰﾌﾟ項目", "比較項目", true, false},
    };
    Fixture f;
    for (const auto& c : cases) {
      f.Choose(c.method);
      const QString upper = QString::fromUtf8(c.upper), lower = QString::fromUtf8(c.lower);
      QCOMPARE(f.Get<QLabel>("LBPreData").isVisible(), !upper.isEmpty());
      QCOMPARE(f.Upper().isVisible(), !upper.isEmpty());
      QCOMPARE(f.Get<QLabel>("LBNextData").isVisible(), !lower.isEmpty());
      QCOMPARE(f.Lower().isVisible(), !lower.isEmpty());
      if (!upper.isEmpty()) QCOMPARE(f.Get<QLabel>("LBPreData").text(), upper);
      if (!lower.isEmpty()) QCOMPARE(f.Get<QLabel>("LBNextData").text(), lower);
      QCOMPARE(f.Lower().isEditable(), !c.pickOnly);
      QCOMPARE(f.CanRun(), c.runsEmpty);
      // Only the chosen method's caption is blue.
      for (int other = 0; other < 6; ++other) {
        const auto& item = f.Get<QRadioButton>(qPrintable(QStringLiteral("RGMethod%1").arg(other)));
        QCOMPARE(item.palette().color(QPalette::Active, QPalette::WindowText) == QColor(Qt::blue), other == c.method);
      }
    }
  }

  void theRunButtonFollowsEveryChangeOfTheTexts() {
    Fixture f;
    f.Choose(1);  // 検索置換 needs a search text
    f.Upper().setEditText("a");
    QVERIFY(f.CanRun());
    f.Upper().setEditText("");
    QVERIFY(!f.CanRun());
    f.Choose(2);  // データ連結: either part will do
    f.Lower().setEditText("-");
    QVERIFY(f.CanRun());
    f.Lower().setEditText("");
    QVERIFY(!f.CanRun());
    f.Choose(5);  // 順位: only a chosen comparison column
    QVERIFY(!f.CanRun());
    f.Lower().setCurrentIndex(2);
    QVERIFY(f.CanRun());
    // Back to a method with an editable box, the choice stays a reference.
    f.Choose(0);
    QVERIFY(f.Lower().isEditable());
    QCOMPARE(f.dialog->Request().lower.listIndex, 2);
  }

  // A chosen entry of column 1 or beyond is a reference; column 0's entry
  // and typed text are literals (though numbering still groups by a chosen
  // column 0); editing a chosen title makes it typed text again.
  void chosenEntriesAndTypedTexts() {
    Fixture f;
    f.Choose(2);
    f.Upper().setCurrentIndex(1);
    ReplaceRequest request = f.dialog->Request();
    QCOMPARE(request.method, ReplaceMethod::Concat);
    QVERIFY(request.upper.IsReference());
    QCOMPARE(request.upper.listIndex, 1);
    QCOMPARE(request.upper.text, test::Sjis("区分"));
    f.Upper().setEditText(QString::fromUtf8("区分X"));
    request = f.dialog->Request();
    QVERIFY(!request.upper.IsChosen());
    QCOMPARE(request.upper.text, test::Sjis("区分X"));
    f.Upper().setCurrentIndex(0);
    QVERIFY(f.dialog->Request().upper.IsChosen());
    QVERIFY(!f.dialog->Request().upper.IsReference());
    // A hidden box gives nothing.
    f.Choose(4);
    QCOMPARE(f.dialog->Request().upper.text, std::string());
    QVERIFY(!f.dialog->Request().upper.IsChosen());
  }

  void askingBeepsAndHandsOverTheChoice() {
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TableDocument grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    ReplaceRequest request;
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TReplaceForm*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->findChild<QPushButton*>("BtnHelp")->click();
      dialog->findChild<QRadioButton*>("RGMethod4")->click();
      dialog->findChild<QPushButton*>("btnOk")->click();
    });
    QVERIFY(AskReplace(nullptr, services, grid, request));
    QCOMPARE(request.method, ReplaceMethod::RowNumber);
    QCOMPARE(platform.help.shown, std::vector<int>{10012});
    QCOMPARE(platform.prompter.Beeps(), std::vector<Sound>{Sound::Question});

    QTimer::singleShot(0, [] {
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    request = {};
    QVERIFY(!AskReplace(nullptr, services, grid, request));
  }

  // A character the document cannot hold is typed without harm and
  // reported when OK is pressed; the dialog stays open.
  void aTextTheDocumentCannotHoldIsReportedOnAccepting() {
    Fixture f;
    f.Choose(1);  // 検索置換
    f.Upper().setEditText(QStringLiteral("😀"));
    f.Lower().setEditText(QStringLiteral("x"));
    QVERIFY(f.CanRun());
    f.platform.prompter.Then(Answer::Ok);
    f.Get<QPushButton>("btnOk").click();
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    QVERIFY(f.platform.prompter.Asked().back().text.find("Shift-JIS に変換できない文字") != std::string::npos);
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::ReplaceDialogTest)
#include "ReplaceDialogTest.moc"
