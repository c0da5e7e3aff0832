// Undo and redo in the window: the menu items and their captions, where
// Ctrl+Z goes, and whole commands taken back and made again.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "support/TestFiles.h"
#include "support/WindowFixture.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {

class UndoTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::WindowFixture {
    void Type(int col, int row, const char* text) {
      window->Model()->setData(window->Model()->index(row - 1, col - 1), QString::fromUtf8(text), Qt::EditRole);
    }
    QString Caption(const char* name) const { return Action(name)->text(); }
    // Keys as the user presses them, to whatever has the focus.
    void Key(const char* keys) {
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), QKeySequence(keys));
    }
  };

 private slots:
  void itemsNameWhatTheyTakeBack() {
    Fixture f;
    QCOMPARE(f.Caption("mmUndo"), QString("元に戻す(&U)"));
    QVERIFY(!f.Action("mmUndo")->isEnabled());
    QVERIFY(!f.Action("mmRedo")->isEnabled());
    QVERIFY(!f.window->findChild<QToolButton*>("BtnUndo")->isEnabled());
    f.platform.clipboard.text = u"a\tb\r\n";
    f.Select({1, 1, 2, 1});
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Caption("mmUndo"), QString("元に戻す: 貼り付け(&U)"));
    QVERIFY(f.Action("mmUndo")->isEnabled());
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Caption("mmUndo"), QString("元に戻す(&U)"));
    QCOMPARE(f.Caption("mmRedo"), QString("やり直し: 貼り付け(&Y)"));
    QVERIFY(f.window->findChild<QToolButton*>("BtnRedo")->isEnabled());
    f.Type(3, 3, "x");
    QCOMPARE(f.Caption("mmUndo"), QString("元に戻す: 入力(&U)"));
    QVERIFY(!f.Action("mmRedo")->isEnabled());  // a new step ends what could be redone
  }

  // Ctrl+Z belongs to a focused text box or an open cell editor before the table.
  void ctrlZGoesWhereTheUserTypes() {
    Fixture f;
    f.Type(1, 1, "table");
    f.window->SetInputMode(true);
    auto* editor = f.window->View()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->selectAll();
    editor->insert("typing");  // typed, so the editor can take it back
    f.Action("mmUndo")->trigger();
    QCOMPARE(editor->text(), QString("table"));   // the editor's own undo
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("table"));
    f.window->SetInputMode(false);

    QLineEdit* find = f.window->findChild<QComboBox*>("CBFindText")->lineEdit();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    find->setFocus();
    find->insert("word");
    f.Action("mmUndo")->trigger();
    QCOMPARE(find->text(), QString());
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("table"));

    f.window->View()->setFocus();
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view(""));
  }

  void undoAfterAPasteThatGrewTheGrid() {
    Fixture f;  // nine data rows, nine data columns
    f.Select({8, 9, 8, 9});
    f.platform.clipboard.text = u"1\t2\t3\r\n4\r\n";
    f.platform.prompter.Then(Answer::Yes);
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().RowCount(), 11);
    QCOMPARE(f.Grid().ColCount(), 11);
    QCOMPARE(f.window->Model()->rowCount(), 10);
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.Grid().RowCount(), 10);
    QCOMPARE(f.Grid().ColCount(), 10);
    QCOMPARE(f.window->Model()->rowCount(), 9);
    QCOMPARE(f.window->Model()->columnCount(), 9);
    QCOMPARE(f.Grid().Cell(8, 9), std::string_view(""));
    QCOMPARE(f.Grid().Selection(), (TGridRect{8, 9, 8, 9}));  // as before the paste
    f.Action("mmRedo")->trigger();
    QCOMPARE(f.window->Model()->rowCount(), 10);
    QCOMPARE(f.Grid().Cell(8, 10), std::string_view("4"));
  }

  // What a new user does: paste, run a formula, delete rows, type; then takes
  // each back with Ctrl+Z and brings it back with Ctrl+Y.
  void aSessionTakenBackAndMadeAgain() {
    Fixture f;
    f.window->View()->setFocus();
    f.platform.clipboard.text = u"1\t2\r\n3\t4\r\n5\t6\r\n";
    f.Select({1, 1, 2, 3});
    f.Action("mmPaste")->trigger();
    f.window->CalcLine()->setEditText("[列   1] * 10");
    f.Select({3, 1, 3, 3});
    f.platform.prompter.Then(Answer::Yes);  // run the formula over the selection
    f.window->BtnDoCalcClick();
    QCOMPARE(f.Grid().Cell(3, 3), std::string_view("50"));
    f.Select({1, 1, 1, 1});
    f.platform.prompter.Then(Answer::Yes);  // delete the row
    f.window->btnRowDeleteClick();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("3"));
    f.Type(2, 1, "typed");

    const std::string_view states[][3] = {
        {"3", "typed", "30"}, {"3", "4", "30"}, {"1", "2", "10"}, {"1", "2", ""}, {"", "", ""}};
    const auto check = [&](int state) {
      QCOMPARE(f.Grid().Cell(1, 1), states[state][0]);
      QCOMPARE(f.Grid().Cell(2, 1), states[state][1]);
      QCOMPARE(f.Grid().Cell(3, 1), states[state][2]);
      QCOMPARE(f.window->Model()->data(f.window->Model()->index(0, 1), Qt::DisplayRole).toString(),
               QString::fromUtf8(states[state][1].data(), static_cast<int>(states[state][1].size())));
    };
    check(0);
    for (int state = 1; state <= 4; ++state) {
      f.Key("Ctrl+Z");
      check(state);
    }
    QVERIFY(!f.Action("mmUndo")->isEnabled());
    for (int state = 3; state >= 0; --state) {
      f.Key(state % 2 == 0 ? "Ctrl+Y" : "Ctrl+Shift+Z");
      check(state);
    }
    QCOMPARE(f.Grid().RowCount(), 10 - 1);
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::UndoTest)
#include "UndoTest.moc"
