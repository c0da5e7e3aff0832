// The sort dialog: its column entries, moving columns between the lists,
// the order, kinds and directions of the keys, and what it hands over.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/rows/TSortOption.h"

namespace tabulo::ui {

class SortDialogTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TableDocument grid;
    std::unique_ptr<TSortOption> dialog;

    // Columns: 氏名フリガナ住所 (text), Price (numeric), Day (date), Note.
    Fixture() {
      grid.SetColCount(5);
      grid.SetRowCount(3);
      const char* titles[] = {"氏名フリガナ住所", "Price", "Day", "Note"};
      for (int col = 1; col <= 4; ++col) grid.SetCell(col, 0, test::Sjis(titles[col - 1]));
      grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Numeric);
      grid.Item(3).DataType = static_cast<std::uint8_t>(ColumnType::Date);
      grid.SetCell(1, 1, test::Sjis("山田"));
      grid.SetCell(2, 1, "1,200");
      dialog = std::make_unique<TSortOption>(nullptr, services, grid);
    }
    QListWidget& List(const char* name) const { return *dialog->findChild<QListWidget*>(name); }
    void Press(const char* name) const { dialog->findChild<QPushButton*>(name)->click(); }
    // Selects exactly the entries at `rows` of the list.
    void Pick(const char* list, std::initializer_list<int> rows) const {
      List(list).clearSelection();
      for (const int row : rows) List(list).item(row)->setSelected(true);
    }
    std::vector<int> Columns(const char* list) const {
      std::vector<int> columns;
      for (int row = 0; row < List(list).count(); ++row) columns.push_back(List(list).item(row)->data(Qt::UserRole).toInt());
      return columns;
    }
  };

 private slots:
  // Each entry is the title padded or cut to ten bytes on whole characters,
  // ":" and the first row's text.
  void theColumnsAreListedWithTheirFirstRow() {
    Fixture f;
    QCOMPARE(f.List("LBNoSort").count(), 4);
    QCOMPARE(f.List("LBNoSort").item(0)->text(), QString("氏名フリガ:山田"));
    QCOMPARE(f.List("LBNoSort").item(1)->text(), QString("Price     :1,200"));
    QVERIFY(!f.dialog->findChild<QPushButton*>("btnOk")->isEnabled());
  }

  void keysMoveAcrossInListOrderAndBackInColumnOrder() {
    Fixture f;
    f.Pick("LBNoSort", {3, 1});
    f.Press("BtnGoWrite");
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{2, 4}));
    QCOMPARE(f.List("LBSort").selectedItems().size(), 2);
    QCOMPARE(f.Columns("LBNoSort"), (std::vector<int>{1, 3}));
    QVERIFY(f.dialog->findChild<QPushButton*>("btnOk")->isEnabled());
    f.Pick("LBNoSort", {0});
    f.Press("BtnGoWrite");
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{2, 4, 1}));
    // Up and down move every selected key, unless one is already at the end.
    f.Pick("LBSort", {1, 2});
    f.Press("BtnUp");
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{4, 1, 2}));
    f.Press("BtnUp");
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{4, 1, 2}));
    f.Pick("LBSort", {0});
    f.Press("BtnDown");
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{1, 4, 2}));
    f.Pick("LBSort", {2});
    f.Press("BtnDown");
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{1, 4, 2}));
    // Back again, each before the first later column.
    f.Pick("LBSort", {0, 1});
    f.Press("BtnGoNoWrite");
    QCOMPARE(f.Columns("LBNoSort"), (std::vector<int>{1, 3, 4}));
    QCOMPARE(f.Columns("LBSort"), (std::vector<int>{2}));
    f.Pick("LBSort", {0});
    f.Press("BtnGoNoWrite");
    QVERIFY(!f.dialog->findChild<QPushButton*>("btnOk")->isEnabled());
  }

  // The kind starts from the column's type; the buttons set kind and
  // direction on every selected key.
  void kindsAndDirections() {
    Fixture f;
    f.Pick("LBNoSort", {0, 1, 2});
    f.Press("BtnGoWrite");
    std::vector<TKeyItem> keys = f.dialog->Keys();
    QCOMPARE(keys.size(), std::size_t{3});
    QCOMPARE(keys[0].kind, SortKind::Text);
    QCOMPARE(keys[1].kind, SortKind::Number);
    QCOMPARE(keys[2].kind, SortKind::Date);
    QVERIFY(keys[0].ascending);
    f.Pick("LBSort", {0, 2});
    f.Press("BtnKind2");
    f.Press("BtnDescending");
    keys = f.dialog->Keys();
    QCOMPARE(keys[0].kind, SortKind::Bytes);
    QCOMPARE(keys[2].kind, SortKind::Bytes);
    QCOMPARE(keys[1].kind, SortKind::Number);
    QVERIFY(!keys[0].ascending && keys[1].ascending && !keys[2].ascending);
  }

  // Only ten keys go to the sort; help is its page; cancelling gives nothing.
  void askingHandsOverTenKeysAtMost() {
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TableDocument grid;
    grid.SetColCount(13);
    std::vector<TKeyItem> keys;
    QTimer::singleShot(0, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      dialog->findChild<QListWidget*>("LBNoSort")->selectAll();
      dialog->findChild<QPushButton*>("BtnGoWrite")->click();
      dialog->findChild<QPushButton*>("BtnHelp")->click();
      dialog->findChild<QPushButton*>("btnOk")->click();
    });
    QVERIFY(AskSortKeys(nullptr, services, grid, keys));
    QCOMPARE(keys.size(), std::size_t{10});
    QCOMPARE(keys.back().column, 10);
    QCOMPARE(platform.help.shown, std::vector<int>{10008});
    QCOMPARE(platform.prompter.Beeps(), std::vector<Sound>{Sound::Question});

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("btnAbort")->click(); });
    keys.clear();
    QVERIFY(!AskSortKeys(nullptr, services, grid, keys));
    QVERIFY(keys.empty());
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::SortDialogTest)
#include "SortDialogTest.moc"
