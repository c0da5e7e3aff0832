#include "core/document/StructuralEdits.h"

#include <algorithm>
#include <string>

#include "core/document/DocumentOperations.h"

namespace tabulo {
namespace {

bool Confirm(Prompter& prompter, MessageId id) { return prompter.Ask(id) == Answer::Yes; }

}  // namespace

void AddRow(TableDocument& grid, AddPosition position) {
  const int oldCount = grid.RowCount();
  const int target = position == AddPosition::AtEnd ? oldCount : std::min(grid.Row(), oldCount);
  grid.SetRowCount(oldCount + 1);
  if (target != oldCount) grid.MoveRow(oldCount, target);
  RenumberRows(grid);
  grid.SetRow(target);
}

void AddColumn(TableDocument& grid, AddPosition position) {
  const int oldCount = grid.ColCount();
  const int target = position == AddPosition::AtEnd ? oldCount : std::min(grid.Col(), oldCount);
  grid.SetColCount(oldCount + 1);
  if (target != oldCount) grid.MoveColumn(oldCount, target);
  TGPItem item;
  item.Title = DefaultColumnTitle(grid.ColCount() - 1, grid.Encoding().encoding);
  grid.Item(target) = std::move(item);
  grid.SetColWidth(target, grid.DefaultColWidth());
  grid.SetCol(target);
}

bool DeleteSelectedRows(TableDocument& grid, Prompter& prompter) {
  const int leftCol = grid.LeftCol();
  const TGridRect selection = grid.Selection();
  grid.SetSelection({1, selection.Top, grid.ColCount() - 1, selection.Bottom});
  if (!Confirm(prompter, MessageId::DeleteRowsQuestion)) {
    grid.SetSelection(selection);
    return false;
  }
  const int last = std::min(selection.Bottom, grid.RowCount() - 1);
  if (selection.Top <= last) grid.DeleteRows(selection.Top, last);
  if (grid.RowCount() < 2) AddRow(grid, AddPosition::AtEnd);
  grid.SetLeftCol(leftCol);
  grid.SetCol(selection.Left);
  grid.SetRow(selection.Top < 2 ? 1 : selection.Top - 1);
  RenumberRows(grid);
  return true;
}

bool DeleteSelectedColumns(TableDocument& grid, Prompter& prompter) {
  const int topRow = grid.TopRow();
  const TGridRect selection = grid.Selection();
  grid.SetSelection({selection.Left, 1, selection.Right, grid.RowCount() - 1});
  if (!Confirm(prompter, MessageId::DeleteColumnsQuestion)) {
    grid.SetSelection(selection);
    return false;
  }
  const int last = std::min(selection.Right, grid.ColCount() - 1);
  if (selection.Left <= last) grid.DeleteColumns(selection.Left, last);
  if (grid.ColCount() < 2) AddColumn(grid, AddPosition::AtEnd);
  grid.SetTopRow(topRow);
  grid.SetRow(selection.Top);
  grid.SetCol(selection.Left < 2 ? 1 : selection.Left - 1);
  return true;
}

}  // namespace tabulo
