#include "core/editing/DateInsert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/EditTransaction.h"
#include "support/GridText.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;

TEST(InsertedDateText, DateTimeOrBothInTheLocalesFormats) {
  const DateAndTime now{{2024, 3, 5}, {9, 5, 7}};
  EXPECT_EQ(InsertedDateText(0, now), "2024/03/05");
  EXPECT_EQ(InsertedDateText(1, now), "9:05:07");
  EXPECT_EQ(InsertedDateText(2, now), "2024/03/05 9:05:07");
  EXPECT_EQ(InsertedDateText(1, {{2024, 12, 31}, {23, 59, 0}}), "23:59:00");
}

TEST(DateInsertCaption, NamesTheCommandAndShowsTheMomentInShortFormats) {
  const DateAndTime now{{2024, 3, 5}, {9, 5, 7}};
  EXPECT_EQ(DateInsertCaption(0, now), "日付入力　2024/03/05");
  EXPECT_EQ(DateInsertCaption(1, now), "時刻入力　9:05");
  EXPECT_EQ(DateInsertCaption(2, now), "日時入力　2024/03/05 9:05");
}

TEST(FillRange, WritesEveryCellOfTheRangeAsOneStep) {
  TableDocument grid = test::GridOf({{"a", "b", "c"}, {"d", "2024/03/05", "f"}, {"g", "h", "i"}});
  EditTransaction edit(grid, "日付入力");
  FillRange(grid, {2, 1, 3, 2}, "2024/03/05", nullptr);
  const ChangeRecord changes = edit.Commit();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "2024/03/05", "2024/03/05"},
                                                {"d", "2024/03/05", "2024/03/05"},
                                                {"g", "h", "i"}}));
  EXPECT_EQ(changes.firstRow, 1);
  EXPECT_EQ(changes.lastRow, 2);
  grid.Undo();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "b", "c"}, {"d", "2024/03/05", "f"}, {"g", "h", "i"}}));
}

}  // namespace
}  // namespace tabulo
