// Opening fixed-length files: the open dialog and the import dialog.

#include "core/document/DocumentOperations.h"
#include "core/fixed/FixedFieldCnf.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/fixed/TFormFixedOpen.h"

namespace tabulo::ui {

void TTabulo::mmFixOpenClick() {
  platform::FileDialogOptions dialog;
  dialog.title = "固定長ファイルのオープン";
  dialog.filter = "全てのファイル(*.*)|*.*";
  dialog.mustExist = true;
  dialog.initialFolder = m_fixedHistory.empty() || m_fixedHistory[0].empty()
                             ? m_files.documentsFolder
                             : std::filesystem::path(m_fixedHistory[0]);
  const std::vector<std::filesystem::path> files = m_services.fileDialogs.Open(dialog);
  if (files.empty()) return;
  repaint();
  OpenFixedFile(files.front());
  SGCSV->setFocus();
}

void TTabulo::OpenFixedFile(const std::filesystem::path& path) {
  SyncDocumentFromView();
  if (InputMode()) SetInputMode(false);
  const std::filesystem::path folder =
      m_files.fixedDefinitions.empty() ? FixedDefinitionFolder() : m_files.fixedDefinitions;
  std::string name;
  bool imported = false;
  RunCommand(m_services.prompter, [&] {
    imported = AskFixedImport(this, m_services, m_document, path, folder, SGCSV, name);
  });
  if (!imported) {
    ResetView();  // a cancelled dialog may have replaced the print layout, nothing else
    return;
  }
  BusyCursor busy;
  RenumberRows(m_document.grid);
  m_document.FixedDefinitionActive = true;
  m_document.FixedDefinitionName = name;
  m_document.FixedDefinitionFolder = folder;
  SetDocumentFile(path, true);
  ResetView();
  UpdateCommandStates();
}

}  // namespace tabulo::ui
