#include "core/calc/Aggregation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/base/Progress.h"
#include "core/calc/FormulaRuns.h"
#include "core/calc/RunningFigures.h"
#include "core/document/DocumentOperations.h"
#include "core/document/NumberText.h"
#include "core/locale/DateSerial.h"
#include "core/locale/NumberFormat.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

constexpr const char* kStatisticCaptions[kStatisticCount] = {
    "\x8D\x87\x8C\x76",                  // 合計
    "\x95\xBD\x8B\xCF",                  // 平均
    "\x8D\xC5\x91\xE5\x92\x6C",          // 最大値
    "\x8D\xC5\x8F\xAC\x92\x6C",          // 最小値
    "\x95\xAA\x8E\x55",                  // 分散
    "\x95\x57\x8F\x80\x95\xCE\x8D\xB7",  // 標準偏差
};

long double StatisticOf(const RunningFigures& figures, Statistic statistic) {
  switch (statistic) {
    case Statistic::Sum: return figures.Sum();
    case Statistic::Mean: return figures.Mean();
    case Statistic::Max: return figures.Max();
    case Statistic::Min: return figures.Min();
    case Statistic::Variance: return figures.Variance();
    case Statistic::StdDev: return figures.StdDev();
  }
  return 0;
}

std::optional<long double> Convert(std::string_view text, AggregateMode mode, int currentYear) {
  switch (mode) {
    case AggregateMode::Date:
      if (const auto date = ParseShortDate(text, currentYear)) return DateSerial(*date);
      return std::nullopt;
    case AggregateMode::Time:
      if (const auto time = ParseTime(text)) return TimeSerial(*time);
      return std::nullopt;
    case AggregateMode::String:
    case AggregateMode::Numeric: break;
  }
  return ReadCellNumber(text);
}

std::string Format(long double value, AggregateMode mode) {
  switch (mode) {
    case AggregateMode::Date: return FormatDate(DateFromSerial(value), "yyyy/mm/dd");
    case AggregateMode::Time: return FormatLongTime(TimeFromSerial(value));
    case AggregateMode::String:
    case AggregateMode::Numeric: break;
  }
  return FormatGeneral(value);
}

// A statistic of values near the limit of extended precision can overflow
// (a sum of squares, a sum), and a sum of dates can pass the last day a date
// can name: such a result is no value to write, so its cell gets "Error" and
// counts as one failure.
std::string FormatOrFail(long double value, AggregateMode mode, int& failures) {
  if (!std::isfinite(value) || (mode == AggregateMode::Date && !IsDateSerialInRange(value))) {
    ++failures;
    return std::string(kCalcErrorText);
  }
  return Format(value, mode);
}

}  // namespace

std::string StatisticCaption(Statistic statistic, TextEncoding encoding) {
  return ProgramText(kStatisticCaptions[static_cast<int>(statistic)], encoding);
}

ColumnType ResultColumnType(AggregateMode mode) {
  switch (mode) {
    case AggregateMode::String: return ColumnType::String;
    case AggregateMode::Date: return ColumnType::Date;
    case AggregateMode::Time: return ColumnType::Time;
    case AggregateMode::Numeric: break;
  }
  return ColumnType::Numeric;
}

int AggregateAcross(TableDocument& grid, const std::vector<int>& columns, Statistic statistic, AggregateMode mode,
                    int target, RowRange rows, ProgressSink* progress) {
  ProgressScope scope(progress);
  const int currentYear = Today().year;
  int failures = 0;
  rows.first = std::max(rows.first, 1);
  rows.last = std::min(rows.last, grid.RowCount() - 1);
  std::string result;
  for (int row = rows.first; row <= rows.last; ++row) {
    grid.SetCell(target, row, "");
    if (mode == AggregateMode::String) {
      result.clear();
      for (const int col : columns) result += grid.Cell(col, row);
    } else {
      RunningFigures figures;
      for (const int col : columns) {
        if (const auto value = Convert(grid.Cell(col, row), mode, currentYear)) {
          figures.Add(*value);
        } else {
          ++failures;
        }
      }
      result = FormatOrFail(StatisticOf(figures, statistic), mode, failures);
    }
    grid.SetCell(target, row, result);
    scope.Update(static_cast<std::uint64_t>(row - rows.first + 1), static_cast<std::uint64_t>(rows.last - rows.first + 1));
  }
  return failures;
}

DownResult AggregateDown(TableDocument& grid, const std::vector<int>& columns,
                         const std::array<bool, kStatisticCount>& statistics, AggregateMode mode, int labelColumn,
                         ProgressSink* progress) {
  ProgressScope scope(progress);
  const int lastDataRow = grid.RowCount() - 1;
  std::vector<Statistic> added;
  for (int i = 0; i < kStatisticCount; ++i) {
    if (!statistics[static_cast<std::size_t>(i)]) continue;
    const auto statistic = static_cast<Statistic>(i);
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    grid.SetCell(0, row, kTotalsRowLabel);
    if (labelColumn >= 1 && labelColumn < grid.ColCount()) grid.SetCell(labelColumn, row, StatisticCaption(statistic, grid.Encoding().encoding));
    added.push_back(statistic);
  }
  const int currentYear = Today().year;
  DownResult result;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int col = columns[i];
    RunningFigures figures;
    for (int row = 1; row <= lastDataRow; ++row) {
      if (const auto value = Convert(grid.Cell(col, row), mode, currentYear)) {
        figures.Add(*value);
      } else {
        ++result.failures;
      }
    }
    if (figures.Count() > 0) {
      for (std::size_t k = 0; k < added.size(); ++k) {
        grid.SetCell(col, lastDataRow + 1 + static_cast<int>(k),
                    FormatOrFail(StatisticOf(figures, added[k]), mode, result.failures));
      }
      result.wroteAny = true;
    }
    scope.Update(i + 1, columns.size());
  }
  return result;
}

int DeleteTotalsRows(TableDocument& grid) {
  int deleted = 0;
  for (int row = grid.RowCount() - 1; row >= 1; --row) {
    if (!grid.IsTotalsRow(row)) continue;
    // Runs of totals rows go in one step.
    int first = row;
    while (first > 1 && grid.IsTotalsRow(first - 1)) --first;
    grid.DeleteRows(first, row);
    deleted += row - first + 1;
    row = first;
  }
  if (grid.RowCount() < 2) grid.SetRowCount(2);  // the table keeps one (empty) data row
  RenumberRows(grid);
  return deleted;
}

int AppendResultColumn(TableDocument& grid, const std::string& title, ColumnType type) {
  const int col = grid.ColCount();
  grid.SetColCount(col + 1);
  TGPItem item;
  item.Title = title;
  item.DataType = static_cast<std::uint8_t>(type);
  grid.Item(col) = std::move(item);
  grid.SetColWidth(col, grid.DefaultColWidth());
  return col;
}

}  // namespace tabulo
