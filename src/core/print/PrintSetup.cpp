#include "core/print/PrintSetup.h"

#include <algorithm>
#include <utility>

namespace tabulo {

void ApplyPrintDefaults(TableDocument& grid, TGridPrintInfo& info, const ScreenFacts& screen) {
  for (int col = 0; col < grid.ColCount(); ++col) {
    const TGPItem& current = std::as_const(grid).Item(col);
    if (current.PrintWidth == 0) {
      TGPItem& item = grid.Item(col);
      item.PrintWidth = PixelsToTenthMm(grid.ColWidth(col) + 2.0 * screen.gridLineWidth, screen.dpi);
      item.PrintIndex = col;
    }
    if (current.ColumnIndex != col) grid.Item(col).ColumnIndex = col;
  }
  if (info.FontName.empty()) {
    info.FontName = screen.fontName;
    info.FontCharset = screen.fontCharset;
    info.FontSize = screen.fontSize;
    info.FontStyle = screen.fontStyle;
    info.RowHeight = PixelsToTenthMm(screen.titleRowHeight, screen.dpi);
  }
}

std::vector<PrintColumn> PrintOrder(const TableDocument& grid) {
  std::vector<PrintColumn> columns;
  columns.reserve(static_cast<std::size_t>(grid.ColCount()));
  for (int col = 0; col < grid.ColCount(); ++col) columns.push_back({&grid.Item(col), col});
  std::stable_sort(columns.begin(), columns.end(), [](const PrintColumn& a, const PrintColumn& b) {
    return a.item->PrintIndex < b.item->PrintIndex;
  });
  return columns;
}

}  // namespace tabulo
