#include "core/app/Navigation.h"

#include <algorithm>

#include "core/locale/CaseMapping.h"
#include "core/locale/Cp932.h"

namespace tabulo {

CellPos NextCellForEnter(CellPos from, EnterDirection direction, int colCount, int rowCount) {
  const int lastCol = std::max(1, colCount - 1);
  const int lastRow = std::max(1, rowCount - 1);
  CellPos to = from;
  switch (direction) {
    case EnterDirection::Up:
      if (from.row < 2) {
        to.row = lastRow;
        to.col = from.col < 2 ? lastCol : from.col - 1;
      } else {
        to.row = from.row - 1;
      }
      break;
    case EnterDirection::Down:
      if (from.row >= lastRow) {
        to.row = 1;
        to.col = from.col >= lastCol ? 1 : from.col + 1;
      } else {
        to.row = from.row + 1;
      }
      break;
    case EnterDirection::Left:
      if (from.col < 2) {
        to.col = lastCol;
        to.row = from.row < 2 ? lastRow : from.row - 1;
      } else {
        to.col = from.col - 1;
      }
      break;
    case EnterDirection::Right:
      if (from.col >= lastCol) {
        to.col = 1;
        to.row = from.row >= lastRow ? 1 : from.row + 1;
      } else {
        to.col = from.col + 1;
      }
      break;
  }
  return to;
}

std::optional<CellPos> FindInGrid(const TableDocument& grid, std::string_view text, CellPos from,
                                  const FindOptions& options) {
  if (text.empty()) return std::nullopt;
  const TextEncoding encoding = grid.Encoding().encoding;
  const std::string pattern = options.matchCase ? std::string(text) : UpperCase(text, encoding);
  const auto matches = [&](std::string_view cell) {
    if (options.matchCase) return FindText(cell, pattern, 0, encoding) != std::string_view::npos;
    return FindText(UpperCase(cell, encoding), pattern, 0, encoding) != std::string_view::npos;
  };
  const int lastCol = grid.ColCount() - 1;
  const int lastRow = grid.RowCount() - 1;
  const int step = options.down ? 1 : -1;
  int col = from.col + step;
  for (int row = from.row; row >= 1 && row <= lastRow; row += step) {
    for (; col >= 1 && col <= lastCol; col += step) {
      if (matches(grid.Cell(col, row))) return CellPos{col, row};
    }
    col = options.down ? 1 : lastCol;
  }
  return std::nullopt;
}

std::string SelectionText(const TGridRect& selection) {
  return "( " + std::to_string(selection.Left) + "," + std::to_string(selection.Top) + ")-( " +
         std::to_string(selection.Right) + "," + std::to_string(selection.Bottom) + ")";
}

void PushHistoryEntry(std::vector<std::string>& history, const std::string& text, std::size_t limit,
                      bool ignoreCase) {
  const std::string key = ignoreCase ? UpperCase(text) : text;
  history.erase(std::remove_if(history.begin(), history.end(),
                               [&](const std::string& entry) { return (ignoreCase ? UpperCase(entry) : entry) == key; }),
                history.end());
  history.insert(history.begin(), text);
  if (history.size() > limit) history.resize(limit);
}

}  // namespace tabulo
