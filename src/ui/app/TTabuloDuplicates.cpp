// Duplicate rows: shown in a narrowed window, or the later rows of each group
// deleted.

#include "core/rows/Duplicates.h"
#include "core/rows/Narrowing.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/rows/TFormDaburi.h"

namespace tabulo::ui {

void TTabulo::mmDaburiClick() {
  SyncDocumentFromView();
  TableDocument& grid = m_document.grid;
  DuplicateRequest request;
  if (!AskDuplicates(this, m_services, grid, request)) return;
  DuplicateGroups groups;
  if (!RunCommand(m_services.prompter, [&] {
        BusyCursor busy;
        groups = FindDuplicateGroups(grid, request.options, !request.deleteLater, m_progress.get());
      })) {
    return;
  }
  if (groups.Empty()) {
    m_services.prompter.Ask(MessageId::DuplicatesNotFound);
    return;
  }

  if (!request.deleteLater) {
    const std::string description = DuplicateKeyDescription(grid, request.options.columns);
    const QString caption = windowTitle() + " →重複行( " + ShownText(grid, description) + " )";
    ShowNarrowed(groups.rows, caption);
    return;
  }

  // Asked before anything is marked, so that No leaves every row label,
  // totals rows' included, as it was.
  const std::vector<int> later = LaterDuplicateRows(groups);
  if (m_services.prompter.Ask(MessageId::DuplicatesDeleteQuestion, {std::to_string(later.size())}) != Answer::Yes) {
    return;
  }
  const bool done = RunEdit("重複行の削除", [&] {
    BusyCursor busy;
    SuspendedUpdates frozen(SGCSV);
    MarkRowsForDeletion(grid, later);
    DeleteMarkedRows(grid, m_progress.get());
  });
  if (done) {
    grid.SetCurrentCell(1, 1);
    SyncViewFromDocument();
    SGCSV->scrollTo(m_model->index(0, 0), QAbstractItemView::PositionAtTop);
  }
}

}  // namespace tabulo::ui
