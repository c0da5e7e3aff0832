// Copy, cut, clear and paste in the window, their routing, the grid popup,
// the column popup and the input method of the column being entered.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QMenu>
#include <QTest>

#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "support/WindowFixture.h"
#include "ui/app/TTabulo.h"

using tabulo::Answer;

namespace tabulo::ui {

class EditCommandsTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::WindowFixture {
    void Fill() {
      for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 3; ++col) Grid().SetCell(col, row, std::string(1, static_cast<char>('a' + (row - 1) * 3 + col - 1)));
      }
    }
    std::u16string Clipboard() const { return platform.clipboard.text.value_or(u"<none>"); }
  };

 private slots:
  void copyAndCutPutShiftJisCellsOnTheClipboardAsText() {
    Fixture f;
    f.Fill();
    f.Grid().SetCell(2, 1, test::Sjis("表"));
    f.Select({1, 1, 2, 2});
    f.Action("mmCopy")->trigger();
    QCOMPARE(f.Clipboard(), std::u16string(u"a\t表\r\nd\te\r\n"));
    f.Action("mmCut")->trigger();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view(""));
    QCOMPARE(f.Grid().Cell(2, 2), std::string_view(""));
    QCOMPARE(f.Grid().Cell(3, 1), std::string_view("c"));
    QCOMPARE(f.window->Model()->data(f.window->Model()->index(0, 0), Qt::DisplayRole).toString(), QString());
  }

  // Copied cells paste back as the very bytes they were, even those that
  // Unicode cannot carry; text from other programs is converted as before.
  void cellsCopiedInTheProgramPasteAsTheirBytes() {
    Fixture f;
    f.Fill();
    const std::string odd[] = {"\xED\x40", "\x87\x90\xEE\xEF", "\x80", "x\xA0\x82"};
    f.Grid().SetCell(1, 1, odd[0]);
    f.Grid().SetCell(2, 1, odd[1]);
    f.Grid().SetCell(1, 2, odd[2]);
    f.Grid().SetCell(2, 2, odd[3]);
    f.Select({1, 1, 2, 2});
    f.Action("mmCopy")->trigger();
    f.Select({2, 2, 3, 3});
    f.Action("mmPaste")->trigger();
    QCOMPARE(std::string(f.Grid().Cell(2, 2)), odd[0]);
    QCOMPARE(std::string(f.Grid().Cell(3, 2)), odd[1]);
    QCOMPARE(std::string(f.Grid().Cell(2, 3)), odd[2]);
    QCOMPARE(std::string(f.Grid().Cell(3, 3)), odd[3]);

    f.platform.clipboard.text = u"\u2252";  // another program's ≒
    f.Select({1, 1, 1, 1});
    f.Action("mmPaste")->trigger();
    QCOMPARE(std::string(f.Grid().Cell(1, 1)), test::Sjis("≒"));
  }

  void pasteIntoARangeAndItsModes() {
    Fixture f;
    f.Fill();
    f.platform.clipboard.text = u"X\tY\r\nZ\r\n";
    f.Select({2, 2, 3, 3});
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().Cell(2, 2), std::string_view("X"));
    QCOMPARE(f.Grid().Cell(3, 2), std::string_view("Y"));
    QCOMPARE(f.Grid().Cell(2, 3), std::string_view("Z"));
    f.Action("mmPasteAdd")->trigger();
    QCOMPARE(f.Grid().Cell(2, 2), std::string_view("XX"));
    f.Action("mmPastePre")->trigger();
    QCOMPARE(f.Grid().Cell(3, 2), std::string_view("YYY"));
  }

  void singleCellPasteAsksToGrowTheGrid() {
    Fixture f;  // nine data rows, nine data columns
    f.Select({8, 9, 8, 9});
    f.platform.clipboard.text = u"1\t2\t3\r\n4\r\n";
    f.platform.prompter.Then(Answer::Cancel);
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().Cell(8, 9), std::string_view(""));
    QCOMPARE(f.platform.prompter.Asked().back().id, MessageId::PasteExceedsRowsAndColumns);

    f.platform.prompter.Then(Answer::No);  // paste what fits
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().RowCount(), 10);
    QCOMPARE(f.Grid().Cell(9, 9), std::string_view("2"));

    f.platform.prompter.Then(Answer::Yes);
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().RowCount(), 11);
    QCOMPARE(f.Grid().ColCount(), 11);
    QCOMPARE(f.Grid().Cell(10, 9), std::string_view("3"));
    QCOMPARE(f.Grid().Cell(8, 10), std::string_view("4"));
    QCOMPARE(f.Grid().Cell(10, 0), test::Sjis("列  10"));
    QCOMPARE(f.Grid().Cell(0, 10), std::string_view("10"));
    QCOMPARE(f.window->Model()->rowCount(), 10);
  }

  void singleCellPasteThatFitsAsksWithTheCoveredCellsSelected() {
    Fixture f;
    f.Fill();
    f.Select({1, 1, 1, 1});
    f.platform.clipboard.text = u"p\tq\r\nr\ts\r\n";
    f.platform.prompter.Then(Answer::Cancel);
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.platform.prompter.Asked().back().id, MessageId::PasteConfirmUpdate);
    QCOMPARE(f.platform.prompter.Asked().back().buttons, Buttons::OkCancel);
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("a"));
    QCOMPARE(f.Grid().Selection(), (TGridRect{1, 1, 1, 1}));
    f.platform.prompter.Then(Answer::Ok);
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().Cell(2, 2), std::string_view("s"));
    // One line with one field goes straight into the cell.
    f.platform.clipboard.text = u"solo";
    f.Action("mmPaste")->trigger();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("solo"));
  }

  void clipboardCommandsGoToAnOpenEditor() {
    Fixture f;
    f.Fill();
    f.window->SetInputMode(true);
    auto* editor = f.window->View()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->setText("typed");
    editor->selectAll();
    f.Action("mmCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("typed"));
    QVERIFY(!f.platform.clipboard.text.has_value());  // the grid's own copy did not run
    QGuiApplication::clipboard()->setText("pasted");
    editor->selectAll();
    f.Action("mmPaste")->trigger();
    QCOMPARE(editor->text(), QString("pasted"));
    f.Action("mmClear")->trigger();  // deletes the editor's selection (nothing is selected now)
    QCOMPARE(editor->text(), QString("pasted"));
  }

  void gridPopupFollowsTheEditorAndTheClipboard() {
    Fixture f;
    auto* menu = f.window->findChild<QMenu*>("GridMenu");
    QVERIFY(menu != nullptr);
    f.window->View()->customContextMenuRequested(QPoint(5, 5));
    const auto item = [&](const char* name) { return menu->findChild<QAction*>(name); };
    QVERIFY(item("pmCopy")->isEnabled());
    QVERIFY(!item("pmPaste")->isEnabled());
    QVERIFY(!item("pmUndo")->isVisible());
    QVERIFY(item("pmSelectAll")->isEnabled());
    menu->hide();
    f.platform.clipboard.text = u"x";
    f.window->SetInputMode(true);
    f.window->View()->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(item("pmPaste")->isEnabled());
    QVERIFY(!item("pmPasteAdd")->isEnabled());
    QVERIFY(item("pmUndo")->isVisible());
    QVERIFY(!item("pmSelectAll")->isEnabled());
    menu->hide();
  }

  void columnPopupShowsAndChangesTheColumnsRecord() {
    Fixture f;
    TGPItem& item = f.Grid().Item(3);
    item.DataType = static_cast<std::uint8_t>(ColumnType::Currency);
    item.ImeMode = 6;
    f.Select({1, 2, 2, 4});
    QStringList checked;
    f.window->ShowColumnPopup(3, [&](QMenu& popup) {
      for (QAction* action : popup.actions()) {
        if (action->isChecked()) checked << action->objectName();
      }
      QCOMPARE(f.Grid().Selection(), (TGridRect{3, 1, 3, 9}));  // the whole column while the popup is open
      popup.findChild<QAction*>("pmRight")->trigger();
    });
    QCOMPARE(checked, (QStringList{"pmCurr", "pmLeft", "pmHira"}));
    QCOMPARE(item.DrawFlags & 0x0003, 0x0002);
    QCOMPARE(item.DataType, static_cast<std::uint8_t>(ColumnType::Currency));
    QCOMPARE(f.Grid().Selection(), (TGridRect{1, 2, 2, 4}));
    f.window->ShowColumnPopup(3, [](QMenu& popup) { popup.findChild<QAction*>("pmInt")->trigger(); });
    QCOMPARE(item.DataType, static_cast<std::uint8_t>(ColumnType::Integer));
    QCOMPARE(item.DrawFlags & 0x0003, 0x0002);  // the type leaves the alignment alone
  }

  void attributeDialogReordersColumnsWithTheirCellsAndWidths() {
    Fixture f;
    f.Fill();
    f.Grid().SetColWidth(1, 55);
    QTimer::singleShot(0, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      auto* list = dialog->findChild<QListView*>("LBPrintOption");
      list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
      dialog->findChild<QPushButton*>("BtnDown")->click();  // column 1 moves behind column 2
      dialog->findChild<QPushButton*>("btnRight")->click();
      dialog->findChild<QPushButton*>("BtnClose")->click();
    });
    f.Action("mmZokusei")->trigger();
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("b"));
    QCOMPARE(f.Grid().Cell(2, 1), std::string_view("a"));
    QCOMPARE(f.Grid().Cell(2, 0), test::Sjis("列   1"));
    QCOMPARE(f.Grid().ColWidth(2), 55);
    QCOMPARE(f.Grid().Item(2).DrawFlags & 0x0003, 0x0002);
    QCOMPARE(f.window->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("列   1"));
  }

  void deletingTotalsRowsLeavesTheOthers() {
    Fixture f;
    f.Fill();
    f.Grid().SetCell(0, 2, kTotalsRowLabel);
    f.Action("mmDelCalcRow")->trigger();
    QCOMPARE(f.Grid().RowCount(), 9);
    QCOMPARE(f.Grid().Cell(1, 2), std::string_view("g"));
    QCOMPARE(f.window->Model()->rowCount(), 8);
  }

  void enteringACellInInputModeSwitchesTheInputMethod() {
    Fixture f;
    f.Grid().Item(2).ImeMode = 1;  // off
    f.Grid().Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Date);
    f.window->SetInputMode(true);
    f.Grid().SetCurrentCell(1, 1);
    f.window->SyncViewFromDocument();
    f.window->View()->setCurrentIndex(f.window->Model()->index(0, 1));  // the user enters column 2
    QCOMPARE(f.window->View()->ImeMode(), std::uint8_t{1});
    QVERIFY(f.window->View()->inputMethodHints() & Qt::ImhLatinOnly);
    QCOMPARE(f.window->findChild<QLabel*>("SBar1Panel3")->text(), QString("日付型"));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::EditCommandsTest)
#include "EditCommandsTest.moc"
