// The one way commands change the document (as steps of its history), and
// undo and redo of those steps.

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include "core/document/EditTransaction.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {
namespace {

constexpr const char* kUndoCaption = "元に戻す";
constexpr const char* kRedoCaption = "やり直し";

// "元に戻す: 貼り付け(&U)", or "元に戻す(&U)" when there is nothing to name.
QString StepItemCaption(const char* verb, const std::string& step, char accelerator) {
  QString caption = QString::fromUtf8(verb);
  if (!step.empty()) caption += ": " + QString::fromStdString(step);
  return caption + "(&" + accelerator + ")";
}

}  // namespace

bool TTabulo::RunEdit(const char* caption, const std::function<void()>& command) {
  SyncDocumentFromView();
  return RunEditAsSynced(caption, command);
}

bool TTabulo::RunEditAsSynced(const char* caption, const std::function<void()>& command) {
  ChangeRecord changes;
  const bool done = RunCommand(m_services.prompter, [&] {
    EditTransaction edit(m_document.grid, caption);
    command();
    changes = edit.Commit();
  });
  if (done) {
    ShowChanges(changes);
  } else {
    ResetView();  // whatever the command showed on its way is taken back
  }
  SyncViewFromDocument();
  UpdateCommandStates();
  return done;
}

void TTabulo::ShowChanges(const ChangeRecord& changes) {
  if (changes.shapeChanged) {
    ResetView();
    return;
  }
  if (changes.headersChanged) {
    m_model->HeadersChanged();
    ApplyColumnWidths();
    SGCSV->viewport()->update();
  }
  if (changes.CellsChanged()) m_model->RowsChanged(changes.firstRow, changes.lastRow);
}

void TTabulo::mmUndoClick() {
  if (QLineEdit* box = FocusedTextBox()) return box->undo();
  if (QLineEdit* editor = OpenCellEditor()) return editor->undo();
  if (!m_document.grid.History().CanUndo()) return;
  ChangeRecord changes;
  RunCommand(m_services.prompter, [&] {
    BusyCursor busy;
    changes = m_document.grid.Undo();
  });
  ShowChanges(changes);
  SyncViewFromDocument();
  // The place that changed comes into sight, with the cursor as it was.
  if (changes.CellsChanged()) {
    SGCSV->scrollTo(m_model->index(changes.firstRow - 1, changes.firstCol - 1));
  } else if (changes.focusRow > 0 && changes.focusCol > 0) {
    SGCSV->scrollTo(m_model->index(changes.focusRow - 1, changes.focusCol - 1));
  }
  UpdateCommandStates();
}

void TTabulo::mmRedoClick() {
  if (QLineEdit* box = FocusedTextBox()) return box->redo();
  if (QLineEdit* editor = OpenCellEditor()) return editor->redo();
  if (!m_document.grid.History().CanRedo()) return;
  ChangeRecord changes;
  RunCommand(m_services.prompter, [&] {
    BusyCursor busy;
    changes = m_document.grid.Redo();
  });
  ShowChanges(changes);
  SyncViewFromDocument();
  if (changes.CellsChanged()) SGCSV->scrollTo(m_model->index(changes.firstRow - 1, changes.firstCol - 1));
  UpdateCommandStates();
}

void TTabulo::UpdateUndoItems() {
  const EditHistory& history = m_document.grid.History();
  mmUndo->setText(StepItemCaption(kUndoCaption, history.UndoCaption(), 'U'));
  mmRedo->setText(StepItemCaption(kRedoCaption, history.RedoCaption(), 'Y'));
  mmUndo->setEnabled(history.CanUndo());
  mmRedo->setEnabled(history.CanRedo());
  BtnUndo->setEnabled(history.CanUndo());
  BtnRedo->setEnabled(history.CanRedo());
}

bool TTabulo::DocumentModified() const { return m_document.grid.History().Modified() || m_widthsChanged; }

}  // namespace tabulo::ui
