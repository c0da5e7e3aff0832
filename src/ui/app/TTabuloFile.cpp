// The file commands: new, open, append, save as, overwrite save, histories.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>

#include "core/base/FileIo.h"
#include "core/document/CsvOpen.h"
#include "core/document/DocumentOperations.h"
#include "core/document/DocumentWriter.h"
#include "core/document/EncodingConversion.h"
#include "core/locale/CaseMapping.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/CsvFileFilter.h"
#include "ui/app/EncodingNames.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/ProgressBarSink.h"
#include "ui/app/TTabulo.h"
#include "ui/app/TitleQuestionPrompter.h"
#include "ui/document/TSaveOption.h"

namespace tabulo::ui {
namespace {

constexpr std::size_t kHistoryMenuItems = 21;

bool SamePath(const std::string& a, const std::string& b) { return UpperCase(a) == UpperCase(b); }

// The open and append dialogs differ only in their title and in taking several files.
platform::FileDialogOptions CsvOpenDialog(const char* title, bool multiple, const FileHistory& history,
                                          const std::filesystem::path& fallbackFolder,
                                          platform::FileDialogChoice& encoding) {
  platform::FileDialogOptions options;
  options.choice = &encoding;
  options.title = title;
  options.defaultExtension = "csv";
  options.filter = kCsvFilter;
  options.initialFolder = history.empty() ? fallbackFolder : std::filesystem::path(history[0]);
  options.mustExist = true;
  options.multiple = multiple;
  return options;
}

}  // namespace

void TTabulo::btnNewFileClick() {
  if (mmNewWindow->isChecked() || m_narrowed) {
    m_services.processes.StartNewInstance({});
    return;
  }
  RunCommand(m_services.prompter, [this] {
    NewDocument(m_document, m_progress.get());
    m_widthsChanged = false;
    m_documentFile = m_files.documentsFolder / "NewFile.csv";
    setWindowTitle("Tabulo - NewFile.csv");
    m_panels[5]->setText(QString::fromStdString(m_documentFile.string()));
    ResetView();
    UpdateCommandStates();
  });
}

void TTabulo::btnFileOpenClick() {
  platform::FileDialogChoice encoding = EncodingList();
  const auto files = m_services.fileDialogs.Open(
      CsvOpenDialog("CSVファイルのオープン", false, m_csvHistory, m_files.documentsFolder, encoding));
  if (files.empty()) return;
  repaint();
  if (m_narrowed) {
    m_services.processes.StartNewInstance(files.front());
  } else {
    OpenCsvFile(files.front(), OpenEncodingAt(encoding.chosen));
    SGCSV->setFocus();
  }
}

void TTabulo::OpenCsvFile(const std::filesystem::path& path, EncodingChoice encoding) {
  BusyCursor busy;
  if (InputMode()) SetInputMode(false);
  std::unique_ptr<InputFile> file;
  if (!RunCommand(m_services.prompter, [&] { file = std::make_unique<InputFile>(path); })) return;
  TitleQuestionPrompter prompter(m_services.prompter, [this] { ShowRowsBeforeTitleQuestion(); });
  const bool opened = RunCommand(m_services.prompter, [&] {
    const OpenResult result = LoadCsvDocument(m_document, *file, path, mmLine1Title->isChecked(), prompter,
                                              m_progress.get(), encoding);
    if (!result.sideFileRead) FitColumnWidths(false);
    SetDocumentFile(path, false);
  });
  if (!opened) {
    // The text was only partly read: it must not be saved over any file by
    // mistake, so it stays as a new document.
    RenumberRows(m_document.grid);
    m_documentFile = m_files.documentsFolder / "NewFile.csv";
    m_panels[5]->setText(QString::fromStdString(m_documentFile.string()));
    setWindowTitle("Tabulo - NewFile.csv");
  }
  ResetView();
  UpdateCommandStates();
}

void TTabulo::mmAppendFileClick() {
  platform::FileDialogChoice encoding = EncodingList();
  const auto files = m_services.fileDialogs.Open(
      CsvOpenDialog("CSVファイルの追加読込", true, m_csvHistory, m_files.documentsFolder, encoding));
  if (files.empty()) return;
  repaint();
  // Every file appended, with the rows of one that failed midway, is one step.
  RunEdit("追加読込", [&] {
    BusyCursor busy;
    for (std::size_t i = 0; i < files.size(); ++i) {
      try {
        // Each file's text is put into the document's encoding.
        LoadTextIntoGrid(files[i], m_document.grid, false, m_services.prompter, m_progress.get(),
                         OpenEncodingAt(encoding.chosen));
      } catch (const std::exception&) {
        // After the last file there is nothing left to go on with.
        const bool last = i + 1 == files.size();
        const Answer answer = m_services.prompter.Ask(
            last ? MessageId::AppendFailed : MessageId::AppendFailedContinueQuestion, {files[i].string()});
        if (last || answer != Answer::Yes) break;
      }
    }
    RenumberRows(m_document.grid);
  });
  SGCSV->setFocus();
}

void TTabulo::btnFileSaveAsClick() { SaveDocumentAs(); }

bool TTabulo::SaveDocumentAs() {
  SyncDocumentFromView();
  std::filesystem::path fileName = m_documentFile;
  SaveOptions chosen;
  FileEncoding encoding = m_document.grid.Encoding();
  if (!AskSaveOptions(this, m_services, fileName, m_saveOptions, chosen, encoding)) return false;
  if (!ChangeEncoding(encoding)) return false;
  return RunCommand(m_services.prompter, [&] {
    BusyCursor busy;
    WriteDocument(m_document, fileName, chosen, m_progress.get(), m_documentFile);
    m_document.grid.MarkSaved();
    SetDocumentFile(fileName, false);
  });
}

bool TTabulo::ChangeEncoding(const FileEncoding& target) {
  TableDocument& grid = m_document.grid;
  if (target == grid.Encoding()) return true;
  bool replaceLost = false;
  if (target.encoding != grid.Encoding().encoding) {
    UnconvertibleCells lost;
    if (!RunCommand(m_services.prompter, [&] {
          BusyCursor busy;
          lost = FindUnconvertibleCells(grid, target.encoding);
        })) {
      return false;
    }
    if (lost.count > 0) {
      const std::string count = std::to_string(lost.count);
      const std::string name = EncodingName(target).toStdString();
      if (m_services.prompter.Ask(MessageId::EncodingLossQuestion, {count, name, PositionsText(lost)}) != Answer::Yes) {
        return false;
      }
      replaceLost = true;
    }
  }
  // One step: undoing it gives back the cells and the encoding they were in.
  return RunEdit("エンコードの変更", [&] {
    BusyCursor busy;
    ConvertDocumentEncoding(grid, target, replaceLost);
  });
}

void TTabulo::mmFileSaveClick() {
  SyncDocumentFromView();
  // Writing delimited text over the fixed-length file it came from would
  // lose that file: the table goes to a file the user names instead.
  if (!m_fixedSourceFile.empty() && SameFile(m_documentFile, m_fixedSourceFile)) {
    SaveDocumentAs();
    return;
  }
  RunCommand(m_services.prompter, [this] {
    BusyCursor busy;
    WriteDocument(m_document, m_documentFile, m_saveOptions, m_progress.get(), m_documentFile);
    m_document.grid.MarkSaved();
    m_widthsChanged = false;
  });
  UpdateUndoItems();
}

void TTabulo::AskSaveAndOpen(const std::filesystem::path& path) {
  raise();
  activateWindow();
  // With nothing changed since the last save there is nothing to ask about.
  const Answer answer = DocumentModified() ? m_services.prompter.Ask(MessageId::SaveBeforeOpenQuestion) : Answer::No;
  if (answer == Answer::Cancel) return;
  // The edits must not be lost: the other file opens only once they are saved.
  if (answer == Answer::Yes && !SaveDocumentAs()) return;
  OpenCsvFile(path);
  SGCSV->setFocus();
}

void TTabulo::SetDocumentFile(const std::filesystem::path& path, bool fixed) {
  m_widthsChanged = false;  // the widths are as the file was read or saved with them
  const std::string name = path.filename().string();
  setWindowTitle(QString::fromStdString((fixed ? "VuridArare - " : "Tabulo - ") + name));
  FileHistory& history = fixed ? m_fixedHistory : m_csvHistory;
  m_fixedSourceFile = fixed ? path : std::filesystem::path();
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) {
    const std::string entry = path.string();
    if (history.empty()) history.emplace_back();
    for (std::size_t i = 1; i < history.size(); ++i) {
      if (SamePath(history[i], entry)) {
        history.erase(history.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
    history.insert(history.begin() + 1, entry);
    history[0] = path.parent_path().string() + "/";
    QDir::setCurrent(QString::fromStdString(path.parent_path().string()));
  }
  RebuildHistoryMenu(fixed ? mmFixedHistorys : mmCsvHistorys, history, fixed);
  m_documentFile = path;
  m_panels[5]->setText(QString::fromStdString(path.string()));
  UpdateCommandStates();
}

void TTabulo::RebuildHistoryMenu(QMenu* menu, const FileHistory& history, bool fixed) {
  menu->clear();
  for (std::size_t i = 1; i < history.size() && static_cast<std::size_t>(menu->actions().size()) < kHistoryMenuItems; ++i) {
    if (history[i].empty()) continue;
    const std::filesystem::path path = history[i];
    QAction* item = menu->addAction(QString::fromStdString(history[i]));
    connect(item, &QAction::triggered, this, [this, path, fixed] { HistoryItemClick(path, fixed); });
  }
  menu->menuAction()->setVisible(!menu->isEmpty());
}

void TTabulo::HistoryItemClick(const std::filesystem::path& path, bool fixed) {
  if (fixed) {
    OpenFixedFile(path);
  } else {
    OpenCsvFile(path);
  }
}

}  // namespace tabulo::ui
