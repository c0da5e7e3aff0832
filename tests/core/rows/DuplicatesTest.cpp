#include "core/rows/Duplicates.h"

#include <gtest/gtest.h>

#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/rows/Narrowing.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::GridOf;
using test::Sjis;
using Rows = std::vector<int>;

DuplicateOptions On(std::vector<int> columns) {
  DuplicateOptions options;
  options.columns = std::move(columns);
  return options;
}

// The groups as lists of rows, in their order.
std::vector<Rows> GroupsOf(const DuplicateGroups& groups) {
  std::vector<Rows> lists;
  for (std::size_t g = 0; g < groups.starts.size(); ++g) {
    const std::size_t end = g + 1 < groups.starts.size() ? groups.starts[g + 1] : groups.rows.size();
    lists.emplace_back(groups.rows.begin() + static_cast<std::ptrdiff_t>(groups.starts[g]),
                       groups.rows.begin() + static_cast<std::ptrdiff_t>(end));
  }
  return lists;
}

TEST(Duplicates, LaterRowsOfEachGroupAreTheOnesToDelete) {
  // Rows 2, 5 and 9 agree; so do 3 and 7.
  const TableDocument grid =
      GridOf({{"x"}, {"k"}, {"m"}, {"y"}, {"k"}, {"z"}, {"m"}, {"w"}, {"k"}, {"v"}});
  const DuplicateGroups groups = FindDuplicateGroups(grid, On({1}), false, nullptr);
  EXPECT_EQ(LaterDuplicateRows(groups), (Rows{5, 7, 9}));
  EXPECT_EQ(groups.rows.size(), 5u);
}

TEST(Duplicates, GroupsFollowTheCollationWithCaseIgnoredThenByteOrder) {
  const TableDocument grid = GridOf({{"b"}, {"B"}, {"a"}, {"b"}, {"B"}, {"a"}, {"c"}, {"b"}});
  const DuplicateGroups groups = FindDuplicateGroups(grid, On({1}), true, nullptr);
  // "B" and "b" are different keys: "B" (upper case, byte order first) comes
  // before "b", and row 4's "b" still finds row 1's although a "B" lies between.
  EXPECT_EQ(GroupsOf(groups), (std::vector<Rows>{{3, 6}, {2, 5}, {1, 4, 8}}));
  EXPECT_EQ(LaterDuplicateRows(groups), (Rows{4, 5, 6, 8}));
}

TEST(Duplicates, NormalisationOptionsJoinSpellings) {
  const TableDocument grid = GridOf({{Sjis("ABC")}, {Sjis("ＡＢＣ")}, {Sjis("abc")}, {Sjis("がっこう")},
                                     {Sjis("ガッコウ")}, {Sjis("ｶﾞｯｺｳ")}});
  EXPECT_TRUE(FindDuplicateGroups(grid, On({1}), true, nullptr).Empty());

  DuplicateOptions width = On({1});
  width.ignoreWidth = true;
  EXPECT_EQ(GroupsOf(FindDuplicateGroups(grid, width, true, nullptr)), (std::vector<Rows>{{1, 2}, {5, 6}}));

  DuplicateOptions all = width;
  all.ignoreKana = true;
  all.ignoreCase = true;
  EXPECT_EQ(GroupsOf(FindDuplicateGroups(grid, all, true, nullptr)), (std::vector<Rows>{{1, 2, 3}, {4, 5, 6}}));
}

TEST(Duplicates, CellsOfSeveralColumnsNeverRunTogether) {
  TableDocument grid = GridOf({{"a", "bc", "1"}, {"ab", "c", "1"}, {"a", "bc", "2"}});
  EXPECT_EQ(GroupsOf(FindDuplicateGroups(grid, On({1, 2}), true, nullptr)), (std::vector<Rows>{{1, 3}}));
  EXPECT_TRUE(FindDuplicateGroups(grid, On({1, 2, 3}), true, nullptr).Empty());
  // A TAB inside a cell does not join cells either.
  grid.SetCell(1, 1, "a\tb");
  grid.SetCell(2, 1, "c");
  grid.SetCell(1, 2, "a");
  grid.SetCell(2, 2, "b\tc");
  EXPECT_TRUE(FindDuplicateGroups(grid, On({1, 2}), true, nullptr).Empty());
}

TEST(Duplicates, TotalsRowsTakePartAndDeletionKeepsTheFirstRow) {
  TableDocument grid = GridOf({{"k", "1"}, {"j", "2"}, {"k", "3"}, {"k", "4"}});
  grid.SetCell(0, 4, kTotalsRowLabel);
  const Rows later = LaterDuplicateRows(FindDuplicateGroups(grid, On({1}), false, nullptr));
  EXPECT_EQ(later, (Rows{3, 4}));
  MarkRowsForDeletion(grid, later);
  DeleteMarkedRows(grid, nullptr);
  EXPECT_EQ(test::DataRows(grid), (std::vector<test::Cells>{{"k", "1"}, {"j", "2"}}));
}

TEST(Duplicates, DescriptionNamesTheColumns) {
  TableDocument grid = GridOf({{"1", "2", "3"}});
  grid.SetCell(1, 0, "A");
  grid.SetCell(3, 0, "C");
  EXPECT_EQ(DuplicateKeyDescription(grid, std::vector<int>{1, 3}), "[A],[C]");
  EXPECT_THROW(FindDuplicateGroups(grid, On({4}), false, nullptr), std::invalid_argument);
  EXPECT_THROW(FindDuplicateGroups(grid, On({0}), false, nullptr), std::invalid_argument);
}

// The postal-code file has many rows per code; the counts were taken with a
// script of its own over the same file.
TEST(Duplicates, PostalCodeFile) {
  const auto path = test::SharedTestData("japanpost-kenall/KEN_ALL.CSV");
  if (!path) GTEST_SKIP() << "the shared test data are not on this machine";
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  LoadTextIntoGrid(*path, grid, true, prompter, nullptr);

  const DuplicateGroups byCode = FindDuplicateGroups(grid, On({3}), true, nullptr);
  EXPECT_EQ(byCode.GroupCount(), 1548u);
  EXPECT_EQ(byCode.rows.size(), 5693u);
  EXPECT_EQ(LaterDuplicateRows(byCode).size(), 4145u);
  for (std::size_t g = 0; g < byCode.starts.size(); ++g) {
    const std::size_t end = g + 1 < byCode.starts.size() ? byCode.starts[g + 1] : byCode.rows.size();
    for (std::size_t i = byCode.starts[g] + 1; i < end; ++i) {
      ASSERT_LT(byCode.rows[i - 1], byCode.rows[i]);
      ASSERT_EQ(grid.Cell(3, byCode.rows[i]), grid.Cell(3, byCode.rows[i - 1]));
    }
    if (g > 0) {
      ASSERT_LT(grid.Cell(3, byCode.rows[byCode.starts[g - 1]]), grid.Cell(3, byCode.rows[byCode.starts[g]]));
    }
  }

  const DuplicateGroups byCodeAndTown = FindDuplicateGroups(grid, On({3, 9}), false, nullptr);
  EXPECT_EQ(byCodeAndTown.GroupCount(), 133u);
  EXPECT_EQ(byCodeAndTown.rows.size(), 289u);
  EXPECT_EQ(LaterDuplicateRows(byCodeAndTown).size(), 156u);
}

}  // namespace
}  // namespace tabulo
