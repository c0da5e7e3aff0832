#include "core/editing/RangeOps.h"

#include <gtest/gtest.h>

#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::GridOf;

TEST(CopyRangeText, DropsTrailingEmptyCellsAndBlanksAndJoinsLineBreaks) {
  const TableDocument grid = GridOf({{"a", "", "x"}, {"b  ", "", "y"}, {"c\r\nd", "e", "z"}});
  EXPECT_EQ(CopyRangeText(grid, {1, 1, 2, 3}, nullptr), "a\r\nb\r\ncd\te\r\n");
  EXPECT_EQ(CopyRangeText(grid, {1, 1, 3, 1}, nullptr), "a\t\tx\r\n");
  // A lone LF stays (only CR LF pairs are removed); trail bytes are never trimmed.
  const TableDocument kana = GridOf({{"\x83\x40", "p\nq"}});
  EXPECT_EQ(CopyRangeText(kana, {1, 1, 2, 1}, nullptr), "\x83\x40\tp\nq\r\n");
}

TEST(ClearRange, EmptiesOnlyTheRectangle) {
  TableDocument grid = GridOf({{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
  ClearRange(grid, {2, 1, 3, 2}, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a"}, {"d"}, {"g", "h", "i"}}));
  ClearRange(grid, {1, 1, 3, 3}, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{}, {}, {}}));
}

TEST(ClipboardLines, CutsAtEveryKindOfBreak) {
  EXPECT_EQ(ClipboardLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(ClipboardLines("a\r\n\r\n"), (std::vector<std::string_view>{"a", ""}));
  EXPECT_TRUE(ClipboardLines("").empty());
}

TEST(PasteRange, ThreeModesIntoARange) {
  TableDocument grid = GridOf({{"a", "b", "c"}, {"d", "e", "f"}});
  PasteRange(grid, "1\t2\t3\r\n4\t5\r\n6\r\n", {1, 1, 2, 1}, PasteMode::Replace, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"1", "2", "c"}, {"d", "e", "f"}}));
  PasteRange(grid, "x\ty\r\n", {2, 1, 3, 2}, PasteMode::Behind, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"1", "2x", "cy"}, {"d", "e", "f"}}));
  PasteRange(grid, ">\r\n>\r\n", {1, 1, 1, 2}, PasteMode::InFront, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{">1", "2x", "cy"}, {">d", "e", "f"}}));
}

TEST(PasteRange, BehindWithOneFieldTouchesOnlyTheTopLeftCell) {
  TableDocument grid = GridOf({{"a", "b"}, {"c", "d"}});
  PasteRange(grid, "!", {1, 1, 2, 2}, PasteMode::Behind, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a!", "b"}, {"c", "d"}}));
}

TEST(PasteRange, SingleCellReachesToTheGridsEndAndDropsTheRest) {
  TableDocument grid = GridOf({{"a", "b"}, {"c", "d"}});
  PasteRange(grid, "1\t2\t3\r\n4\t5\r\n6\r\n", {2, 1, 2, 1}, PasteMode::Replace, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "1"}, {"c", "4"}}));
  // Quotes mean nothing here; a trailing TAB gives a trailing empty field.
  PasteRange(grid, "\"q\"\t\r\n", {1, 1, 1, 1}, PasteMode::Replace, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"\"q\""}, {"c", "4"}}));
}

TEST(PlanSingleCellPaste, DecidesBetweenCellGrowAndConfirm) {
  const TableDocument grid = GridOf({{"a", "b"}, {"c", "d"}, {"e", "f"}});  // 3 data rows, 2 data columns
  EXPECT_EQ(PlanSingleCellPaste(grid, "x\r\n", 1, 1, false).kind, PastePlan::Kind::IntoCell);

  const PastePlan fits = PlanSingleCellPaste(grid, "1\t2\r\n3\t4\r\n", 1, 1, false);
  EXPECT_EQ(fits.kind, PastePlan::Kind::Confirm);
  EXPECT_EQ(fits.covered, (TGridRect{1, 1, 2, 2}));

  const PastePlan rows = PlanSingleCellPaste(grid, "1\r\n2\r\n3\r\n", 1, 3, false);
  EXPECT_EQ(rows.kind, PastePlan::Kind::Grow);
  EXPECT_TRUE(rows.rowsShort);
  EXPECT_FALSE(rows.columnsShort);
  EXPECT_EQ(rows.rowCount, 6);

  const PastePlan both = PlanSingleCellPaste(grid, "1\t2\t3\r\n", 2, 3, false);
  EXPECT_FALSE(both.rowsShort);
  EXPECT_TRUE(both.columnsShort);
  EXPECT_EQ(both.colCount, 5);
  EXPECT_FALSE(PlanSingleCellPaste(grid, "1\t2\t3\r\n", 2, 3, true).columnsShort);  // an extraction window
}

TEST(GrowForPaste, AddsNumberedRowsAndTitledColumns) {
  TableDocument grid = GridOf({{"a", "b"}});
  const PastePlan plan = PlanSingleCellPaste(grid, "1\t2\t3\r\n4\r\n", 2, 1, false);
  GrowForPaste(grid, plan);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cell(0, 2), "2");
  EXPECT_EQ(grid.Cell(4, 0), test::Sjis("列   4"));
  PasteRange(grid, "1\t2\t3\r\n4\r\n", {2, 1, 2, 1}, PasteMode::Replace, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "1", "2", "3"}, {"", "4"}}));
}

TEST(PasteAnswerNo, ThreeLinesOnTheLastRowChangeOnlyThatRow) {
  TableDocument grid = GridOf({{"a"}, {"b"}});
  PasteRange(grid, "x\r\ny\r\nz\r\n", {1, 2, 1, 2}, PasteMode::Replace, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a"}, {"x"}}));
}

TEST(ReorderColumns, MovesCellsRecordsAndWidthsInOnePass) {
  TableDocument grid = GridOf({{"a", "b", "c"}, {"d"}});
  grid.Item(3).Title = "third";
  grid.SetColWidth(3, 33);
  grid.ReorderColumns(std::vector<int>{0, 3, 1, 2});
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"c", "a", "b"}, {"", "d"}}));
  EXPECT_EQ(grid.Cell(1, 0), "third");
  EXPECT_EQ(grid.ColWidth(1), 33);
  EXPECT_THROW(grid.ReorderColumns(std::vector<int>{1, 0, 2, 3}), std::invalid_argument);
  EXPECT_THROW(grid.ReorderColumns(std::vector<int>{0, 1, 1, 2}), std::invalid_argument);
}

}  // namespace
}  // namespace tabulo
