// The find bar, jumps and whole-row, column and table selections.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {
namespace {

constexpr std::size_t kFindHistoryLimit = 25;

void SetBlueWhen(QWidget* widget, bool blue) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, blue ? QColor(0, 0, 255) : widget->style()->standardPalette().color(QPalette::ButtonText));
  palette.setColor(QPalette::ButtonText, palette.color(QPalette::WindowText));
  widget->setPalette(palette);
}

}  // namespace

void TTabulo::CBFindTextChange() { BtnFind->setEnabled(!CBFindText->currentText().isEmpty()); }

void TTabulo::UpdateFindColours() {
  SetBlueWhen(CBFindCase, CBFindCase->isChecked());
  SetBlueWhen(RBFindUp, RBFindUp->isChecked());
  SetBlueWhen(RBFindDown, RBFindDown->isChecked());
}

void TTabulo::mmFindClick() {
  if (PanelFind->isHidden()) {
    m_services.prompter.Beep(Sound::Question);
    ShowBar(PanelFind, mmShowPanelFind, true);
    CBFindText->setFocus();
    return;
  }
  const QString typed = CBFindText->currentText();
  if (typed.isEmpty()) return;
  std::string pattern;
  if (!RunCommand(m_services.prompter, [&] { pattern = StoredText(m_document.grid, typed); })) return;
  // The history is kept in the settings as code page 932 text.
  if (const auto entry = StoredProgramText(typed)) PushHistoryEntry(m_findHistory, *entry, kFindHistoryLimit);
  {
    const QSignalBlocker blocker(CBFindText);
    CBFindText->clear();
    for (const std::string& entry : m_findHistory) CBFindText->addItem(ShownProgramText(entry));
    CBFindText->setCurrentIndex(0);
  }
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const FindOptions options{RBFindDown->isChecked(), CBFindCase->isChecked()};
  std::optional<CellPos> found;
  {
    BusyCursor busy;
    found = FindInGrid(grid, pattern, {grid.Col(), grid.Row()}, options);
  }
  if (!found) {
    m_services.prompter.Beep(Sound::Default);
    return;
  }
  grid.SetCurrentCell(found->col, found->row);
  SyncViewFromDocument();
}

void TTabulo::mmJumpTopRowClick() {
  SyncDocumentFromView();
  m_document.grid.SetRow(1);
  SyncViewFromDocument();
  SGCSV->scrollToTop();
}

void TTabulo::mmJumpLastRowClick() {
  SyncDocumentFromView();
  m_document.grid.SetRow(m_document.grid.RowCount() - 1);
  SyncViewFromDocument();
  SGCSV->scrollToBottom();
}

void TTabulo::mmJumpRowClick() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const auto answer = m_services.inputBox.Ask(std::string(MessageText(MessageId::JumpTitle)),
                                              std::string(MessageText(MessageId::JumpPrompt)),
                                              std::to_string(grid.Row()));
  if (!answer) return;
  bool ok = false;
  const int row = QString::fromStdString(*answer).trimmed().toInt(&ok);
  // Row 0 would be the title row, which is no place for the cursor.
  if (!ok || row < 1 || row >= grid.RowCount()) {
    m_services.prompter.Ask(MessageId::JumpFailed);
    return;
  }
  grid.SetRow(row);
  SyncViewFromDocument();
  SGCSV->scrollTo(m_model->index(row - 1, grid.Col() - 1), QAbstractItemView::PositionAtTop);
}

void TTabulo::mmSelectAllClick() {
  TableDocument& grid = m_document.grid;
  grid.SetSelection({1, 1, grid.ColCount() - 1, grid.RowCount() - 1});
  SyncViewFromDocument();
}

void TTabulo::mmRowSelectClick() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const TGridRect& rect = grid.Selection();
  grid.SetSelectionAndCurrent({1, rect.Top, grid.ColCount() - 1, rect.Bottom}, grid.Col(), grid.Row());
  SyncViewFromDocument();
}

void TTabulo::mmColSelectClick() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  const TGridRect& rect = grid.Selection();
  grid.SetSelectionAndCurrent({rect.Left, 1, rect.Right, grid.RowCount() - 1}, grid.Col(), grid.Row());
  SyncViewFromDocument();
}

}  // namespace tabulo::ui
