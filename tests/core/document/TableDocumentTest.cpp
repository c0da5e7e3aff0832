#include "core/document/TableDocument.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/base/Errors.h"
#include "core/document/DocumentOperations.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::GridOf;
using test::Sjis;

TEST(NewDocument, HasNineTitledColumnsAndNineNumberedRows) {
  Document document;
  document.printInfo.LeftMargin = 5;
  document.FixedDefinitionActive = true;
  NewDocument(document);
  const TableDocument& grid = document.grid;
  ASSERT_EQ(grid.ColCount(), 10);
  ASSERT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.Cell(0, 0), Sjis("行番"));
  EXPECT_EQ(grid.Cell(1, 0), Sjis("列   1"));
  EXPECT_EQ(grid.Cell(9, 0), Sjis("列   9"));
  EXPECT_EQ(grid.Item(0).Printed, 0);
  EXPECT_EQ(grid.Item(0).DrawFlags, 0x0825);
  EXPECT_EQ(grid.Item(3).DrawFlags, 0x0824);
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(grid.Cell(0, r), std::to_string(r));
  for (int c = 1; c <= 9; ++c) EXPECT_EQ(grid.ColWidth(c), 80);
  EXPECT_EQ(document.printInfo, TGridPrintInfo());
  EXPECT_FALSE(document.FixedDefinitionActive);
}

TEST(DefaultColumnTitle, RightAlignsTheNumberInFourPlaces) {
  EXPECT_EQ(DefaultColumnTitle(6), Sjis("列   6"));
  EXPECT_EQ(DefaultColumnTitle(123), Sjis("列 123"));
  EXPECT_EQ(DefaultColumnTitle(12345), Sjis("列12345"));
}

TEST(TableDocument, TitleCellsAreTheColumnRecordsTitles) {
  TableDocument grid = GridOf({{"a"}});
  grid.SetCell(1, 0, "price");
  EXPECT_EQ(grid.Item(1).Title, "price");
  grid.Item(1).Title = "cost";
  EXPECT_EQ(grid.Cell(1, 0), "cost");
}

TEST(TableDocument, CellsOutsideTheGridReadEmptyAndRefuseWrites) {
  TableDocument grid = GridOf({{"a", "b"}});
  EXPECT_EQ(grid.Cell(5, 1), "");
  EXPECT_EQ(grid.Cell(1, 9), "");
  EXPECT_EQ(grid.Cell(-1, 0), "");
  EXPECT_THROW(grid.SetCell(3, 1, "x"), std::out_of_range);
  EXPECT_THROW(grid.SetCell(0, 1, "twelve bytes"), std::invalid_argument);
}

TEST(TableDocument, ShrinkingAndGrowingColumnsLeavesNewColumnsEmpty) {
  TableDocument grid = GridOf({{"a", "b", "c"}, {"d"}});
  grid.SetColCount(2);
  grid.SetColCount(4);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a"}, {"d"}}));
  EXPECT_EQ(grid.Item(3).Title, "");
}

TEST(TableDocument, MovingAColumnCarriesCellsRecordAndWidth) {
  TableDocument grid = GridOf({{"a", "b", "c"}, {"d"}});
  grid.Item(1).DataType = 2;
  grid.SetColWidth(1, 33);
  grid.MoveColumn(1, 3);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"b", "c", "a"}, {"", "", "d"}}));
  EXPECT_EQ(grid.Item(3).DataType, 2);
  EXPECT_EQ(grid.ColWidth(3), 33);
  grid.MoveColumn(3, 1);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "b", "c"}, {"d"}}));
}

TEST(TableDocument, MovingARowCarriesItsCellsLabelAndLink) {
  TableDocument grid = GridOf({{"a"}, {"b"}, {"c"}});
  grid.SetRowLink(1, 42);
  grid.MoveRow(1, 3);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"b"}, {"c"}, {"a"}}));
  EXPECT_EQ(grid.RowLink(3), 42);
  EXPECT_EQ(grid.Cell(0, 3), "1");  // until the rows are renumbered
  RenumberRows(grid);
  EXPECT_EQ(grid.Cell(0, 3), "3");
}

TEST(TableDocument, ReorderingRowsMovesWholeSlotsInOnePass) {
  TableDocument grid = GridOf({{"a"}, {"b", "x"}, {"c"}, {"d"}, {"e"}});
  grid.SetRowLink(2, 42);
  grid.SetRowHeight(2, 33);
  grid.ReorderRows(std::vector<int>{0, 4, 2, 5, 1, 3});  // cycles (1 4)(3 5) and 2 in place
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"d"}, {"b", "x"}, {"e"}, {"a"}, {"c"}}));
  EXPECT_EQ(grid.RowLink(2), 42);
  EXPECT_EQ(grid.RowHeight(2), 33);
  EXPECT_EQ(grid.Cell(0, 1), "4");
  for (const std::vector<int>& wrong : {std::vector<int>{1, 0, 2, 3, 4, 5}, std::vector<int>{0, 1, 1, 2, 3, 4},
                                        std::vector<int>{0, 1, 2, 3, 4}, std::vector<int>{0, 1, 2, 3, 4, 6}}) {
    EXPECT_THROW(grid.ReorderRows(wrong), std::invalid_argument);
  }
  EXPECT_EQ(grid.Cell(1, 1), "d");
}

TEST(TableDocument, DeletingColumnsShiftsOnlyRowsThatReachThem) {
  TableDocument grid = GridOf({{"a", "b", "c", "d"}, {"e"}, {"f", "g", "h"}});
  grid.Item(4).Title = "fourth";
  grid.DeleteColumns(2, 3);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "d"}, {"e"}, {"f"}}));
  EXPECT_EQ(grid.Item(2).Title, "fourth");
}

