#include "core/editing/Replace.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/document/EditTransaction.h"
#include "support/GridText.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::GridOf;

using M = ReplaceMethod;

ReplaceValue Text(const char* text) { return ReplaceValue::Typed(text); }
// Choosing column `col` in a combo box (its default title is what it shows).
ReplaceValue Col(int col) { return {"col" + std::to_string(col), col}; }
const ReplaceValue kNone;

// Column 1 is replaced over every row; columns 2 and 3 are what references read.
struct Case {
  M method;
  ReplaceValue upper;
  ReplaceValue lower;
  Cells target;
  Cells second;
  Cells third;
  Cells expected;
};

TableDocument GridOfColumns(const std::vector<Cells>& columns) {
  std::vector<Cells> rows(columns[0].size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (const Cells& column : columns) rows[r].push_back(r < column.size() ? column[r] : "");
  }
  return GridOf(rows, static_cast<int>(columns.size()) + 1);
}

Cells Column(const TableDocument& grid, int col) {
  Cells cells;
  for (int row = 1; row < grid.RowCount(); ++row) cells.emplace_back(grid.Cell(col, row));
  return cells;
}

// ソ is 0x83 0x5C: its trail byte is "\".
const char* const kSo = "\x83\x5C";

TEST(ReplaceRange, MethodsOverOneColumn) {
  const std::vector<Case> cases = {
      // 置換: the cell becomes the lower value, literal or that row's value of a column.
      {M::Fixed, kNone, Text("x"), {"a", "", "c"}, {}, {}, {"x", "x", "x"}},
      {M::Fixed, kNone, Text(""), {"a", "b"}, {}, {}, {"", ""}},
      {M::Fixed, kNone, Col(2), {"a", "b"}, {"p", "q"}, {}, {"p", "q"}},
      // 検索置換: from the left, without overlap, inserted text not searched again, case counts.
      {M::Search, Text("a"), Text("aa"), {"aba", "b", ""}, {}, {}, {"aabaa", "b", ""}},
      {M::Search, Text("aa"), Text("b"), {"aaa", "aaaa"}, {}, {}, {"ba", "bb"}},
      {M::Search, Text("A"), Text("-"), {"aA", "a"}, {}, {}, {"a-", "a"}},
      {M::Search, Text("ab"), Text(""), {"xabyab"}, {}, {}, {"xy"}},
      {M::Search, Col(2), Text("*"), {"abc", "abc", "abc"}, {"b", "", "abcd"}, {}, {"a*c", "abc", "abc"}},
      {M::Search, Text("c"), Col(2), {"cc"}, {"12"}, {}, {"1212"}},
      // Double-byte aware: "\" inside ソ is a trail byte, not a character.
      {M::Search, Text("\\"), Text("/"), {std::string(kSo) + "\\", kSo}, {}, {}, {std::string(kSo) + "/", kSo}},
      {M::Search, Text("\x83\x41"), Text("-"), {"\x82\x83\x41", "\x83\x41"}, {}, {}, {"\x82\x83\x41", "-"}},
      // A search text ending in a lone lead byte never takes half of a character.
      {M::Search, Col(2), Text("-"), {kSo, "a\x83"}, {"\x83", "\x83"}, {}, {kSo, "a-"}},
      // データ連結: front, the cell, back.
      {M::Concat, Text("<"), Text(">"), {"a", ""}, {}, {}, {"<a>", "<>"}},
      {M::Concat, Text(""), Text("!"), {"a"}, {}, {}, {"a!"}},
      {M::Concat, Col(2), Text(""), {"a", "b"}, {"x-", "y-"}, {}, {"x-a", "y-b"}},
      // 連番: runs within the column; restarts where the group column changes.
      {M::Number, kNone, kNone, {"x", "", "y"}, {}, {}, {"1", "2", "3"}},
      {M::Number, Col(2), kNone, {"", "", "", "", ""}, {"A", "A", "B", "B", "B"}, {}, {"1", "2", "1", "2", "3"}},
      {M::Number, Col(2), kNone, {"", "", ""}, {"A", "B", "A"}, {}, {"1", "1", "1"}},
      // A typed group text is no group.
      {M::Number, Text("col2"), kNone, {"", "", ""}, {"A", "B", "C"}, {}, {"1", "2", "3"}},
      // Column 0's entry is a group too, though its value is the literal title,
      // which no row number equals.
      {M::Number, ReplaceValue{std::string(kRowNumberTitle), 0}, kNone, {"", "", ""}, {}, {}, {"1", "1", "1"}},
      // 行番号.
      {M::RowNumber, kNone, kNone, {"a", "b", "c"}, {}, {}, {"1", "2", "3"}},
      // 順位: equal comparison values share the rank of the row above.
      {M::Rank, kNone, Col(3), {"", "", "", ""}, {}, {"90", "80", "80", "70"}, {"1", "2", "2", "4"}},
      {M::Rank, Col(2), Col(3), {"", "", "", "", ""}, {"A", "A", "A", "B", "B"}, {"90", "80", "80", "70", "70"},
       {"1", "2", "2", "1", "1"}},
      // The first row of a group is 1 even when its value equals the last of the group before.
      {M::Rank, Col(2), Col(3), {"", "", "", ""}, {"A", "A", "B", "B"}, {"90", "80", "80", "70"},
       {"1", "2", "1", "2"}},
      // Column 0 as comparison column: the literal title never equals a row number.
      {M::Rank, kNone, ReplaceValue{std::string(kRowNumberTitle), 0}, {"", "", ""}, {}, {}, {"1", "2", "3"}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    TableDocument grid = GridOfColumns({c.target, c.second, c.third});
    ReplaceRange(grid, {1, 1, 1, grid.RowCount() - 1}, {c.method, c.upper, c.lower}, nullptr);
    EXPECT_EQ(Column(grid, 1), c.expected) << "case " << i;
  }
}

TEST(ReplaceAllowed, FollowsTheDialogsEnablingRule) {
  struct Rule {
    M method;
    ReplaceValue upper;
    ReplaceValue lower;
    bool allowed;
  };
  const std::vector<Rule> rules = {
      {M::Fixed, kNone, kNone, true},
      {M::Search, kNone, Text("x"), false},
      {M::Search, Text("a"), kNone, true},
      {M::Search, Col(2), kNone, true},
      {M::Concat, kNone, kNone, false},
      {M::Concat, Text("a"), kNone, true},
      {M::Concat, kNone, Text("a"), true},
      {M::Number, kNone, kNone, true},
      {M::RowNumber, kNone, kNone, true},
      {M::Rank, kNone, Text("col3"), false},
      {M::Rank, kNone, ReplaceValue{"", 0}, true},
      {M::Rank, Col(2), Col(3), true},
      {static_cast<M>(6), kNone, kNone, false},
  };
  for (std::size_t i = 0; i < rules.size(); ++i) {
    EXPECT_EQ(ReplaceAllowed({rules[i].method, rules[i].upper, rules[i].lower}), rules[i].allowed) << "rule " << i;
  }
}

TEST(ReplaceRange, RefusesARequestTheDialogWouldNotRun) {
  TableDocument grid = GridOf({{"a", "b"}});
  const ReplaceRequest noSearchText{M::Search, kNone, Text("x")};
  const ReplaceRequest noSuchColumn{M::Fixed, kNone, Col(3)};
  EXPECT_THROW(ReplaceRange(grid, {1, 1, 2, 1}, noSearchText, nullptr), std::invalid_argument);
  EXPECT_THROW(ReplaceRange(grid, {1, 1, 2, 1}, noSuchColumn, nullptr), std::invalid_argument);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "b"}}));
}

