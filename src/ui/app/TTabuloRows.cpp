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
  RunEdit(tag == 1 ? "行の追加" : "行の挿入", [&] {
    BusyCursor busy;
    AddRow(m_document.grid, tag == 1 ? AddPosition::AtEnd : AddPosition::AtCurrent);
  });
}

void TTabulo::btnColAddClick(int tag) {
  RunEdit(tag == 1 ? "列の追加" : "列の挿入", [&] {
    BusyCursor busy;
    AddColumn(m_document.grid, tag == 1 ? AddPosition::AtEnd : AddPosition::AtCurrent);
  });
}

void TTabulo::btnRowDeleteClick() {
  const TableDocument& grid = m_document.grid;
  DeleteSelected("行の削除",
                 [&grid](const TGridRect& r) { return TGridRect{1, r.Top, grid.ColCount() - 1, r.Bottom}; },
                 DeleteSelectedRows);
}

void TTabulo::btnColDeleteClick() {
  const TableDocument& grid = m_document.grid;
  DeleteSelected("列の削除",
                 [&grid](const TGridRect& r) { return TGridRect{r.Left, 1, r.Right, grid.RowCount() - 1}; },
                 DeleteSelectedColumns);
}

void TTabulo::DeleteSelected(const char* caption, const std::function<TGridRect(const TGridRect&)>& widen,
                             bool (*deleteSelected)(TableDocument&, Prompter&)) {
  SyncDocumentFromView();
  // What is to go is shown selected while the question is asked.
  TableDocument& grid = m_document.grid;
  const TGridRect selection = grid.Selection();
  grid.SetSelection(widen(selection));
  SyncViewFromDocument();
  grid.SetSelection(selection);
  RunEditAsSynced(caption, [&] {
    SuspendedUpdates frozen(SGCSV);
    deleteSelected(grid, m_services.prompter);
  });
  SGCSV->setFocus();
}

void TTabulo::SGCSVRowMoved(int from, int to) {
  RunEdit("行の移動", [&] {
    TableDocument& grid = m_document.grid;
    grid.MoveRow(from, to);
    RenumberRows(grid);
    grid.SetCurrentCell(grid.Col(), to);
  });
}

void TTabulo::SGCSVColumnMoved(int from, int to) {
  RunEdit("列の移動", [&] {
    TableDocument& grid = m_document.grid;
    const int row = grid.Row();
    grid.MoveColumn(from, to);
    grid.SetCurrentCell(to, row);
  });
}

}  // namespace tabulo::ui
