// Input mode: moving columns by their titles, and the grid popup over an
// open cell editor.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "platform/ScriptedServices.h"
#include "support/WindowFixture.h"
#include "ui/app/GridView.h"

namespace tabulo::ui {

class InputModeTest final : public QObject {
  Q_OBJECT

 private:
  static void DragTitle(GridView* view, int fromColumn, int toColumn) {
    QHeaderView* titles = view->horizontalHeader();
    const auto middle = [titles](int column) {
      return QPoint(titles->sectionViewportPosition(column - 1) + titles->sectionSize(column - 1) / 2, titles->height() / 2);
    };
    QTest::mousePress(titles->viewport(), Qt::LeftButton, {}, middle(fromColumn));
    QTest::mouseRelease(titles->viewport(), Qt::LeftButton, {}, middle(toColumn));
  }

 private slots:
  void draggingATitleMovesItsColumnWithItsAttributes() {
    test::WindowFixture f;
    TableDocument& grid = f.Grid();
    grid.SetCell(1, 1, "first");
    grid.Item(1).Title = "one";
    grid.Item(1).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
    grid.SetColWidth(1, 61);
    f.window->SetInputMode(true);
    DragTitle(f.window->View(), 1, 3);
    QCOMPARE(grid.Cell(3, 1), std::string_view("first"));
    QCOMPARE(grid.Item(3).Title, std::string("one"));
    QCOMPARE(grid.Item(3).Type(), ColumnType::Integer);
    QCOMPARE(f.window->View()->horizontalHeader()->sectionSize(2), 61);
    QCOMPARE(grid.Col(), 3);
    QVERIFY(f.window->View()->Editing());  // still typing, now in the moved column

    // In edit mode a title selects its column instead.
    f.window->SetInputMode(false);
    DragTitle(f.window->View(), 3, 1);
    QCOMPARE(grid.Cell(3, 1), std::string_view("first"));
  }

  void theGridPopupOpensOverTheEditorAndActsOnIt() {
    test::WindowFixture f;
    f.platform.clipboard.text = u"clip";
    f.window->SetInputMode(true);
    GridView* view = f.window->View();
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, "typed");
    // A right click inside the editor brings up the grid's popup, not the
    // text box's own menu, and the editor stays open.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), editor->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(editor, &click);
    auto* popup = f.window->findChild<QMenu*>("GridMenu");
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(view->Editing());
    QVERIFY(f.Action("pmUndo")->isVisible());
    QVERIFY(f.Action("pmPaste")->isEnabled());
    QVERIFY(!f.Action("pmPasteAdd")->isEnabled());
    QVERIFY(!f.Action("pmPastePre")->isEnabled());
    f.Action("pmUndo")->trigger();
    popup->hide();
    QCOMPARE(editor->text(), QString());
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view(""));  // nothing was committed on the way
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::InputModeTest)
#include "InputModeTest.moc"