TEST(ReplaceRange, EachColumnCountsFromOne) {
  TableDocument grid = GridOf({{"", "", "A"}, {"", "", "A"}, {"", "", "B"}});
  ReplaceRange(grid, {1, 1, 2, 3}, {M::Number, Col(3), kNone}, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"1", "1", "A"}, {"2", "2", "A"}, {"1", "1", "B"}}));
}

// The walk goes column by column, so a column of the selection that is
// referenced after the walk has passed it gives its new texts.
TEST(ReplaceRange, ReferencesSeeColumnsTheWalkHasAlreadyChanged) {
  TableDocument grid = GridOf({{"x", "y", "z"}});
  ReplaceRange(grid, {1, 1, 3, 1}, {M::Concat, Col(2), Text("!")}, nullptr);
  // Column 1 reads column 2 before its pass, column 3 after it.
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"yx!", "yy!", "yy!z!"}}));

  // Numbering by a group column the walk has already numbered: its new
  // values 1, 2, 1 all differ from the row above, so every row restarts.
  TableDocument groups = GridOf({{"A", ""}, {"A", ""}, {"B", ""}});
  ReplaceRange(groups, {1, 1, 2, 3}, {M::Number, Col(1), kNone}, nullptr);
  EXPECT_EQ(DataRows(groups), (std::vector<Cells>{{"1", "1"}, {"2", "1"}, {"1", "1"}}));
}

