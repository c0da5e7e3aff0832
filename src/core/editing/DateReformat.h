#pragma once

#include <string>
#include <string_view>

#include "core/document/TableDocument.h"
#include "core/editing/RangeWalk.h"

namespace tabulo {

class ProgressSink;

// The commands of "日付整形", by their menu tags.
enum class DateCommand {
  Wareki = 0,         // 西暦 → 和暦: "e/m/d"
  WarekiEra = 1,      // 西暦 → 和暦（元号付き）: "gg e/m/d"
  Meiji = 2,          // 明治 → 西暦: "yyyy/m/d", year + 1867
  Taisho = 3,         // 大正 → 西暦: year + 1911
  Showa = 4,          // 昭和 → 西暦: year + 1925
  Heisei = 5,         // 平成 → 西暦: year + 1988
  Year2 = 6,          // 年を２桁: "yy/m/d"
  Year4From1900 = 7,  // 年を４桁　98 → 1998: a year below 100 + 1900
  Year4From2000 = 8,  // 年を４桁　01 → 2001: a year below 100 + 2000
  Weekday = 9,        // 曜日を付ける　(月): "yyyy/m/d (ddd)"
  WeekdayLong = 10,   // 曜日を付ける　月曜日: "yyyy/m/d dddd " (with the blank)
};

// One cell of a date command. The text is read as a short date
// (ParseShortDate: two or three numbers, two numbers in `currentYear`, a
// year of 99 or less in the current century, nothing after the date), else
// the cell fails. The era and year-digit commands (Meiji … Heisei,
// Year4From1900, Year4From2000) take the year again as the number written
// before the first date separator and add their offset to it (the year-digit
// ones only to a year below 100), keeping month and day; a date that does not
// exist in the new year fails. The Japanese-era commands fail for a date
// before 明治, the first era they write. Writes the new text to `out` and
// says Write, or Keep when the cell already reads so, or Fail.
CellOutcome ReformatDateText(std::string_view text, DateCommand command, int currentYear, std::string& out);

// Runs `command` over every cell of `range` (clamped to the data cells),
// column by column, each cell in its own guard, with this year of the local
// clock (or `currentYear`) for the short date's missing or two-digit year.
// Returns the number of cells that failed; they keep their text.
int ReformatDates(TableDocument& grid, const TGridRect& range, DateCommand command, ProgressSink* progress);
int ReformatDates(TableDocument& grid, const TGridRect& range, DateCommand command, ProgressSink* progress,
                  int currentYear);

}  // namespace tabulo
