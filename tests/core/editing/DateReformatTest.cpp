#include "core/editing/DateReformat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/locale/DateTime.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::Sjis;

constexpr std::string_view kFail = "(fail)";

// The cell after the command, in UTF-8: the new text, the old one when kept,
// or kFail.
std::string Reformatted(std::string_view utf8, DateCommand command, int currentYear) {
  const std::string text = Sjis(utf8);
  std::string out = "garbage";
  switch (ReformatDateText(text, command, currentYear, out)) {
    case CellOutcome::Write: return test::Utf8(out);
    case CellOutcome::Keep: return std::string(utf8);
    case CellOutcome::Fail: break;
  }
  return std::string(kFail);
}

TEST(ReformatDateText, OneLinePerCase) {
  struct Case {
    DateCommand command;
    std::string text;
    std::string expected;
    int currentYear = 2025;
  };
  using enum DateCommand;
  const std::string fail(kFail);
  const std::vector<Case> cases = {
      {Wareki, "1996/1/15", "8/1/15"},
      {Wareki, "1996/01/15", "8/1/15"},
      // The era boundaries of the calendar.
      {Wareki, "1989/1/7", "64/1/7"},
      {Wareki, "1989/1/8", "1/1/8"},
      {WarekiEra, "1989/1/7", "昭和 64/1/7"},
      {WarekiEra, "1989/1/8", "平成 1/1/8"},
      {WarekiEra, "2019/4/30", "平成 31/4/30"},
      {WarekiEra, "2019/5/1", "令和 1/5/1"},
      {WarekiEra, "1912/7/30", "大正 1/7/30"},
      {WarekiEra, "1926/12/25", "昭和 1/12/25"},
      {WarekiEra, "1868/9/8", "明治 1/9/8"},
      {WarekiEra, "1868/9/7", fail},  // before 明治
      {Wareki, "1600/1/1", fail},
      // Two numbers are month and day of this year; two-digit years fall in this century.
      {WarekiEra, "5/3", "令和 7/5/3"},
      {WarekiEra, "2/29", fail},
      {WarekiEra, "2/29", "平成 12/2/29", 2000},
      {Weekday, "24/3/4", "2024/3/4 (月)"},
      {Weekday, "24/3/4", "1924/3/4 (火)", 1999},
      // The era commands add their offset to the number before the first separator.
      {Meiji, "45/7/29", "1912/7/29"},
      {Taisho, "15/12/24", "1926/12/24"},
      {Showa, "64/1/7", "1989/1/7"},
      {Heisei, "8/1/15", "1996/1/15"},
      {Heisei, "31/4/30", "2019/4/30"},
      {Heisei, " 8 /1/15", "1996/1/15"},
      {Heisei, "5/3", "1993/5/3"},
      {Meiji, "32/2/29", fail},  // 2032/2/29 exists, 1899/2/29 does not
      // Year digits.
      {Year2, "1998/5/3", "98/5/3"},
      {Year2, "2005/01/02", "05/1/2"},
      {Year4From1900, "98/5/3", "1998/5/3"},
      {Year4From1900, "1998/5/3", "1998/5/3"},
      {Year4From1900, "1998/05/03", "1998/5/3"},
      {Year4From1900, "0/2/29", fail},  // 2000/2/29 exists, 1900/2/29 does not
      {Year4From2000, "01/5/3", "2001/5/3"},
      {Year4From2000, "99/12/31", "2099/12/31"},
      {Year4From2000, "1999/12/31", "1999/12/31"},
      // Weekdays; a cell carrying one no longer reads as a date.
      {Weekday, "2024/3/4", "2024/3/4 (月)"},
      {WeekdayLong, "2024/3/4", "2024/3/4 月曜日 "},
      {Weekday, "2024/3/4 (月)", fail},
      {Wareki, "2024/3/4 月曜日 ", fail},
      {Year2, "2024/3/4 (月)", fail},
      // Impossible dates and other text fail.
      {Wareki, "2023/2/29", fail},
      {Wareki, "2024/4/31", fail},
      {Wareki, "2024/13/1", fail},
      {Wareki, "2024/1/1/1", fail},
      {Wareki, "2024-1-1", fail},
      {Wareki, "abc", fail},
      {Wareki, "", fail},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Reformatted(c.text, c.command, c.currentYear), c.expected)
        << "tag " << static_cast<int>(c.command) << " on \"" << c.text << "\" in " << c.currentYear;
  }
}

TEST(ReformatDates, CountsFailuresAndLeavesThemAsTheyWere) {
  TableDocument grid = test::GridOf({{"8/1/15", "x"}, {"abc", "x"}, {"", "x"}, {"31/2/29", "x"}});
  EXPECT_EQ(ReformatDates(grid, {1, 1, 1, 4}, DateCommand::Heisei, nullptr, 2024), 3);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"1996/1/15", "x"}, {"abc", "x"}, {"", "x"}, {"31/2/29", "x"}}));
}

TEST(ReformatDates, WithoutAYearGivenUsesThisYear) {
  TableDocument grid = test::GridOf({{"1/2"}});
  EXPECT_EQ(ReformatDates(grid, {1, 1, 1, 1}, DateCommand::Year2, nullptr), 0);
  EXPECT_EQ(grid.Cell(1, 1), FormatDate({Today().year, 1, 2}, "yy/m/d"));
}

}  // namespace
}  // namespace tabulo
