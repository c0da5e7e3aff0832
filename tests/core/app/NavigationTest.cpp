#include "core/app/Navigation.h"

#include <gtest/gtest.h>

#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

struct EnterCase {
  CellPos from;
  EnterDirection direction;
  CellPos to;
};

TEST(NextCellForEnter, WrapsAtEveryEdge) {
  // A grid of 3 data columns and 4 data rows.
  const std::vector<EnterCase> cases{
      {{2, 2}, EnterDirection::Right, {3, 2}},
      {{3, 2}, EnterDirection::Right, {1, 3}},
      {{3, 4}, EnterDirection::Right, {1, 1}},  // last cell of the table
      {{2, 2}, EnterDirection::Down, {2, 3}},
      {{2, 4}, EnterDirection::Down, {3, 1}},
      {{3, 4}, EnterDirection::Down, {1, 1}},
      {{2, 2}, EnterDirection::Up, {2, 1}},
      {{2, 1}, EnterDirection::Up, {1, 4}},
      {{1, 1}, EnterDirection::Up, {3, 4}},  // first cell: last row of the last column
      {{2, 2}, EnterDirection::Left, {1, 2}},
      {{1, 2}, EnterDirection::Left, {3, 1}},
      {{1, 1}, EnterDirection::Left, {3, 4}},
  };
  for (const EnterCase& c : cases) {
    EXPECT_EQ(NextCellForEnter(c.from, c.direction, 4, 5), c.to)
        << c.from.col << "," << c.from.row << " dir " << static_cast<int>(c.direction);
  }
}

TEST(FindInGrid, ScansRowByRowWithoutWrapping) {
  const TableDocument grid = test::GridOf({{"a", "xABCx", "c"}, {"abc", "b", "abc"}});
  const FindOptions down{true, false};
  EXPECT_EQ(FindInGrid(grid, "abc", {1, 1}, down), (CellPos{2, 1}));
  EXPECT_EQ(FindInGrid(grid, "abc", {2, 1}, down), (CellPos{1, 2}));  // continues at column 1 of the next row
  EXPECT_EQ(FindInGrid(grid, "abc", {3, 2}, down), std::nullopt);     // the current cell is not searched
  const FindOptions up{false, false};
  EXPECT_EQ(FindInGrid(grid, "abc", {3, 2}, up), (CellPos{1, 2}));
  EXPECT_EQ(FindInGrid(grid, "abc", {1, 2}, up), (CellPos{2, 1}));
  EXPECT_EQ(FindInGrid(grid, "a", {1, 1}, up), std::nullopt);
}

TEST(FindInGrid, CaseRules) {
  const TableDocument grid = test::GridOf({{"start", "XABCX", "abc"}});
  EXPECT_EQ(FindInGrid(grid, "abc", {1, 1}, {true, false}), (CellPos{2, 1}));
  EXPECT_EQ(FindInGrid(grid, "abc", {1, 1}, {true, true}), (CellPos{3, 1}));
  EXPECT_EQ(FindInGrid(grid, "ABC", {2, 1}, {true, true}), std::nullopt);
  // A trail byte that looks like a lower-case letter is not changed: ヂ is 0x83 0x61.
  const TableDocument kana = test::GridOf({{"start", test::Sjis("ヂ")}});
  EXPECT_EQ(FindInGrid(kana, test::Sjis("ヂ"), {1, 1}, {true, false}), (CellPos{2, 1}));
  EXPECT_EQ(FindInGrid(kana, "A", {1, 1}, {true, false}), std::nullopt);
  // Full-width letters have case too, and keep their width.
  const TableDocument wide = test::GridOf({{"start", "abc", test::Sjis("ＸａＢｃ")}});
  EXPECT_EQ(FindInGrid(wide, test::Sjis("ＡＢＣ"), {1, 1}, {true, false}), (CellPos{3, 1}));
}

TEST(SelectionText, ShowsBothCorners) { EXPECT_EQ(SelectionText({1, 2, 3, 40}), "( 1,2)-( 3,40)"); }

TEST(PushHistoryEntry, MovesRepeatsToTheTopAndDropsTheOldest) {
  std::vector<std::string> history;
  for (int i = 0; i < 26; ++i) PushHistoryEntry(history, std::to_string(i), 25);
  EXPECT_EQ(history.size(), 25u);
  EXPECT_EQ(history.front(), "25");
  EXPECT_EQ(history.back(), "1");
  PushHistoryEntry(history, "10", 25);
  EXPECT_EQ(history.front(), "10");
  EXPECT_EQ(std::count(history.begin(), history.end(), "10"), 1);

  std::vector<std::string> formulas{"sum(%1%,%2%)", "PI"};
  PushHistoryEntry(formulas, "SUM(%1%,%2%)", 25, true);
  EXPECT_EQ(formulas, (std::vector<std::string>{"SUM(%1%,%2%)", "PI"}));
  PushHistoryEntry(formulas, "pi", 25, false);
  EXPECT_EQ(formulas.size(), 3u);
}

}  // namespace
}  // namespace tabulo
