// Copy, cut, clear and paste of the selection, their routing to an open
// editor or a focused text box, and the grid popup.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

#include "core/calc/Aggregation.h"
#include "core/editing/RangeOps.h"
#include "core/locale/TextConverter.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {
namespace {

bool IsSingleCell(const TGridRect& r) { return r.Left == r.Right && r.Top == r.Bottom; }

}  // namespace

QLineEdit* TTabulo::FocusedTextBox() const {
  for (QComboBox* box : {CBFindText, CBCalcLine}) {
    if (box->lineEdit() != nullptr && box->lineEdit()->hasFocus()) return box->lineEdit();
  }
  return nullptr;
}

QLineEdit* TTabulo::OpenCellEditor() const {
  return SGCSV->Editing() ? SGCSV->viewport()->findChild<QLineEdit*>() : nullptr;
}

void TTabulo::CopySelection() {
  BusyCursor busy;
  const std::string text = CopyRangeText(m_document.grid, m_document.grid.Selection(), m_progress.get());
  const TextEncoding encoding = m_document.grid.Encoding().encoding;
  m_services.clipboard.SetCells(TextConverter(encoding).ToUtf16(text), text, encoding);
}

void TTabulo::mmCopyClick() {
  if (QLineEdit* box = FocusedTextBox()) return box->copy();
  if (QLineEdit* editor = OpenCellEditor()) return editor->copy();
  SyncDocumentFromView();
  RunCommand(m_services.prompter, [this] { CopySelection(); });
}

void TTabulo::mmCutClick() {
  if (QLineEdit* box = FocusedTextBox()) return box->cut();
  if (QLineEdit* editor = OpenCellEditor()) return editor->cut();
  RunEdit("切り取り", [this] {
    CopySelection();
    BusyCursor busy;
    ClearRange(m_document.grid, m_document.grid.Selection(), m_progress.get());
  });
}

void TTabulo::mmClearClick() {
  if (QLineEdit* box = FocusedTextBox()) return box->del();
  if (QLineEdit* editor = OpenCellEditor()) return editor->del();
  RunEdit("クリアー", [this] {
    BusyCursor busy;
    ClearRange(m_document.grid, m_document.grid.Selection(), m_progress.get());
  });
}

void TTabulo::mmPasteClick(int tag) {
  if (QLineEdit* box = FocusedTextBox()) return box->paste();
  if (QLineEdit* editor = OpenCellEditor()) return editor->paste();
  // Cells copied in Tabulo paste as the bytes they were when both documents
  // have one encoding; text from other programs is converted.
  const TextEncoding encoding = m_document.grid.Encoding().encoding;
  const std::optional<std::string> cells = m_services.clipboard.Cells(encoding);
  const std::optional<std::u16string> clipboard = cells ? std::nullopt : m_services.clipboard.Text();
  if (!cells && !clipboard) return;
  const char* const captions[] = {"貼り付け", "後ろに貼り付け", "前に貼り付け"};
  RunEdit(captions[std::clamp(tag, 0, 2)], [&] {
    PasteIntoGrid(static_cast<PasteMode>(tag), cells ? *cells : TextConverter(encoding).FromUtf16(*clipboard));
  });
}

void TTabulo::PasteIntoGrid(PasteMode mode, const std::string& text) {
  TableDocument& grid = m_document.grid;
  const TGridRect selection = grid.Selection();
  if (!IsSingleCell(selection)) {
    BusyCursor busy;
    PasteRange(grid, text, selection, mode, m_progress.get());
    return;
  }
  const PastePlan plan = PlanSingleCellPaste(grid, text, selection.Left, selection.Top, m_narrowed);
  switch (plan.kind) {
    case PastePlan::Kind::IntoCell: break;
    case PastePlan::Kind::Grow: {
      const MessageId question = plan.rowsShort && plan.columnsShort ? MessageId::PasteExceedsRowsAndColumns
                                 : plan.rowsShort                    ? MessageId::PasteExceedsRows
                                                                     : MessageId::PasteExceedsColumns;
      const Answer answer = m_services.prompter.Ask(question);
      if (answer == Answer::Cancel) return;
      if (answer == Answer::Yes) GrowForPaste(grid, plan);
      break;
    }
    case PastePlan::Kind::Confirm: {
      grid.SetSelection(plan.covered);
      SyncViewFromDocument();
      const Answer answer = m_services.prompter.Ask(MessageId::PasteConfirmUpdate);
      grid.SetSelection(selection);
      SyncViewFromDocument();
      if (answer != Answer::Ok) return;
      break;
    }
  }
  BusyCursor busy;
  PasteRange(grid, text, selection, mode, m_progress.get());
}

