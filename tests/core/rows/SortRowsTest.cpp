// Sorting the rows of a document: whole rows move, totals rows take part,
// the key list's limits, one undo step, and the order of equal keys.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/document/DocumentOperations.h"
#include "core/document/EditTransaction.h"
#include "core/rows/ReferenceQuickSort.h"
#include "core/rows/Sort.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::Sjis;

// Column `col` of every data row, top to bottom.
Cells Column(const TableDocument& grid, int col) {
  Cells cells;
  for (int row = 1; row < grid.RowCount(); ++row) cells.emplace_back(grid.Cell(col, row));
  return cells;
}

Cells SortedColumn(const Cells& column, SortKind kind, bool ascending) {
  std::vector<Cells> rows;
  for (const std::string& cell : column) rows.push_back({cell});
  TableDocument grid = test::GridOf(rows);
  const TKeyItem key{1, kind, ascending};
  SortRows(grid, {&key, 1}, nullptr);
  return Column(grid, 1);
}

TEST(SortRows, NumbersWithoutValueComeFirstAscendingAndLastDescending) {
  const Cells input{"10", "", "2", "abc", "1,000"};
  const Cells up = SortedColumn(input, SortKind::Number, true);
  EXPECT_EQ(Cells(up.begin() + 2, up.end()), (Cells{"2", "10", "1,000"}));
  EXPECT_TRUE(std::is_permutation(up.begin(), up.begin() + 2, Cells{"", "abc"}.begin()));
  const Cells down = SortedColumn(input, SortKind::Number, false);
  EXPECT_EQ(Cells(down.begin(), down.begin() + 3), (Cells{"1,000", "10", "2"}));
  EXPECT_TRUE(std::is_permutation(down.begin() + 3, down.end(), Cells{"", "abc"}.begin()));
}

TEST(SortRows, BytesPutUpperCaseFirstAndCollationDoesNot) {
  EXPECT_EQ(SortedColumn({"a", "B", "b", "A"}, SortKind::Bytes, true), (Cells{"A", "B", "a", "b"}));
  const Cells collated = SortedColumn({"B", "a"}, SortKind::Text, true);
  EXPECT_EQ(collated, (Cells{"a", "B"}));
  EXPECT_EQ(SortedColumn({"B", "b", "A", "a"}, SortKind::TextCase, true), (Cells{"a", "A", "b", "B"}));
}

TEST(SortRows, RowsMoveWholeAndTotalsRowsKeepTheirMarker) {
  TableDocument grid = test::GridOf({{"3", "c"}, {"1", "a"}, {"9", "total"}, {"2", "b"}});
  grid.SetCell(0, 3, kTotalsRowLabel);
  for (int row = 1; row <= 4; ++row) {
    grid.SetRowHeight(row, 20 + row);
    grid.SetRowLink(row, 100 + row);
  }
  const TKeyItem key{1, SortKind::Number, false};
  SortRows(grid, {&key, 1}, nullptr);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"9", "total"}, {"3", "c"}, {"2", "b"}, {"1", "a"}}));
  EXPECT_EQ(Column(grid, 0), (Cells{std::string(kTotalsRowLabel), "1", "4", "2"}));  // not renumbered yet
  EXPECT_EQ(grid.RowHeight(1), 23);
  EXPECT_EQ(grid.RowLink(1), 103);
  EXPECT_EQ(grid.RowLink(4), 102);
  RenumberRows(grid);
  EXPECT_EQ(Column(grid, 0), (Cells{std::string(kTotalsRowLabel), "2", "3", "4"}));
}

TEST(SortRows, KeysCountInPriorityOrderAndOnlyTheFirstTen) {
  const std::vector<Cells> rows{{"b", "1"}, {"a", "2"}, {"b", "3"}, {"a", "1"}};
  TableDocument grid = test::GridOf(rows);
  const TKeyItem byBoth[] = {{1, SortKind::Bytes, true}, {2, SortKind::Number, false}};
  SortRows(grid, byBoth, nullptr);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"a", "2"}, {"a", "1"}, {"b", "3"}, {"b", "1"}}));

  // Ten keys that tie everywhere leave the rows as the quicksort leaves
  // equal rows; an eleventh that would order them changes nothing.
  std::vector<TKeyItem> keys(kMaxSortKeys, TKeyItem{3, SortKind::Text, true});
  TableDocument tenKeys = test::GridOf({{"3", "", "x"}, {"1", "", "x"}, {"2", "", "x"}});
  SortRows(tenKeys, keys, nullptr);
  keys.push_back({1, SortKind::Number, true});
  TableDocument elevenKeys = test::GridOf({{"3", "", "x"}, {"1", "", "x"}, {"2", "", "x"}});
  SortRows(elevenKeys, keys, nullptr);
  EXPECT_EQ(Column(elevenKeys, 1), Column(tenKeys, 1));
  EXPECT_NE(Column(elevenKeys, 1), (Cells{"1", "2", "3"}));
}

