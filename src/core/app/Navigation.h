#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo {

// The directions the Enter key moves the current cell in.
enum class EnterDirection { Up = 0, Down = 1, Left = 2, Right = 3 };

struct CellPos {
  int col = 1;
  int row = 1;
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// Where Enter takes the current cell in a grid of `colCount` × `rowCount`
// (fixed row and column included): one step in the direction, wrapping to
// the neighbouring row or column at an edge and from the last (or first)
// data cell to the other end of the table.
CellPos NextCellForEnter(CellPos from, EnterDirection direction, int colCount, int rowCount);

struct FindOptions {
  bool down = true;
  bool matchCase = false;
};

// The first data cell after `from` (the cell itself is skipped) that contains
// `text`, scanning row by row in the direction given, without wrapping round.
// Without matchCase both sides are upper-cased first (single-byte letters
// only). The title row and row-number column are never searched.
std::optional<CellPos> FindInGrid(const TableDocument& grid, std::string_view text, CellPos from,
                                  const FindOptions& options);

// The selection as the status bar shows it in edit mode: "( 1,2)-( 3,4)".
std::string SelectionText(const TGridRect& selection);

// A history after using `text`: moved (or put) to the top, at most `limit`
// entries kept. With `ignoreCase` an entry differing only in the letter case
// of single-byte letters counts as the same.
void PushHistoryEntry(std::vector<std::string>& history, const std::string& text, std::size_t limit,
                      bool ignoreCase = false);

}  // namespace tabulo
