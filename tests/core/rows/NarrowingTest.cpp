#include "core/rows/Narrowing.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "core/document/DocumentOperations.h"
#include "core/document/EditTransaction.h"
#include "core/document/StructuralEdits.h"
#include "support/GridText.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::GridOf;
using Rows = std::vector<int>;

// Six rows, the last a totals row, with titled and sized columns.
TableDocument Source() {
  TableDocument grid = GridOf({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"sum", "15"}});
  grid.SetCell(0, 6, kTotalsRowLabel);
  grid.SetCell(1, 0, "name");
  grid.SetCell(2, 0, "value");
  grid.SetColWidth(1, 111);
  grid.SetDefaultRowHeight(31);
  return grid;
}

// The row-number cells of the data rows.
Cells Labels(const TableDocument& grid) {
  Cells labels;
  for (int row = 1; row < grid.RowCount(); ++row) labels.emplace_back(grid.Cell(0, row));
  return labels;
}

// Writes back and deletes the marked rows as one step, as the window does.
void WriteBack(TableDocument& source, const TableDocument& narrowed, const Rows& rows) {
  EditTransaction edit(source, "narrowed");
  WriteBackNarrowed(source, narrowed, rows, nullptr);
  DeleteMarkedRows(source, nullptr);
  edit.Commit();
}

TEST(Narrowing, TheCopyHoldsTheListedRowsLinkedToTheirSource) {
  const TableDocument source = Source();
  const TableDocument narrowed = MakeNarrowedGrid(source, Rows{2, 4, 6});
  EXPECT_EQ(DataRows(narrowed), (std::vector<Cells>{{"b", "2"}, {"d", "4"}, {"sum", "15"}}));
  EXPECT_EQ(Labels(narrowed), (Cells{"1", "2", std::string(kTotalsRowLabel)}));
  EXPECT_EQ(narrowed.RowLink(1), 2);
  EXPECT_EQ(narrowed.RowLink(3), 6);
  EXPECT_EQ(narrowed.Cell(0, 0), source.Cell(0, 0));
  EXPECT_EQ(narrowed.Item(1), source.Item(1));
  EXPECT_EQ(narrowed.ColWidth(1), 111);
  EXPECT_EQ(narrowed.DefaultRowHeight(), 31);
  EXPECT_EQ(narrowed.History().UndoCount(), 0u);
  EXPECT_THROW(MakeNarrowedGrid(source, Rows{2, 7}), std::invalid_argument);
}

TEST(Narrowing, WriteBackCarriesEditsDeletionsAndNewRows) {
  const struct {
    const char* what;
    std::function<void(TableDocument&)> edit;
    std::vector<Cells> rows;
    Cells labels;
  } cases[] = {
      {"edit", [](TableDocument& n) { n.SetCell(2, 1, "22"); },
       {{"a", "1"}, {"b", "22"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"sum", "15"}}, {"1", "2", "3", "4", "5", "集計"}},
      {"delete", [](TableDocument& n) { n.DeleteRows(2, 2); },
       {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"e", "5"}, {"sum", "15"}}, {"1", "2", "3", "4", "集計"}},
      {"delete all", [](TableDocument& n) { n.DeleteRows(1, 3); },
       {{"a", "1"}, {"c", "3"}, {"e", "5"}}, {"1", "2", "3"}},
      {"insert", [](TableDocument& n) {
         n.SetCurrentCell(1, 1);
         AddRow(n, AddPosition::AtCurrent);
         n.SetCell(1, 1, "new");
       },
       {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"sum", "15"}, {"new"}},
       {"1", "2", "3", "4", "5", "集計", "7"}},
      {"totals row", [](TableDocument& n) {
         n.SetRowCount(5);
         n.SetCell(0, 4, kTotalsRowLabel);
         n.SetCell(2, 4, "99");
       },
       {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"sum", "15"}}, {"1", "2", "3", "4", "5", "集計"}},
      {"moved", [](TableDocument& n) {
         n.MoveRow(3, 1);
         n.SetCell(2, 1, "16");
       },
       {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"sum", "16"}}, {"1", "2", "3", "4", "5", "集計"}},
  };
  for (const auto& [what, edit, rows, labels] : cases) {
    TableDocument source = Source();
    TableDocument narrowed = MakeNarrowedGrid(source, Rows{2, 4, 6});
    edit(narrowed);
    WriteBack(source, narrowed, Rows{2, 4, 6});
    EXPECT_EQ(DataRows(source), rows) << what;
    Cells expected = labels;
    for (std::string& label : expected) label = label == "集計" ? std::string(kTotalsRowLabel) : label;
    EXPECT_EQ(Labels(source), expected) << what;
  }
}