TEST(ReplaceRange, NumbersAndRanksAColumnByItsOwnValues) {
  TableDocument grid = GridOf({{"A", "90"}, {"A", "80"}, {"B", "80"}, {"B", "80"}, {"B", "70"}});
  ReplaceRange(grid, {1, 1, 1, 5}, {M::Number, Col(1), kNone}, nullptr);
  ReplaceRange(grid, {2, 1, 2, 5}, {M::Rank, kNone, Col(2)}, nullptr);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"1", "1"}, {"2", "2"}, {"1", "2"}, {"2", "2"}, {"3", "5"}}));
}

// A selection that starts below the first row: the top row starts the count
// at 1 whatever the row above holds, and never shares its rank.
TEST(ReplaceRange, SelectionStartingMidTable) {
  TableDocument grid = GridOf({{"A", "80", "x"}, {"A", "80", "x"}, {"A", "70", "x"}, {"B", "70", "x"}, {"", "", "x"}, {"", "", "x"}});
  ReplaceRange(grid, {3, 2, 3, 4}, {M::Number, Col(1), kNone}, nullptr);
  EXPECT_EQ(Column(grid, 3), (Cells{"x", "1", "2", "1", "x", "x"}));
  ReplaceRange(grid, {3, 2, 3, 4}, {M::Rank, Col(1), Col(2)}, nullptr);
  EXPECT_EQ(Column(grid, 3), (Cells{"x", "1", "2", "1", "x", "x"}));
  ReplaceRange(grid, {3, 5, 3, 6}, {M::RowNumber, kNone, kNone}, nullptr);
  EXPECT_EQ(Column(grid, 3), (Cells{"x", "1", "2", "1", "5", "6"}));
}

TEST(ReplaceRange, RewritesOnlyTheRowsItChanges) {
  TableDocument grid = GridOf({{"a", "b"}, {"ba", "b"}, {"c", "b"}});
  {
    EditTransaction edit(grid, "置換");
    ReplaceRange(grid, {1, 1, 2, 3}, {M::Search, Text("z"), Text("y")}, nullptr);
    EXPECT_FALSE(edit.Commit().Any());
  }
  EditTransaction edit(grid, "置換");
  ReplaceRange(grid, {1, 2, 2, 3}, {M::Search, Text("a"), Text("")}, nullptr);
  const ChangeRecord changes = edit.Commit();
  EXPECT_EQ(changes.firstRow, 2);
  EXPECT_EQ(changes.lastRow, 2);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "b"}, {"b", "b"}, {"c", "b"}}));
}

}  // namespace
}  // namespace tabulo
