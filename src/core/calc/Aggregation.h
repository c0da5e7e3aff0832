#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// The statistics of the aggregation commands, in the order of their choices
// and totals rows.
enum class Statistic { Sum = 0, Mean = 1, Max = 2, Min = 3, Variance = 4, StdDev = 5 };
inline constexpr int kStatisticCount = 6;

// How cells are read: as text to join, as numbers, dates or times.
enum class AggregateMode { String = 0, Numeric = 1, Date = 2, Time = 3 };

// The caption of a statistic: "合計", "平均", "最大値", "最小値", "分散",
// "標準偏差" (code page 932, as it goes into cells and titles).
std::string StatisticCaption(Statistic statistic, TextEncoding encoding = TextEncoding::ShiftJis);

// The data type a new result column gets for a mode.
ColumnType ResultColumnType(AggregateMode mode);

// Rows of a command's range: every data row, or the rows of a selection.
struct RowRange {
  int first = 1;
  int last = 1;
};

// Across the chosen columns of each row of `rows`, into column `target`:
// joins the texts (string mode) or writes the statistic of the values that
// convert (as a date, a time or a number, by mode). Each cell that does not
// convert counts one failure; a row without any value gets 0 in its mode.
// Returns the number of failures.
int AggregateAcross(TableDocument& grid, const std::vector<int>& columns, Statistic statistic, AggregateMode mode,
                    int target, RowRange rows, ProgressSink* progress);

struct DownResult {
  int failures = 0;
  bool wroteAny = false;
};

// Down the chosen columns: appends one totals row ("集計" in the row-number
// column, the statistic's caption in `labelColumn`) per chosen statistic, in
// the order of Statistic, and writes each column's statistics over the rows
// above them (earlier totals rows included). A column without any value
// leaves its cells in the new rows empty. String mode reads as numbers.
DownResult AggregateDown(TableDocument& grid, const std::vector<int>& columns,
                         const std::array<bool, kStatisticCount>& statistics, AggregateMode mode, int labelColumn,
                         ProgressSink* progress);

// Removes every totals row and renumbers the rest; returns how many went.
int DeleteTotalsRows(TableDocument& grid);

// Appends a column for results: a fresh record with the type and title, the
// grid's default width. Returns its index.
int AppendResultColumn(TableDocument& grid, const std::string& title, ColumnType type);

}  // namespace tabulo