TEST(TableDocument, DeletingARowSetRemovesScatteredRowsInOneStep) {
  TableDocument grid = GridOf({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
  grid.SetRowLink(4, 9);
  EXPECT_THROW(grid.DeleteRowSet(std::vector<int>{3, 2}), std::invalid_argument);
  EXPECT_THROW(grid.DeleteRowSet(std::vector<int>{0, 2}), std::invalid_argument);
  grid.BeginStep("delete");
  grid.DeleteRowSet(std::vector<int>{1, 3, 5});
  grid.CommitStep();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"b"}, {"d"}}));
  EXPECT_EQ(grid.Cell(0, 2), "4");
  EXPECT_EQ(grid.RowLink(2), 9);
  grid.Undo();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a"}, {"b"}, {"c"}, {"d"}, {"e"}}));
  EXPECT_EQ(grid.RowLink(4), 9);
  grid.Redo();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"b"}, {"d"}}));
}

TEST(TableDocument, CopyingRowCellsTakesAnotherDocumentsRowWhole) {
  const TableDocument source = GridOf({{"x", "", "z", "beyond"}});
  TableDocument grid = GridOf({{"a", "b", "c"}});
  grid.CopyRowCells(1, source.RowCells(1));
  EXPECT_EQ(test::RowCells(grid, 1, 0), (Cells{"1", "x", "", "z"}));  // the row number stays, the fourth cell has no column
}

TEST(TableDocument, CurrentCellAndSelectionStayInsideTheData) {
  TableDocument grid = GridOf({{"a", "b"}, {"c", "d"}});
  grid.SetSelection({1, 1, 2, 2});
  grid.SetRowCount(2);
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 1}));
  grid.SetCurrentCell(0, 0);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
}

TEST(TableDocument, RowCountHasALimit) {
  TableDocument grid;
  EXPECT_THROW(grid.SetRowCount(TableDocument::kMaxRowCount + 1), TabuloError);
  EXPECT_THROW(grid.SetColCount(TableDocument::kMaxColCount + 1), TabuloError);
}

TEST(RenumberRows, KeepsTotalsRowsAndNumbersByPosition) {
  TableDocument grid = GridOf({{"a"}, {"b"}, {"c"}, {"sum"}, {"d"}});
  grid.SetCell(0, 4, kTotalsRowLabel);
  RenumberRows(grid);
  EXPECT_EQ(grid.Cell(0, 3), "3");
  EXPECT_EQ(grid.Cell(0, 4), kTotalsRowLabel);
  EXPECT_EQ(grid.Cell(0, 5), "5");
  EXPECT_TRUE(grid.IsTotalsRow(4));
}

TEST(AdoptFirstLineAsTitles, MovesTheFirstLineIntoTheTitleRow) {
  TableDocument grid = GridOf({{"name", "price"}, {"pen", "120"}});
  grid.Item(2).DataType = 1;
  AdoptFirstLineAsTitles(grid);
  RenumberRows(grid);
  EXPECT_EQ(grid.Cell(1, 0), "name");
  EXPECT_EQ(grid.Cell(2, 0), "price");
  EXPECT_EQ(grid.Item(2).DataType, 1);
  EXPECT_EQ(grid.Cell(0, 0), kRowNumberTitle);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"pen", "120"}}));
  EXPECT_EQ(grid.Cell(0, 1), "1");
}

}  // namespace
}  // namespace tabulo

#include "core/base/FileIo.h"
#include "core/document/CsvReader.h"
#include "platform/ScriptedPrompter.h"

namespace tabulo {
namespace {

TEST(TableDocumentMemory, ChunksAreGivenBackWhenTheirRowsAreGone) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "some cell," + std::to_string(i) + ",another cell\n";
  platform::ScriptedPrompter prompter;
  TableDocument grid;
  MemorySource first(text);
  LoadTextIntoGrid(first, grid, true, prompter, nullptr);
  const std::size_t loaded = grid.ChunkBytes();
  EXPECT_GT(loaded, text.size() / 2);

  // Reading again replaces every row: the first reading's chunks must go.
  MemorySource second(text);
  LoadTextIntoGrid(second, grid, true, prompter, nullptr);
  EXPECT_LE(grid.ChunkBytes(), loaded * 2);
  EXPECT_EQ(grid.Cell(2, 20000), "19999");

  // Editing rows moves them to the heap; once all are edited or gone, no chunk remains.
  grid.SetCell(1, 1, "edited");
  grid.DeleteRows(2, grid.RowCount() - 1);
  EXPECT_EQ(grid.ChunkBytes(), 0u);
  EXPECT_EQ(grid.Cell(1, 1), "edited");
  EXPECT_EQ(grid.Cell(3, 1), "another cell");

  MemorySource third(text);
  LoadTextIntoGrid(third, grid, true, prompter, nullptr);
  grid.ClearAllCells();
  EXPECT_EQ(grid.ChunkBytes(), 0u);
}

TEST(TableDocumentMemory, MovingADocumentKeepsItsCells) {
  TableDocument grid = test::GridOf({{"a", "b"}});
  TableDocument moved = std::move(grid);
  EXPECT_EQ(moved.Cell(2, 1), "b");
  TableDocument other = test::GridOf({{"x"}});
  other = std::move(moved);
  EXPECT_EQ(other.Cell(1, 1), "a");
}

}  // namespace
}  // namespace tabulo
