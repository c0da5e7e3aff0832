#include "core/document/StructuralEdits.h"

#include <gtest/gtest.h>

#include "core/document/DocumentOperations.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using platform::ScriptedPrompter;
using test::Cells;
using test::DataRows;
using test::GridOf;
using test::Sjis;

TEST(AddRow, InsertsAtTheCurrentRowOrAppends) {
  TableDocument grid = GridOf({{"a"}, {"b"}});
  grid.SetCurrentCell(1, 1);
  AddRow(grid, AddPosition::AtCurrent);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{}, {"a"}, {"b"}}));
  EXPECT_EQ(grid.Cell(0, 2), "2");
  EXPECT_EQ(grid.Row(), 1);

  AddRow(grid, AddPosition::AtEnd);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{}, {"a"}, {"b"}, {}}));
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_EQ(grid.Cell(0, 4), "4");
}

TEST(AddColumn, TitlesTheNewColumnAfterTheColumnCount) {
  TableDocument grid = GridOf({{"a", "b", "c", "d", "e"}});
  grid.SetCurrentCell(3, 1);
  AddColumn(grid, AddPosition::AtCurrent);
  EXPECT_EQ(grid.Cell(3, 0), Sjis("列   6"));
  EXPECT_EQ(grid.Cell(4, 0), Sjis("列   3"));
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "b", "", "c", "d", "e"}}));
  EXPECT_EQ(grid.Col(), 3);
  AddColumn(grid, AddPosition::AtEnd);
  EXPECT_EQ(grid.Cell(7, 0), Sjis("列   7"));
  EXPECT_EQ(grid.ColWidth(7), grid.DefaultColWidth());
}

TEST(RowEdits, TotalsRowKeepsItsLabelWhileOthersAreRenumbered) {
  TableDocument grid = GridOf({{"a"}, {"b"}, {"c"}, {"t"}, {"d"}});
  grid.SetCell(0, 4, kTotalsRowLabel);
  grid.SetCurrentCell(1, 1);
  AddRow(grid, AddPosition::AtCurrent);
  EXPECT_EQ(grid.Cell(0, 5), kTotalsRowLabel);
  EXPECT_EQ(grid.Cell(0, 6), "6");
  grid.MoveRow(5, 1);
  RenumberRows(grid);
  EXPECT_EQ(grid.Cell(0, 1), kTotalsRowLabel);
  EXPECT_EQ(grid.Cell(0, 2), "2");
}

TEST(DeleteSelectedRows, RemovesWholeRowsAfterConfirmation) {
  TableDocument grid = GridOf({{"a", "x"}, {"b", "y"}, {"c", "z"}, {"d"}});
  grid.SetSelection({2, 2, 2, 3});
  ScriptedPrompter prompter{Answer::Yes};
  EXPECT_TRUE(DeleteSelectedRows(grid, prompter));
  EXPECT_EQ(prompter.Asked().at(0).id, MessageId::DeleteRowsQuestion);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "x"}, {"d"}}));
  EXPECT_EQ(grid.Cell(0, 2), "2");
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 2);
}

TEST(DeleteSelectedRows, NoKeepsRowsAndSelection) {
  TableDocument grid = GridOf({{"a"}, {"b"}, {"c"}});
  grid.SetSelection({1, 2, 1, 3});
  ScriptedPrompter prompter{Answer::No};
  EXPECT_FALSE(DeleteSelectedRows(grid, prompter));
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 1, 3}));
}

TEST(DeleteSelectedRows, DeletingEveryRowLeavesOneEmptyRow) {
  TableDocument grid = GridOf({{"a"}, {"b"}});
  grid.SetSelection({1, 1, 1, 2});
  ScriptedPrompter prompter{Answer::Yes};
  DeleteSelectedRows(grid, prompter);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(0, 1), "1");
  EXPECT_EQ(grid.Cell(1, 1), "");
}

TEST(DeleteSelectedColumns, RemovesColumnsWithTheirRecordsWithoutRenumbering) {
  TableDocument grid = GridOf({{"a", "b", "c"}});
  grid.SetSelection({2, 1, 2, 1});
  ScriptedPrompter prompter{Answer::Yes};
  EXPECT_TRUE(DeleteSelectedColumns(grid, prompter));
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "c"}}));
  EXPECT_EQ(grid.Cell(2, 0), Sjis("列   3"));
  EXPECT_EQ(grid.Col(), 1);
}

TEST(DeleteSelectedColumns, DeletingEveryColumnLeavesOneNewColumn) {
  TableDocument grid = GridOf({{"a", "b"}});
  grid.SetSelection({1, 1, 2, 1});
  ScriptedPrompter prompter{Answer::Yes};
  DeleteSelectedColumns(grid, prompter);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.Cell(1, 0), Sjis("列   1"));
  EXPECT_EQ(grid.Cell(1, 1), "");
}

}  // namespace
}  // namespace tabulo
