#include "core/fixed/FixedImport.h"

#include <gtest/gtest.h>

#include "core/base/FileIo.h"
#include "core/document/CsvWriter.h"
#include "core/document/DocumentOperations.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::Sjis;

struct Fixture {
  test::TempDir dir;
  TGridPrintInfo printInfo;
  TFixedFieldCnf definition{printInfo, dir / "FixedCnf"};

  // The title column and fields of the given lengths and types.
  void Lay(std::initializer_list<std::pair<int, int>> fields) {
    definition.Clear();
    definition.AddField();
    for (const auto& [length, type] : fields) {
      definition.AddField();
      TGPItem& field = *definition.Field(definition.Count() - 1);
      field.FieldLength = length;
      field.DataType = static_cast<std::uint8_t>(type);
    }
    definition.RecomputePositions();
  }
};

TEST(FixedImport, CutsEveryLineIntoTheColumns) {
  Fixture f;
  f.Lay({{3, 0}, {5, 1}, {2, 0}});
  f.definition.StripZeros = 1;
  f.definition.Field(2)->DisplayWidth = 77;
  const TextLines lines = TextLines::FromBytes("abc00123xy\r\nde\r\n" + Sjis("漢字") + "0001z\nlongerline123456\n");
  TableDocument grid;
  grid.SetColCount(7);
  const int widths[] = {30, 40, 50, 60};
  ImportFixedLines(lines, f.definition, widths, grid, nullptr);
  RenumberRows(grid);

  ASSERT_EQ(grid.ColCount(), 4);
  ASSERT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{
                                      {"abc", "123", "xy"},
                                      {"de"},  // shorter than the second field's start
                                      {Sjis("漢字").substr(0, 3), Sjis("字").substr(1) + "0001", "z"},
                                      {"lon", "gerli", "ne"},
                                  }));
  EXPECT_EQ(grid.Cell(0, 0), Sjis("行番"));
  EXPECT_EQ(grid.Cell(2, 0), Sjis("列   2"));
  EXPECT_EQ(grid.Item(2).DrawFlags, DefaultDrawFlagsFor(ColumnType::Integer));
  EXPECT_EQ(grid.Item(1).DrawFlags, DefaultDrawFlagsFor(ColumnType::String));
  EXPECT_EQ(grid.ColWidth(1), 40);
  EXPECT_EQ(grid.ColWidth(2), 77);  // its own width wins
  EXPECT_EQ(grid.Item(1).DisplayWidth, 40);
  EXPECT_EQ(f.definition.Field(1)->DisplayWidth, 0);  // the definition keeps its own

  // A cut double-byte character survives saving and reading back.
  StringSink sink;
  WriteDelimitedText(grid, SaveFormat::Comma, false, false, sink, nullptr);
  EXPECT_NE(sink.Bytes().find(Sjis("漢字").substr(0, 3)), std::string::npos);
}

TEST(FixedImport, EmptyFileGivesTheColumnsOnly) {
  Fixture f;
  f.Lay({{3, 0}});
  TableDocument grid;
  ImportFixedLines(TextLines(), f.definition, {}, grid, nullptr);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.RowCount(), 1);
}

TEST(FixedImport, WriteBackKeepsTheFileLengthsAndTheTableLayout) {
  Fixture f;
  f.Lay({{3, 0}, {5, 1}});
  f.definition.TrimFields = 1;
  f.definition.SaveDefinition("pay");
  TableDocument grid;
  ImportFixedLines(TextLines::FromBytes("abc12345\n"), f.definition, {}, grid, nullptr);
  grid.Item(1).Title = "name";
  grid.SetColWidth(1, 123);
  f.printInfo.TopMargin = 321;

  WriteBackFixedDefinition(grid, f.printInfo, f.dir / "FixedCnf", "pay");
  TGridPrintInfo info;
  TFixedFieldCnf saved(info, f.dir / "FixedCnf");
  saved.LoadDefinition("pay");
  ASSERT_EQ(saved.Count(), 3);
  EXPECT_EQ(saved.Field(1)->Title, "name");
  EXPECT_EQ(saved.Field(1)->DisplayWidth, 123);
  EXPECT_EQ(saved.Field(1)->FieldLength, 3);
  EXPECT_EQ(saved.Field(2)->FieldLength, 5);
  EXPECT_EQ(saved.Field(2)->FieldStart, 4);
  EXPECT_EQ(saved.TrimFields, 1);
  EXPECT_EQ(info.TopMargin, 321);
  // A name that was never saved is no error.
  WriteBackFixedDefinition(grid, f.printInfo, f.dir / "FixedCnf", "gone");
}

TEST(FixedImport, ReleasingTheColumnsWritesTheLayoutBack) {
  Fixture f;
  f.Lay({{3, 0}});
  f.definition.SaveDefinition("pay");
  Document document;
  ImportFixedLines(TextLines::FromBytes("abc\n"), f.definition, {}, document.grid, nullptr);
  document.FixedDefinitionActive = true;
  document.FixedDefinitionName = "pay";
  document.FixedDefinitionFolder = f.dir / "FixedCnf";
  document.grid.SetColWidth(1, 99);
  NewDocument(document, nullptr);
  EXPECT_FALSE(document.FixedDefinitionActive);
  EXPECT_TRUE(document.FixedDefinitionName.empty());
  TGridPrintInfo info;
  TFixedFieldCnf saved(info, f.dir / "FixedCnf");
  saved.LoadDefinition("pay");
  EXPECT_EQ(saved.Field(1)->DisplayWidth, 99);
}

// The bank-transfer sample cut with its published data-record layout.
TEST(FixedImport, BankTransferSample) {
  const auto path = test::SharedTestData("zengin-kyash/sample.txt");
  if (!path) GTEST_SKIP() << "the shared test data are not on this machine";
  Fixture f;
  // 1 区分, 2-5 銀行番号, 6-20 銀行名, 21-23 支店番号, 24-38 支店名, 39-42 交換所,
  // 43 種目, 44-50 口座番号, 51-80 受取人名, 81-90 金額.
  f.Lay({{1, 0}, {4, 0}, {15, 0}, {3, 0}, {15, 0}, {4, 0}, {1, 0}, {7, 0}, {30, 0}, {10, 1}});
  f.definition.TrimFields = 1;
  f.definition.StripZeros = 1;
  TableDocument grid;
  ImportFixedLines(TextLines::Read(*path), f.definition, {}, grid, nullptr);
  ASSERT_EQ(grid.RowCount() - 1, 6);
  EXPECT_EQ(grid.Cell(1, 2), "2");
  EXPECT_EQ(grid.Cell(2, 2), "2606");
  EXPECT_EQ(grid.Cell(4, 2), "020");
  EXPECT_EQ(grid.Cell(8, 2), "9876543");
  EXPECT_EQ(test::Utf8(grid.Cell(9, 2)), "ｷﾔﾂｼ ｼﾖｳｼﾞ");
  EXPECT_EQ(grid.Cell(10, 2), "1");
  EXPECT_EQ(grid.Cell(10, 4), "3");
  EXPECT_EQ(f.definition.CheckField(*f.definition.Field(10), std::string(grid.Cell(10, 2))), kValidCellColors);
  EXPECT_EQ(grid.Cell(1, 6), "9");
}

TEST(FixedImport, FieldWidthFollowsTheLongerOfLengthAndTitle) {
  EXPECT_EQ(FixedFieldWidth(4, 6, 8), 56);
  EXPECT_EQ(FixedFieldWidth(10, 6, 8), 88);
  EXPECT_EQ(FixedFieldWidth(0, 0, 8), 8);
}

}  // namespace
}  // namespace tabulo