TEST(Narrowing, ColumnRecordsTitlesAndWidthsGoBack) {
  TableDocument source = Source();
  TableDocument narrowed = MakeNarrowedGrid(source, Rows{1});
  narrowed.SetCell(2, 0, "amount");
  narrowed.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  narrowed.SetColWidth(2, 222);
  WriteBack(source, narrowed, Rows{1});
  EXPECT_EQ(source.Cell(2, 0), "amount");
  EXPECT_EQ(source.Item(2).Type(), ColumnType::Integer);
  EXPECT_EQ(source.ColWidth(2), 222);
  EXPECT_EQ(source.ColWidth(1), 111);
}

TEST(Narrowing, AWriteBackIsOneStepAndUntouchedRowsCostNothing) {
  TableDocument source = Source();
  const std::vector<Cells> before = DataRows(source);
  TableDocument narrowed = MakeNarrowedGrid(source, Rows{1, 2, 3, 4, 5, 6});
  WriteBack(source, narrowed, Rows{1, 2, 3, 4, 5, 6});
  EXPECT_EQ(source.History().UndoCount(), 0u);

  narrowed.SetCell(1, 1, "A");
  narrowed.DeleteRows(3, 4);
  narrowed.SetRowCount(narrowed.RowCount() + 1);
  narrowed.SetCell(1, narrowed.RowCount() - 1, "z");
  WriteBack(source, narrowed, Rows{1, 2, 3, 4, 5, 6});
  EXPECT_EQ(DataRows(source), (std::vector<Cells>{{"A", "1"}, {"b", "2"}, {"e", "5"}, {"sum", "15"}, {"z"}}));
  ASSERT_EQ(source.History().UndoCount(), 1u);
  source.Undo();
  EXPECT_EQ(DataRows(source), before);
  EXPECT_EQ(Labels(source), (Cells{"1", "2", "3", "4", "5", std::string(kTotalsRowLabel)}));
  source.Redo();
  EXPECT_EQ(DataRows(source), (std::vector<Cells>{{"A", "1"}, {"b", "2"}, {"e", "5"}, {"sum", "15"}, {"z"}}));
}

// A narrowed window narrows again; each write-back goes one level up.
TEST(Narrowing, NestedNarrowingWritesBackLevelByLevel) {
  TableDocument source = Source();
  const Rows outerRows{1, 3, 4, 5};
  TableDocument outer = MakeNarrowedGrid(source, outerRows);  // a c d e
  const Rows innerRows{2, 4};
  TableDocument inner = MakeNarrowedGrid(outer, innerRows);  // c e
  EXPECT_EQ(inner.RowLink(2), 4);
  inner.SetCell(2, 1, "33");
  inner.DeleteRows(2, 2);
  inner.SetRowCount(3);
  inner.SetCell(1, 2, "x");

  WriteBack(outer, inner, innerRows);
  EXPECT_EQ(DataRows(outer), (std::vector<Cells>{{"a", "1"}, {"c", "33"}, {"d", "4"}, {"x"}}));
  EXPECT_EQ((Rows{outer.RowLink(1), outer.RowLink(2), outer.RowLink(3), outer.RowLink(4)}), (Rows{1, 3, 4, -1}));

  WriteBack(source, outer, outerRows);
  EXPECT_EQ(DataRows(source),
            (std::vector<Cells>{{"a", "1"}, {"b", "2"}, {"c", "33"}, {"d", "4"}, {"sum", "15"}, {"x"}}));
  EXPECT_EQ(Labels(source), (Cells{"1", "2", "3", "4", std::string(kTotalsRowLabel), "6"}));
}

// Links the window could never make: a row not listed, or one claimed twice.
TEST(Narrowing, ALinkThatCannotBeTrustedOverwritesNothing) {
  TableDocument source = Source();
  TableDocument narrowed = MakeNarrowedGrid(source, Rows{1, 2});
  narrowed.SetRowLink(1, 5);
  narrowed.SetRowLink(2, 5);
  narrowed.SetCell(1, 2, "B");
  WriteBackNarrowed(source, narrowed, Rows{1, 2}, nullptr);
  DeleteMarkedRows(source, nullptr);
  EXPECT_EQ(DataRows(source), (std::vector<Cells>{{"c", "3"}, {"d", "4"}, {"e", "5"}, {"sum", "15"}, {"a", "1"}, {"B", "2"}}));
}

TEST(Narrowing, DeletingEveryMarkedRowLeavesOneEmptyRow) {
  TableDocument grid = GridOf({{"a"}, {"b"}, {"c"}});
  for (int row = 1; row <= 3; ++row) grid.SetCell(0, row, kDeletedRowLabel);
  grid.SetCurrentCell(1, 3);
  DeleteMarkedRows(grid, nullptr);
  ASSERT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(test::RowCells(grid, 1, 0), (Cells{"1", ""}));
  EXPECT_EQ(grid.Row(), 1);
}

}  // namespace
}  // namespace tabulo
