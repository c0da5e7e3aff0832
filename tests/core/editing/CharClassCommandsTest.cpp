#include "core/editing/CharClassCommands.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/document/EditTransaction.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::Sjis;

TEST(ConvertCharClass, MapsTheCellsOfTheRangeOnly) {
  TableDocument grid = test::GridOf({{"abc", Sjis("ｶﾞｯｺｳ"), "x"}, {"ABC", Sjis("ひ"), "y"}, {"z", "z", "z"}});
  ConvertCharClass(grid, {1, 1, 2, 2}, CharMapping::FullWidth, nullptr);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{Sjis("ａｂｃ"), Sjis("ガッコウ"), "x"},
                                                      {Sjis("ＡＢＣ"), Sjis("ひ"), "y"},
                                                      {"z", "z", "z"}}));
}

TEST(ConvertCharClass, WritesOnlyTheCellsThatChange) {
  TableDocument grid = test::GridOf({{"ABC"}, {"abc"}, {"XYZ"}});
  EditTransaction first(grid, "upper");
  ConvertCharClass(grid, {1, 1, 1, 3}, CharMapping::Upper, nullptr);
  const ChangeRecord changed = first.Commit();
  EXPECT_EQ(changed.firstRow, 2);
  EXPECT_EQ(changed.lastRow, 2);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"ABC"}, {"ABC"}, {"XYZ"}}));

  EditTransaction second(grid, "upper");
  ConvertCharClass(grid, {1, 1, 1, 3}, CharMapping::Upper, nullptr);
  EXPECT_FALSE(second.Commit().Any());
}

}  // namespace
}  // namespace tabulo