void TTabulo::CreateGridMenu() {
  GridMenu = new QMenu(this);
  GridMenu->setObjectName("GridMenu");
  const auto add = [this](const char* name, const QString& caption) {
    QAction* item = GridMenu->addAction(caption);
    item->setObjectName(name);
    return item;
  };
  pmCopy = add("pmCopy", "コピー");
  pmCut = add("pmCut", "切り抜き");
  pmClear = add("pmClear", "クリアー");
  pmPaste = add("pmPaste", "貼り付け");
  pmPasteAdd = add("pmPasteAdd", "後ろに張り付け");
  pmPastePre = add("pmPastePre", "前に張り付け");
  pmUndo = add("pmUndo", "元に戻す");
  pmUndo->setShortcut(QKeySequence("Ctrl+Z"));
  GridMenu->addSeparator();
  pmRowSelect = add("pmRowSelect", "行選択");
  pmColSelect = add("pmColSelect", "列選択");
  pmSelectAll = add("pmSelectAll", "全選択");
  GridMenu->addSeparator();
  pmDelCalcRow = add("pmDelCalcRow", "集計行削除");
  GridMenu->addSeparator();
  pmColWidthAll = add("pmColWidthAll", "列幅の調節　（全列）");
  pmColWidthSelected = add("pmColWidthSelected", "列幅の調節　（選択された列）");
  connect(pmCopy, &QAction::triggered, this, &TTabulo::mmCopyClick);
  connect(pmCut, &QAction::triggered, this, &TTabulo::mmCutClick);
  connect(pmClear, &QAction::triggered, this, &TTabulo::mmClearClick);
  connect(pmPaste, &QAction::triggered, this, [this] { mmPasteClick(0); });
  connect(pmPasteAdd, &QAction::triggered, this, [this] { mmPasteClick(1); });
  connect(pmPastePre, &QAction::triggered, this, [this] { mmPasteClick(2); });
  connect(pmUndo, &QAction::triggered, this, [this] {
    if (QLineEdit* editor = OpenCellEditor()) editor->undo();
  });
  connect(pmRowSelect, &QAction::triggered, this, &TTabulo::mmRowSelectClick);
  connect(pmColSelect, &QAction::triggered, this, &TTabulo::mmColSelectClick);
  connect(pmSelectAll, &QAction::triggered, this, &TTabulo::mmSelectAllClick);
  connect(pmDelCalcRow, &QAction::triggered, this, &TTabulo::pmDelCalcRowClick);
  connect(pmColWidthAll, &QAction::triggered, this, &TTabulo::mmColWidthClick);
  connect(pmColWidthSelected, &QAction::triggered, this, [this] {
    SyncDocumentFromView();
    RunCommand(m_services.prompter, [this] { FitColumnWidths(true); });
  });
}

void TTabulo::UpdateGridMenu() {
  // The table grid is always editable; only copying is ever offered alone.
  const bool editorOpen = OpenCellEditor() != nullptr;
  const bool canPaste = m_services.clipboard.Text().has_value();
  pmCopy->setEnabled(true);
  pmCut->setEnabled(true);
  pmClear->setEnabled(true);
  pmPaste->setEnabled(canPaste);
  pmPasteAdd->setEnabled(canPaste && !editorOpen);
  pmPastePre->setEnabled(canPaste && !editorOpen);
  pmUndo->setVisible(editorOpen);
  pmUndo->setEnabled(editorOpen);
  const bool editMode = !InputMode();
  for (QAction* item : {pmRowSelect, pmColSelect, pmSelectAll}) item->setEnabled(editMode);
}

void TTabulo::pmDelCalcRowClick() {
  RunEdit("集計行削除", [this] {
    BusyCursor busy;
    SuspendedUpdates frozen(SGCSV);
    DeleteTotalsRows(m_document.grid);
  });
}

void TTabulo::ShowGridMenu(const QPoint& at) {
  UpdateGridMenu();
  GridMenu->popup(SGCSV->viewport()->mapToGlobal(at));
}

}  // namespace tabulo::ui
