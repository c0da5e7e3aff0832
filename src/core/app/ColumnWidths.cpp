#include "core/app/ColumnWidths.h"

#include <algorithm>

#include "core/base/Progress.h"

namespace tabulo {

void FitColumnWidths(TableDocument& grid, int first, int last, bool formatted, const TextMeasure& measure,
                     const FitLayout& layout, ProgressSink* progress) {
  ProgressScope scope(progress);
  first = std::max(first, 0);
  last = std::min(last, grid.ColCount() - 1);
  const int twoMargins = 2 * layout.margin;
  for (int col = first; col <= last; ++col) {
    const TGPItem& item = grid.Item(col);
    int width = measure.Width(grid.Cell(col, 0)) + twoMargins;
    // Only number columns look different when shown grouped.
    const ColumnType type = item.Type();
    const bool asDisplayed = formatted && col > 0 &&
                             (type == ColumnType::Integer || type == ColumnType::Numeric || type == ColumnType::Currency);
    for (int row = 1; row < grid.RowCount(); ++row) {
      const std::string_view text = grid.Cell(col, row);
      if (text.empty()) continue;
      const int cellWidth = asDisplayed ? measure.Width(item.GetDisplayText(text)) : measure.Width(text);
      width = std::max(width, cellWidth + twoMargins);
    }
    if (width >= layout.clientWidth) {
      width = layout.clientWidth - 2 * layout.gridLineWidth - (grid.ColWidth(0) + layout.gridLineWidth);
    }
    grid.SetColWidth(col, width);
    scope.Update(static_cast<std::uint64_t>(col - first + 1), static_cast<std::uint64_t>(last - first + 1));
  }
}

}  // namespace tabulo
