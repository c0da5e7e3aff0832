#include "support/GridText.h"

#include <algorithm>

#include "core/document/DocumentOperations.h"

namespace tabulo::test {

Cells RowCells(const TableDocument& grid, int row, int fromCol) {
  Cells cells;
  for (int c = fromCol; c < grid.ColCount(); ++c) cells.emplace_back(grid.Cell(c, row));
  return cells;
}

std::vector<Cells> DataRows(const TableDocument& grid) {
  std::vector<Cells> rows;
  for (int r = 1; r < grid.RowCount(); ++r) {
    Cells cells = RowCells(grid, r);
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    rows.push_back(std::move(cells));
  }
  return rows;
}

TableDocument GridOf(const std::vector<Cells>& rows, int colCount) {
  TableDocument grid;
  std::size_t width = 1;
  for (const Cells& row : rows) width = std::max(width, row.size());
  grid.SetColCount(std::max(colCount, static_cast<int>(width) + 1));
  grid.SetRowCount(static_cast<int>(rows.size()) + 1);
  BuildDefaultColumns(grid);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      grid.SetCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
    }
  }
  RenumberRows(grid);
  return grid;
}

}  // namespace tabulo::test
