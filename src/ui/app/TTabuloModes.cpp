// The two modes, the Enter movement, the state of the commands and the
// status bar, and keeping the view's cursor and the document's in step.

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "core/document/ColumnAttributes.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {
namespace {

void SetCaptionColour(QToolButton* button, bool blue) {
  QPalette palette = button->palette();
  palette.setColor(QPalette::ButtonText, blue ? QColor(0, 0, 255) : button->style()->standardPalette().color(QPalette::ButtonText));
  button->setPalette(palette);
}

}  // namespace

bool TTabulo::InputMode() const { return BtnEditOn->isChecked(); }

void TTabulo::mmModeChangeClick() { SetInputMode(!InputMode()); }

void TTabulo::SetInputMode(bool input) {
  BtnEditOn->setChecked(input);
  BtnEditOff->setChecked(!input);
  UpdateCommandStates();
}

void TTabulo::UpdateCommandStates() {
  const bool input = InputMode();
  const TableDocument& grid = m_document.grid;
  mmAppendFile->setVisible(!m_narrowed);
  mmCsvHistorys->menuAction()->setVisible(!m_narrowed && !mmCsvHistorys->isEmpty());
  mmFixOpen->setVisible(!m_narrowed);
  mmFixedSeparator->setVisible(!m_narrowed);
  mmFixedHistorys->menuAction()->setVisible(!m_narrowed && !mmFixedHistorys->isEmpty());
  mmClose->setEnabled(!m_narrowed);
  mmPrint->setEnabled(m_printerAvailable);
  BtnPrint->setEnabled(m_printerAvailable);
  for (QAction* item : {mmRowSelect, mmColSelect, mmSelectAll, mmPasteAdd, mmPastePre}) item->setEnabled(!input);
  mmColAdd->setEnabled(!m_narrowed);
  mmColIn->setEnabled(!m_narrowed);
  mmColDel->setEnabled(!m_narrowed && grid.ColCount() > 2);
  mmRowDel->setEnabled(grid.RowCount() > 2);
  btnColAdd->setEnabled(mmColIn->isEnabled());
  btnColDelete->setEnabled(mmColDel->isEnabled());
  btnRowAdd->setEnabled(mmRowIn->isEnabled());
  btnRowDelete->setEnabled(mmRowDel->isEnabled());
  if (input != SGCSV->InputMode()) SGCSV->SetInputMode(input);
  SGCSV->SetColumnsMovable(input && !m_narrowed);
  UpdateModeButtons();
  UpdateStatusPanels();
  UpdateUndoItems();
  if (input) SGCSV->OpenEditor();
}

void TTabulo::UpdateModeButtons() {
  const bool input = InputMode();
  SetCaptionColour(BtnEditOn, input);
  SetCaptionColour(BtnEditOff, !input);
}

void TTabulo::UpdateStatusPanels() {
  const TableDocument& grid = m_document.grid;
  if (InputMode()) {
    m_panels[1]->setText("入力");
    m_panels[2]->setText("Data Type");
    m_panels[3]->setText(QString::fromUtf8(ColumnTypeName(grid.Item(grid.Col()).Type())));
  } else {
    m_panels[1]->setText("編集");
    m_panels[2]->setText("Selection");
    m_panels[3]->setText(QString::fromStdString(SelectionText(grid.Selection())));
  }
}

void TTabulo::SetEnterDirection(EnterDirection direction) {
  m_enterDirection = direction;
  const int tag = static_cast<int>(direction);
  for (int i = 0; i < 4; ++i) BtnDirection[i]->setChecked(i == tag);
  mmCursor[tag]->setChecked(true);
}

void TTabulo::MoveByEnter() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const CellPos next = NextCellForEnter({grid.Col(), grid.Row()}, m_enterDirection, grid.ColCount(), grid.RowCount());
  grid.SetCurrentCell(next.col, next.row);
  SyncViewFromDocument();
  if (InputMode()) SGCSV->OpenEditor();
}

void TTabulo::SyncDocumentFromView() {
  TableDocument& grid = m_document.grid;
  const QModelIndex current = SGCSV->currentIndex();
  const QItemSelection selection = SGCSV->selectionModel()->selection();
  if (!current.isValid()) return;
  if (selection.isEmpty()) {
    grid.SetCurrentCell(current.column() + 1, current.row() + 1);
  } else {
    // One rectangle in edit mode; its bounds, should a view hand over several.
    QItemSelectionRange bounds = selection.front();
    int left = bounds.left(), top = bounds.top(), right = bounds.right(), bottom = bounds.bottom();
    for (const QItemSelectionRange& range : selection) {
      left = std::min(left, range.left());
      top = std::min(top, range.top());
      right = std::max(right, range.right());
      bottom = std::max(bottom, range.bottom());
    }
    grid.SetSelectionAndCurrent({left + 1, top + 1, right + 1, bottom + 1}, current.column() + 1, current.row() + 1);
  }
  UpdateStatusPanels();
}

void TTabulo::SyncViewFromDocument() {
  const TableDocument& grid = m_document.grid;
  if (m_model->rowCount() == 0 || m_model->columnCount() == 0) return;
  QItemSelectionModel* selection = SGCSV->selectionModel();
  const QModelIndex current = m_model->index(grid.Row() - 1, grid.Col() - 1);
  const TGridRect& rect = grid.Selection();
  const QItemSelection range(m_model->index(rect.Top - 1, rect.Left - 1), m_model->index(rect.Bottom - 1, rect.Right - 1));
  const QSignalBlocker blocker(selection);
  selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  selection->select(range, QItemSelectionModel::ClearAndSelect);
  SGCSV->viewport()->update();
  SGCSV->scrollTo(current);
  UpdateStatusPanels();
}

}  // namespace tabulo::ui
