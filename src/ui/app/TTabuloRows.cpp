// Row and column insert, append, delete and row dragging.

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
  SyncDocumentFromView();
  // The rows to delete are shown selected while the question is asked.
  TableDocument& grid = m_document.grid;
  const TGridRect selection = grid.Selection();
  grid.SetSelection({1, selection.Top, grid.ColCount() - 1, selection.Bottom});
  SyncViewFromDocument();
  grid.SetSelection(selection);
  bool deleted = false;
  RunCommand(m_services.prompter, [&] {
    SuspendedUpdates frozen(SGCSV);
    deleted = DeleteSelectedRows(grid, m_services.prompter);
  });
  if (deleted) ResetView();
  SyncViewFromDocument();
  UpdateCommandStates();
  SGCSV->setFocus();
}

void TTabulo::btnColDeleteClick() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const TGridRect selection = grid.Selection();
  grid.SetSelection({selection.Left, 1, selection.Right, grid.RowCount() - 1});
  SyncViewFromDocument();
  grid.SetSelection(selection);
  bool deleted = false;
  RunCommand(m_services.prompter, [&] {
    SuspendedUpdates frozen(SGCSV);
    deleted = DeleteSelectedColumns(grid, m_services.prompter);
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

}  // namespace tabulo::ui
