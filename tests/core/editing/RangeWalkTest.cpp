#include "core/editing/RangeWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/GridText.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;

TEST(ConvertRange, WalksColumnByColumnAndSeesWhatItWrote) {
  TableDocument grid = test::GridOf({{"a", "x", "c"}, {"d", "e", "f"}});
  std::vector<std::pair<int, int>> order;
  const auto convert = [&](const RangeWalk& walk, int col, int row, std::string_view text, std::string& out) {
    order.emplace_back(col, row);
    if (text == "e") return CellOutcome::Fail;
    if (col == 3) return CellOutcome::Keep;
    // The second column reads the first as the walk has left it.
    out.assign(text).append(col == 1 ? std::string_view("+") : walk.Cell(1, row));
    return CellOutcome::Write;
  };
  EXPECT_EQ(ConvertRange(grid, {1, 1, 3, 2}, nullptr, convert), 1);
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}}));
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a+", "xa+", "c"}, {"d+", "e", "f"}}));
}

TEST(RangeWalk, ReadsItsOwnNewTextsAndIsClampedToTheData) {
  TableDocument grid = test::GridOf({{"1", "2"}, {"3", "4"}});
  RangeWalk walk(grid, {0, 0, 9, 9});
  EXPECT_EQ(walk.Range(), (TGridRect{1, 1, 2, 2}));
  walk.Set(2, 2, "x");
  EXPECT_EQ(walk.Cell(2, 2), "x");
  EXPECT_EQ(walk.Cell(1, 1), "1");
  EXPECT_EQ(grid.Cell(2, 2), "4");
  walk.Set(2, 2, "y");  // set twice: the last text wins
  walk.Set(1, 1, "");
  walk.Finish();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"", "2"}, {"3", "y"}}));
  EXPECT_TRUE(RangeWalk(grid, {2, 1, 1, 1}).Empty());
}

TEST(RangeWalk, KeepsEveryTextWhenTheyOutgrowOneBuffer) {
  TableDocument grid = test::GridOf({{"a"}, {"b"}, {"c"}, {"d"}});
  RangeWalk walk(grid, {1, 1, 1, 4});
  const std::vector<std::string> texts = {std::string(600'000, 'x'), std::string(600'000, 'y'),
                                          std::string(3'000'000, 'z'), "small"};
  for (int row = 1; row <= 4; ++row) walk.Set(1, row, texts[static_cast<std::size_t>(row - 1)]);
  for (int row = 1; row <= 4; ++row) EXPECT_EQ(walk.Cell(1, row), texts[static_cast<std::size_t>(row - 1)]);
  walk.Finish();
  for (int row = 1; row <= 4; ++row) EXPECT_EQ(grid.Cell(1, row), texts[static_cast<std::size_t>(row - 1)]);
}

}  // namespace
}  // namespace tabulo
