#pragma once

#include <string>
#include <vector>

#include "core/document/GPItem.h"

namespace tabulo::ui {

// Which width the column attribute dialog edits: the on-screen width in
// pixels (the main window's column attributes) or the printed width in
// tenths of a millimetre (the list print's column settings).
enum class AttributeDialogMode { Screen, Print };

// One line of the column attribute list: a column's record (edited in place),
// the text of the column's first data row (code page 932), and the column's
// index in the grid.
struct ColumnEntry {
  TGPItem* item;
  std::string firstRowText;
  int column;
};

// Gives each entry's record the entry's position in `entries` as its print
// order (`PrintIndex`), so that printing follows the order of the list.
void AssignPrintOrder(const std::vector<ColumnEntry>& entries);

// Moves every selected entry up one place, walking from the top; entry 0
// (the row-number column) is fixed. A selected entry right below entry 0
// cannot move, and the walk stops there, so a block of selected entries
// moves together or not at all. `selected` has one flag per entry and moves
// with the entries.
void MoveSelectedUp(std::vector<ColumnEntry>& entries, std::vector<bool>& selected);

// Moves every selected entry below entry 0 down one place, walking from the
// bottom; the walk stops at a selected last entry.
void MoveSelectedDown(std::vector<ColumnEntry>& entries, std::vector<bool>& selected);

}  // namespace tabulo::ui
