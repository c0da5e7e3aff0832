// What a data cell shows: grouped numbers, the yen sign of the currency
// string, and the stored bytes that stay as they are.

#include <QTest>

#include "core/locale/Encoding.h"
#include "platform/ScriptedServices.h"
#include "support/GridText.h"
#include "support/TestFiles.h"
#include "support/WindowFixture.h"
#include "ui/app/CellText.h"
#include "ui/app/GridModel.h"

namespace tabulo::ui {

class CellTextTest final : public QObject {
  Q_OBJECT

 private slots:
  void groupingDrawsTheCurrencyStringAsTheYenSign() {
    TGPItem currency;
    currency.DataType = static_cast<std::uint8_t>(ColumnType::Currency);
    TGPItem integer;
    integer.DataType = static_cast<std::uint8_t>(ColumnType::Integer);
    TGPItem text;
    TextConverter converter(TextEncoding::ShiftJis);
    const struct {
      const TGPItem& item;
      const char* stored;
      bool grouped;
      QString shown;
    } cases[] = {
        {currency, "13200", true, "¥13,200"},
        {currency, "\\13,200", true, "¥13,200"},
        {currency, "-98765", true, "-¥98,765"},
        {currency, "\\13200", false, "\\13200"},  // not grouped: the stored text
        {currency, "abc\\", true, "abc\\"},       // not a number: the stored text
        {integer, "1234567", true, "1,234,567"},
        {text, "C:\\data\\a.csv", true, "C:\\data\\a.csv"},  // a path keeps its backslashes
        {text, "", true, ""},
    };
    for (const auto& c : cases) QCOMPARE(CellDisplayText(c.item, c.stored, c.grouped, converter), c.shown);
  }

  void theFileAndTheClipboardKeepTheStoredBytes() {
    test::WindowFixture f;
    TableDocument& grid = f.Grid();
    grid.Item(1).DataType = static_cast<std::uint8_t>(ColumnType::Currency);
    grid.SetCell(1, 1, "\\13200");
    f.Action("mmAdjustDraw")->trigger();
    GridModel* model = f.window->Model();
    QCOMPARE(model->data(model->index(0, 0), Qt::DisplayRole).toString(), QString("¥13,200"));
    QCOMPARE(model->data(model->index(0, 0), Qt::EditRole).toString(), QString("\\13200"));
    f.Select({1, 1, 1, 1});
    f.Action("mmCopy")->trigger();
    QCOMPARE(f.platform.clipboard.text, std::u16string(u"\\13200\r\n"));
    QCOMPARE(grid.Cell(1, 1), std::string_view("\\13200"));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::CellTextTest)
#include "CellTextTest.moc"