TEST(SortRows, ASingleRowOrNoKeyChangesNothing) {
  TableDocument grid = test::GridOf({{"b"}});
  const TKeyItem key{1, SortKind::Text, true};
  {
    EditTransaction edit(grid, "sort");
    SortRows(grid, {&key, 1}, nullptr);
    RenumberRows(grid);
    edit.Commit();
  }
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"b"}}));
  EXPECT_FALSE(grid.History().CanUndo());
  TableDocument two = test::GridOf({{"b"}, {"a"}});
  SortRows(two, {}, nullptr);
  EXPECT_EQ(Column(two, 1), (Cells{"b", "a"}));
}

TEST(SortRows, IsOneUndoStepThatPutsRowsHeightsAndLinksBack) {
  TableDocument grid = test::GridOf({{"c", "3"}, {"a", "1"}, {"b", "2"}});
  grid.SetCell(0, 2, kTotalsRowLabel);
  grid.SetRowHeight(1, 31);
  grid.SetRowLink(3, 7);
  const std::vector<Cells> before = test::DataRows(grid);
  const Cells labelsBefore = Column(grid, 0);
  const TKeyItem key{1, SortKind::Text, true};
  {
    EditTransaction edit(grid, "整列");
    SortRows(grid, {&key, 1}, nullptr);
    RenumberRows(grid);
    EXPECT_TRUE(edit.Commit().shapeChanged);
  }
  const std::vector<Cells> after{{"a", "1"}, {"b", "2"}, {"c", "3"}};
  const Cells labelsAfter{std::string(kTotalsRowLabel), "2", "3"};
  EXPECT_EQ(test::DataRows(grid), after);
  EXPECT_EQ(grid.History().UndoCaption(), "整列");
  for (int turn = 0; turn < 2; ++turn) {
    grid.Undo();
    EXPECT_EQ(test::DataRows(grid), before);
    EXPECT_EQ(Column(grid, 0), labelsBefore);
    EXPECT_EQ(grid.RowHeight(1), 31);
    EXPECT_EQ(grid.RowLink(3), 7);
    EXPECT_EQ(grid.RowLink(2), -1);
    grid.Redo();
    EXPECT_EQ(test::DataRows(grid), after);
    EXPECT_EQ(Column(grid, 0), labelsAfter);
    EXPECT_EQ(grid.RowHeight(3), 31);
    EXPECT_EQ(grid.RowLink(2), 7);
  }
  EXPECT_FALSE(grid.History().CanRedo());
}

// The order of rows with equal keys on random tables with many ties: the
// plain steps of the quicksort over the same keys, compared as the sort
// compares them (a grouped number key with cells that hold none, descending,
// then a byte key), give the same order of the rows' ids.
TEST(SortRows, EqualKeysComeOutInTheQuicksortsOrder) {
  struct Plain {
    int number;  // -1: no value
    std::string text;
    int id;
  };
  const auto compare = [](const Plain& a, const Plain& b) {
    if (a.number != b.number) {
      if (a.number < 0 || b.number < 0) return a.number < 0 ? 1 : -1;  // descending: none last
      return a.number > b.number ? -1 : 1;
    }
    return a.text.compare(b.text) < 0 ? -1 : a.text == b.text ? 0 : 1;
  };
  std::mt19937 random(3);
  for (int round = 0; round < 40; ++round) {
    const int size = 2 + static_cast<int>(random() % 600);
    std::vector<Cells> rows;
    std::vector<Plain> plain;
    for (int id = 0; id < size; ++id) {
      const int number = static_cast<int>(random() % 6) - 1;
      const std::string text(1, static_cast<char>('a' + random() % 3));
      const std::string cell = number < 0 ? (random() % 2 ? "" : "x") : number == 0 ? "0" : std::to_string(number) + ",000";
      rows.push_back({cell, text, std::to_string(id)});
      plain.push_back({number, text, id});
    }
    TableDocument grid = test::GridOf(rows);
    const TKeyItem keys[] = {{1, SortKind::Number, false}, {2, SortKind::Bytes, true}};
    SortRows(grid, keys, nullptr);
    std::vector<Plain> expected = plain;
    test::ReferenceQuickSort(expected, compare);
    for (int row = 1; row <= size; ++row) {
      ASSERT_EQ(grid.Cell(3, row), std::to_string(expected[static_cast<std::size_t>(row - 1)].id))
          << "round " << round << ", row " << row;
    }
  }
}

// The rows' keys order as their numbers do, so a column made against the
// middle pivot defeats the sort of rows as it would a plain quicksort; the
// guard still finishes it with the rows in order.
TEST(SortRows, AColumnMadeAgainstTheMiddlePivotStillSorts) {
  constexpr int kRows = 4096;
  std::vector<Cells> rows;
  for (const int value : test::PivotKiller(kRows)) rows.push_back({std::to_string(value)});
  TableDocument grid = test::GridOf(rows);
  const TKeyItem key{1, SortKind::Number, true};
  SortRows(grid, {&key, 1}, nullptr);
  for (int row = 1; row <= kRows; ++row) ASSERT_EQ(grid.Cell(1, row), std::to_string(row - 1)) << "row " << row;
}

}  // namespace
}  // namespace tabulo
