#pragma once

#include <algorithm>
#include <climits>

namespace tabulo {

// What an edit step (or its undo or redo) changed, for the views to repaint:
// a change of shape resets them; otherwise the rows whose cells changed and
// the headers are redrawn.
struct ChangeRecord {
  bool shapeChanged = false;    // rows or columns inserted, removed or moved
  bool headersChanged = false;  // titles, column records and widths, row numbers, heights
  int firstRow = INT_MAX;       // data rows whose cells changed
  int lastRow = -1;
  int firstCol = INT_MAX;       // the columns of those cells
  int lastCol = -1;
  int focusCol = 0;             // the first place changed (0: none), to show it
  int focusRow = 0;

  bool Any() const noexcept { return shapeChanged || headersChanged || lastRow >= 0; }
  bool CellsChanged() const noexcept { return lastRow >= 0; }

  void Touch(int col, int row) noexcept {
    if (focusRow == 0 && focusCol == 0) {
      focusCol = col;
      focusRow = row;
    }
  }
  void AddCell(int col, int row) noexcept {
    Touch(col, row);
    firstRow = std::min(firstRow, row);
    lastRow = std::max(lastRow, row);
    firstCol = std::min(firstCol, col);
    lastCol = std::max(lastCol, col);
  }
  void Merge(const ChangeRecord& other) noexcept {
    Touch(other.focusCol, other.focusRow);
    shapeChanged |= other.shapeChanged;
    headersChanged |= other.headersChanged;
    if (other.CellsChanged()) {
      AddCell(other.firstCol, other.firstRow);
      AddCell(other.lastCol, other.lastRow);
    }
  }
};

}  // namespace tabulo
