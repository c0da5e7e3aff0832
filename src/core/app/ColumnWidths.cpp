#include "core/app/ColumnWidths.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "core/base/Progress.h"

namespace tabulo {
namespace {

// Below this many rows a second thread costs more than it saves.
constexpr int kRowsPerThread = 100'000;

bool IsNumberColumn(const TGPItem& item) {
  const ColumnType type = item.Type();
  return type == ColumnType::Integer || type == ColumnType::Numeric || type == ColumnType::Currency;
}

// The widest text of columns [first, last] over data rows [rowBegin,
// rowEnd), row by row: each row's cells lie together in memory.
void MeasureRows(const TableDocument& grid, int first, int last, bool formatted, const TextMeasure& measure,
                 int rowBegin, int rowEnd, std::vector<int>& widest) {
  std::vector<bool> asDisplayed(static_cast<std::size_t>(last - first + 1));
  for (int col = std::max(first, 1); col <= last; ++col) {
    asDisplayed[static_cast<std::size_t>(col - first)] = formatted && IsNumberColumn(grid.Item(col));
  }
  const auto perByte = static_cast<std::size_t>(std::max(measure.MaxWidthPerByte(), 1));
  for (int row = rowBegin; row < rowEnd; ++row) {
    const PackedRow cells = grid.RowCells(row);
    for (int col = first; col <= last; ++col) {
      const std::string_view text = col == 0 ? grid.Cell(0, row) : cells.Cell(static_cast<std::uint32_t>(col - 1));
      const auto index = static_cast<std::size_t>(col - first);
      if (asDisplayed[index]) {
        if (!text.empty()) widest[index] = std::max(widest[index], measure.Width(grid.Item(col).GetDisplayText(text)));
        continue;
      }
      // A text this short cannot be wider than the widest so far.
      if (text.size() * perByte <= static_cast<std::size_t>(widest[index])) continue;
      widest[index] = std::max(widest[index], col == 0 ? measure.LabelWidth(text) : measure.Width(text));
    }
  }
}

// Measures the longest text of each column first: the widest text so far
// then lets the full pass skip every text too short to beat it.
void SeedWithLongestTexts(const TableDocument& grid, int first, int last, const TextMeasure& measure,
                          std::vector<int>& widest) {
  std::vector<std::string_view> longest(widest.size());
  for (int row = 1; row < grid.RowCount(); ++row) {
    const PackedRow cells = grid.RowCells(row);
    for (int col = std::max(first, 1); col <= last; ++col) {
      const std::string_view text = cells.Cell(static_cast<std::uint32_t>(col - 1));
      std::string_view& candidate = longest[static_cast<std::size_t>(col - first)];
      if (text.size() > candidate.size()) candidate = text;
    }
  }
  for (std::size_t i = 0; i < widest.size(); ++i) widest[i] = std::max(widest[i], measure.Width(longest[i]));
}

}  // namespace

void FitColumnWidths(TableDocument& grid, int first, int last, bool formatted, const TextMeasure& measure,
                     const FitLayout& layout, ProgressSink* progress) {
  ProgressScope scope(progress);
  first = std::max(first, 0);
  last = std::min(last, grid.ColCount() - 1);
  if (first > last) return;
  const auto columns = static_cast<std::size_t>(last - first + 1);
  std::vector<int> widest(columns, 0);
  if (!formatted) SeedWithLongestTexts(grid, first, last, measure, widest);

  // Large tables are measured in two halves at once.
  const int rows = grid.RowCount() - 1;
  if (rows >= 2 * kRowsPerThread && std::thread::hardware_concurrency() > 1) {
    const int middle = 1 + rows / 2;
    std::vector<int> secondHalf(columns, 0);
    std::thread helper(
        [&] { MeasureRows(grid, first, last, formatted, measure, middle, grid.RowCount(), secondHalf); });
    MeasureRows(grid, first, last, formatted, measure, 1, middle, widest);
    helper.join();
    for (std::size_t i = 0; i < columns; ++i) widest[i] = std::max(widest[i], secondHalf[i]);
  } else {
    MeasureRows(grid, first, last, formatted, measure, 1, grid.RowCount(), widest);
  }

  const int cellPadding = 2 * layout.margin + layout.gridLineWidth;
  for (int col = first; col <= last; ++col) {
    const int widestCell = widest[static_cast<std::size_t>(col - first)];
    const std::string_view title = grid.Cell(col, 0);
    int width = std::max((col == 0 ? measure.LabelWidth(title) : measure.Width(title)) + layout.headerPadding,
                         widestCell + (col == 0 ? layout.headerPadding : cellPadding));
    if (width >= layout.clientWidth) {
      width = layout.clientWidth - 2 * layout.gridLineWidth - (grid.ColWidth(0) + layout.gridLineWidth);
    }
    grid.SetColWidth(col, width);
    scope.Update(static_cast<std::uint64_t>(col - first + 1), columns);
  }
}

}  // namespace tabulo
