// Sorting the rows, and the narrowing search: its file output, the narrowed
// window and the write-back of that window's edits.

#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "core/document/DocumentOperations.h"
#include "core/document/EncodingConversion.h"
#include "core/rows/Filter.h"
#include "core/rows/Narrowing.h"
#include "core/rows/Sort.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/rows/TSentakuForm.h"
#include "ui/rows/TSortOption.h"

namespace tabulo::ui {

void TTabulo::btnSortClick() {
  SyncDocumentFromView();
  std::vector<TKeyItem> keys;
  if (!AskSortKeys(this, m_services, m_document.grid, keys)) return;
  RunEditAsSynced("整列", [&] {
    BusyCursor busy;
    SortRows(m_document.grid, keys, m_progress.get());
    RenumberRows(m_document.grid);
  });
}

void TTabulo::btnQueryClick() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  FilterRequest request;
  if (!AskFilter(this, m_services, grid, m_saveOptions, request)) return;
  std::vector<int> rows;
  if (!RunCommand(m_services.prompter, [&] {
        BusyCursor busy;
        rows = FindMatchingRows(grid, request.options, m_progress.get());
      })) {
    return;
  }
  if (rows.empty()) {
    m_services.prompter.Ask(MessageId::FilterNoMatch);
    return;
  }
  if (request.toFile) {
    RunCommand(m_services.prompter, [&] {
      BusyCursor busy;
      WriteFilteredRows(request.file, m_document, rows, request.save);
    });
    return;
  }
  const std::string description = FilterDescription(grid, request.options);
  const QString caption = windowTitle() + " →選択( " + ShownText(grid, description) + " )";
  ShowNarrowed(rows, caption);
}

bool TTabulo::ShowNarrowed(const std::vector<int>& rows, const QString& caption) {
  Document narrowed;
  {
    BusyCursor busy;
    narrowed.grid = MakeNarrowedGrid(m_document.grid, rows);
    narrowed.printInfo = m_document.printInfo;
  }
  TTabulo window(m_services, m_files, std::move(narrowed), this);
  window.BecomeNarrowed(caption, *this);
  hide();
  m_services.prompter.Ask(MessageId::FilterRowsExtracted, {std::to_string(rows.size())});
  const bool writeBack = window.RunNarrowed();
  show();
  if (!writeBack) return false;

  // The bars' history, the font and the row height come back first; the
  // columns and rows as one step of this document's history.
  m_calcHistory = window.m_calcHistory;
  SetCalcHistory(m_calcHistory);
  if (!(window.m_gridFont == m_gridFont)) {
    m_gridFont = window.m_gridFont;
    SetGridFont(GridQFont(m_gridFont));
  }
  if (window.Grid().DefaultRowHeight() != m_document.grid.DefaultRowHeight()) {
    SetRowHeights(window.Grid().DefaultRowHeight());
  }
  const bool done = RunEdit("絞り込み", [&] {
    BusyCursor busy;
    SuspendedUpdates frozen(SGCSV);
    // A narrowed window saved in the other encoding holds its texts in that
    // one: they come back in this document's.
    if (window.Grid().Encoding().encoding != m_document.grid.Encoding().encoding) {
      ConvertDocumentEncoding(window.Grid(), m_document.grid.Encoding(), true);
    }
    WriteBackNarrowed(m_document.grid, window.Grid(), rows, m_progress.get());
    DeleteMarkedRows(m_document.grid, m_progress.get());
  });
  if (done) {
    m_document.grid.SetCurrentCell(1, 1);
    SyncViewFromDocument();
    SGCSV->scrollTo(m_model->index(0, 0), QAbstractItemView::PositionAtTop);
  }
  return done;
}

void TTabulo::BecomeNarrowed(const QString& caption, const TTabulo& source) {
  m_narrowed = true;
  setWindowTitle(caption);
  m_documentFile.clear();
  m_panels[5]->setText(QString());
  BtnClose->setToolTip("絞り込みを解除します。");
  BtnClose->setStatusTip(BtnClose->toolTip());
  mmSentakuOff->setVisible(true);
  mmSentakuOff->setEnabled(true);
  m_gridFont = source.m_gridFont;
  SetGridFont(GridQFont(m_gridFont));
  SetRowHeights(source.m_document.grid.DefaultRowHeight());
  m_calcHistory = source.m_calcHistory;
  SetCalcHistory(m_calcHistory);
  btnClearCalcLine->setEnabled(false);
  m_saveOptions = source.m_saveOptions;
  resize(source.size());
  UpdateCommandStates();
}

bool TTabulo::RunNarrowed() {
  setWindowModality(Qt::ApplicationModal);
  m_writeBack = false;
  QEventLoop loop;
  connect(this, &TTabulo::NarrowedClosed, &loop, &QEventLoop::quit);
  show();
  SGCSV->setFocus();
  loop.exec();
  hide();
  return m_writeBack;
}

bool TTabulo::NarrowedCloseQuery() {
  switch (m_services.prompter.Ask(MessageId::NarrowedWriteBackQuestion)) {
    case Answer::Cancel: return false;
    case Answer::Yes: m_writeBack = true; return true;
    default: m_writeBack = false; return true;
  }
}

void TTabulo::mmSentakuOffClick() {
  if (m_narrowed) close();
}

}  // namespace tabulo::ui
