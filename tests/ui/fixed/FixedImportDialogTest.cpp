// The fixed-length import: the dialog's layout grid, buttons and saved
// layouts, and the import from the File menu with the layout kept.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "core/fixed/FixedFieldCnf.h"
#include "support/ModalSteps.h"
#include "support/TestFiles.h"
#include "support/WindowFixture.h"
#include "ui/fixed/TFormFixedOpen.h"

using tabulo::Answer;

namespace tabulo::ui {
namespace {

using test::OnDialog;

QPushButton* Button(QWidget& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

// Types the lengths into the layout grid, one column after another.
void TypeLengths(QWidget& dialog, std::initializer_list<int> lengths) {
  auto* layout = dialog.findChild<QTableWidget*>("DG2");
  int column = 0;
  for (int length : lengths) layout->item(0, column++)->setText(QString::number(length));
}

}  // namespace

class FixedImportDialogTest final : public QObject {
  Q_OBJECT

 private slots:
  void layoutGridDrivesThePreview() {
    test::TempDir dir;
    Document document;
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TFormFixedOpen dialog(nullptr, services, document, TextLines::FromBytes("0012abc\r\n0300xyz\r\n9\r\n"),
                          dir / "FixedCnf", nullptr);
    auto* layout = dialog.findChild<QTableWidget*>("DG2");
    auto* preview = dialog.findChild<QTableView*>("DG1");
    QCOMPARE(layout->columnCount(), TFormFixedOpen::kStartColumns - 1);
    QCOMPARE(preview->model()->columnCount(), TFormFixedOpen::kStartColumns - 1);
    QCOMPARE(preview->model()->rowCount(), 3);
    QCOMPARE(layout->item(1, 0)->text(), QString("文字"));

    TypeLengths(dialog, {4, 3});
    QCOMPARE(dialog.Definition().Field(2)->FieldStart, 5);
    QCOMPARE(layout->currentColumn(), 2);  // typing a length moves on
    QCOMPARE(preview->model()->index(1, 1).data().toString(), QString("xyz"));
    QCOMPARE(preview->model()->index(2, 1).data().toString(), QString(""));  // a short line
    layout->item(0, 1)->setText("x");  // no number: the length stays
    QCOMPARE(dialog.Definition().Field(2)->FieldLength, 3);
    QCOMPARE(layout->item(0, 1)->text(), QString("3"));
    QVERIFY(preview->columnWidth(0) == layout->columnWidth(0));

    // An integer field that does not read is red on yellow until the zeros go.
    layout->setCurrentCell(1, 1);
    dialog.SetFieldType(1);
    QCOMPARE(layout->item(1, 1)->text(), QString("整数"));
    QCOMPARE(preview->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    layout->setCurrentCell(1, 0);
    dialog.SetFieldType(1);
    QVERIFY(!preview->model()->index(0, 0).data(Qt::BackgroundRole).isValid());  // 0012 reads
    dialog.findChild<QCheckBox*>("CBDelZero")->click();
    QCOMPARE(dialog.Definition().StripZeros, std::uint8_t{1});
    QCOMPARE(dialog.findChild<QCheckBox*>("CBDelZero")->palette().color(QPalette::WindowText), QColor(Qt::blue));

    // Insert before the current column, add at the end, delete down to one field.
    layout->setCurrentCell(0, 1);
    Button(dialog, "BtnInsert")->click();
    QCOMPARE(layout->columnCount(), TFormFixedOpen::kStartColumns);
    QCOMPARE(dialog.Definition().Field(2)->FieldLength, 0);
    QCOMPARE(dialog.Definition().Field(3)->FieldLength, 3);
    Button(dialog, "BtnAdd")->click();
    QCOMPARE(layout->columnCount(), TFormFixedOpen::kStartColumns + 1);
    for (int i = 0; i < 40; ++i) Button(dialog, "BtnDelete")->click();
    QCOMPARE(layout->columnCount(), 1);
    QCOMPARE(dialog.Definition().Count(), 2);
    QCOMPARE(preview->model()->columnCount(), 1);
  }

  void savedLayoutsArePickedAndDeleted() {
    test::TempDir dir;
    TGridPrintInfo savedInfo;
    savedInfo.LeftMargin = 432;
    TFixedFieldCnf saved(savedInfo, dir / "FixedCnf");
    saved.AddField();
    for (int length : {2, 2, 2}) {
      saved.AddField();
      saved.Field(saved.Count() - 1)->FieldLength = length;
    }
    saved.TrimFields = 1;
    saved.SaveDefinition("three");

    Document document;
    platform::ScriptedPlatform platform;
    platform::Services services = platform.AsServices();
    TFormFixedOpen dialog(nullptr, services, document, TextLines::FromBytes("aabbcc\n"), dir / "FixedCnf", nullptr);
    auto* names = dialog.findChild<QComboBox*>("CBCnf");
    QCOMPARE(names->currentText(), QString("新規設定"));
    QCOMPARE(names->count(), 1);
    emit names->activated(0);
    auto* layout = dialog.findChild<QTableWidget*>("DG2");
    QCOMPARE(layout->columnCount(), 3);
    QCOMPARE(layout->item(0, 2)->text(), QString("2"));
    QVERIFY(dialog.findChild<QCheckBox*>("CBTrim")->isChecked());
    QCOMPARE(document.printInfo.LeftMargin, 432);  // the saved print layout comes along
    QCOMPARE(dialog.findChild<QTableView*>("DG1")->model()->index(0, 2).data().toString(), QString("cc"));

    names->setCurrentIndex(0);
    Button(dialog, "BtnCnfDelete")->click();
    QCOMPARE(names->count(), 0);
    QCOMPARE(names->currentText(), QString("新規設定"));
    QVERIFY(!std::filesystem::exists(dir / "FixedCnf" / "three.fcf"));
  }

  // From the menu: the file, the layout, OK; the table is numbered, named
  // after the file, and its layout is saved as "NoNameCnf" and kept there
  // when the table goes.
  void importFromTheMenu() {
    test::WindowFixture f;
    const std::filesystem::path file = f.dir / "pay.dat";
    test::WriteFile(file, "0012abc\r\n0300xyz\r\n");
    f.platform.fileDialogs.Then({file});
    OnDialog([](QWidget& dialog) {
      TypeLengths(dialog, {4, 3});
      auto* layout = dialog.findChild<QTableWidget*>("DG2");
      layout->setCurrentCell(1, 0);
      static_cast<TFormFixedOpen&>(dialog).SetFieldType(1);
      dialog.findChild<QCheckBox*>("CBDelZero")->click();
      Button(dialog, "btnOk")->click();
    });
    f.Action("mmFixOpen")->trigger();
    QCOMPARE(f.platform.fileDialogs.Opened().back().title, std::string("固定長ファイルのオープン"));
    TableDocument& grid = f.Grid();
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(std::string(grid.Cell(1, 1)), std::string("12"));
    QCOMPARE(std::string(grid.Cell(2, 2)), std::string("xyz"));
    QCOMPARE(std::string(grid.Cell(0, 2)), std::string("2"));
    QCOMPARE(grid.ColCount(), TFormFixedOpen::kStartColumns);
    QCOMPARE(grid.Item(1).Type(), ColumnType::Integer);
    QCOMPARE(f.window->windowTitle(), QString("VuridArare - pay.dat"));
    QVERIFY(!f.window->findChild<QMenu*>("mmFixedHistorys")->isEmpty());
    QVERIFY(std::filesystem::exists(f.dir / "FixedCnf" / "NoNameCnf.fcf"));

    // Overwriting would put delimited text over the fixed-length file: the
    // save dialog comes instead, and cancelling it leaves the file alone.
    OnDialog([](QWidget& dialog) { Button(dialog, "btnAbort")->click(); });
    f.Action("mmFileSave")->trigger();
    QCOMPARE(test::ReadFile(file), std::string("0012abc\r\n0300xyz\r\n"));

    // Opening another file keeps the table's widths in the saved layout.
    grid.SetColWidth(2, 150);
    test::WriteFile(f.dir / "next.csv", "a,b\r\n");
    f.platform.prompter.Then(Answer::No);  // the first line holds no titles
    f.window->OpenCsvFile(f.dir / "next.csv");
    TGridPrintInfo info;
    TFixedFieldCnf saved(info, f.dir / "FixedCnf");
    saved.LoadDefinition("NoNameCnf");
    QCOMPARE(saved.Field(2)->DisplayWidth, 150);
    QCOMPARE(saved.Field(2)->FieldLength, 3);
    QCOMPARE(saved.StripZeros, std::uint8_t{1});
  }

  void unreadableFileGetsTheErrorBoxOnly() {
    test::WindowFixture f;
    f.platform.fileDialogs.Then({f.dir / "missing.dat"});
    f.platform.prompter.Then(Answer::Ok);
    f.Action("mmFixOpen")->trigger();
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.platform.prompter.Asked().back().sound, Sound::Hand);
    QVERIFY(f.window->windowTitle().startsWith("Tabulo - "));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::FixedImportDialogTest)
#include "FixedImportDialogTest.moc"
