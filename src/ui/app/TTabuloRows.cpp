// Row and column insert, append, delete, and moving rows and columns by
// dragging their numbers and titles.

#include "core/document/DocumentOperations.h"
#include "core/document/StructuralEdits.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {

void TTabulo::btnRowAddClick(int tag) {
  SyncDocumentFromView();
  RunCommand(m_services.prompter, [&] {
    BusyCursor busy;
    AddRow(m_document.grid, tag == 1 ? AddPosition::AtEnd : AddPosition::AtCurrent);
  });
  ResetView();
  UpdateCommandStates();
}

void TTabulo::btnColAddClick(int tag) {
  SyncDocumentFromView();
  RunCommand(m_services.prompter, [&] {
    BusyCursor busy;
    AddColumn(m_document.grid, tag == 1 ? AddPosition::AtEnd : AddPosition::AtCurrent);
  });
  ResetView();
  UpdateCommandStates();
}

void TTabulo::btnRowDeleteClick() {
  const TableDocument& grid = m_document.grid;
  DeleteSelected([&grid](const TGridRect& r) { return TGridRect{1, r.Top, grid.ColCount() - 1, r.Bottom}; },
                 DeleteSelectedRows);
}

void TTabulo::btnColDeleteClick() {
  const TableDocument& grid = m_document.grid;
  DeleteSelected([&grid](const TGridRect& r) { return TGridRect{r.Left, 1, r.Right, grid.RowCount() - 1}; },
                 DeleteSelectedColumns);
}

void TTabulo::DeleteSelected(const std::function<TGridRect(const TGridRect&)>& widen,
                             bool (*deleteSelected)(TableDocument&, Prompter&)) {
  SyncDocumentFromView();
  // What is to go is shown selected while the question is asked.
  TableDocument& grid = m_document.grid;
  const TGridRect selection = grid.Selection();
  grid.SetSelection(widen(selection));
  SyncViewFromDocument();
  grid.SetSelection(selection);
  bool deleted = false;
  RunCommand(m_services.prompter, [&] {
    SuspendedUpdates frozen(SGCSV);
    deleted = deleteSelected(grid, m_services.prompter);
  });
  if (deleted) ResetView();
  SyncViewFromDocument();
  UpdateCommandStates();
  SGCSV->setFocus();
}

void TTabulo::SGCSVRowMoved(int from, int to) {
  TableDocument& grid = m_document.grid;
  grid.MoveRow(from, to);
  RenumberRows(grid);
  grid.SetCurrentCell(grid.Col(), to);
  m_model->RowsChanged(std::min(from, to), std::max(from, to));
  m_model->HeadersChanged();
  SyncViewFromDocument();
}

void TTabulo::SGCSVColumnMoved(int from, int to) {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const int row = grid.Row();
  RunCommand(m_services.prompter, [&] { grid.MoveColumn(from, to); });
  grid.SetCurrentCell(to, row);
  ResetView();
  UpdateCommandStates();
}

}  // namespace tabulo::ui
