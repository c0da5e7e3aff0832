// Merging data from another file into the table by key.

#include <optional>
#include <system_error>

#include "core/rows/Merge.h"
#include "core/rows/MergeSource.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/CsvFileFilter.h"
#include "ui/app/EncodingNames.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/rows/THeigouForm.h"

namespace tabulo::ui {

void TTabulo::mmHeigouClick() {
  SyncDocumentFromView();
  platform::FileDialogOptions dialog;
  dialog.title = "他ファイルとのデータの併合";
  dialog.defaultExtension = "csv";
  dialog.filter = kCsvFilter;
  std::error_code noFolder;  // a working folder that is gone leaves the dialog to choose
  dialog.initialFolder = std::filesystem::current_path(noFolder);
  dialog.mustExist = true;
  platform::FileDialogChoice encoding = EncodingList();
  dialog.choice = &encoding;
  const std::vector<std::filesystem::path> files = m_services.fileDialogs.Open(dialog);
  if (files.empty()) return;
  repaint();

  std::optional<MergeSource> other;
  if (!RunCommand(m_services.prompter, [&] {
        BusyCursor busy;
        other = MergeSource::Read(files.front(), m_document.grid.Encoding().encoding, OpenEncodingAt(encoding.chosen));
      })) {
    return;
  }
  MergeOptions options;
  const QString fileName = QString::fromStdString(std::filesystem::absolute(files.front()).string());
  if (!AskMerge(this, m_services, m_document.grid, *other, fileName, options)) return;

  int count = 0;
  const bool done = RunEdit("併合", [&] {
    BusyCursor busy;
    SuspendedUpdates frozen(SGCSV);
    count = MergeRows(m_document.grid, *other, options, m_progress.get());
  });
  if (!done) return;
  if (count == 0) {
    m_services.prompter.Ask(MessageId::MergeNoMatch);
  } else {
    m_services.prompter.Ask(MessageId::MergeRowsChanged, {std::to_string(count)});
  }
}

}  // namespace tabulo::ui
