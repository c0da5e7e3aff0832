// The window's start and end: creation, the start file, settings and
// histories, the close questions, dropped files.

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "core/app/SettingsLocation.h"
#include "core/app/TabuloCnf.h"
#include "core/base/Errors.h"
#include "core/document/DocumentOperations.h"
#include "core/fixed/FixedFieldCnf.h"
#include "core/print/PrintFormatFile.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/print/QtPrinterSystem.h"
#include "ui/print/paint/GlyphWidths.h"

namespace tabulo::ui {
namespace {

std::string HistoryText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

WindowFiles DefaultWindowFiles() {
  WindowFiles files;
  files.documentsFolder = QDir::homePath().toStdString();
  try {
    files.settings = SettingsFilePath();
    files.csvHistory = CsvHistoryPath();
    files.fixedHistory = FixedHistoryPath();
    files.fixedDefinitions = FixedDefinitionFolder();
    files.printFormats = PrintFormatFolder();
  } catch (const FileError&) {
    // Without a home folder nothing is kept between runs; the window works the same.
  }
  return files;
}

TTabulo::TTabulo(platform::Services services, WindowFiles files, QWidget* parent)
    : TTabulo(services, std::move(files), std::nullopt, parent) {}

TTabulo::TTabulo(platform::Services services, WindowFiles files, Document document, QWidget* parent)
    : TTabulo(services, std::move(files), std::optional<Document>(std::move(document)), parent) {}

TTabulo::TTabulo(platform::Services services, WindowFiles files, std::optional<Document> document, QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_files(std::move(files)),
      m_document(document ? std::move(*document) : Document()) {
  setObjectName("TTabulo");
  setAttribute(Qt::WA_DeleteOnClose, false);
  CreateLayout();
  ConnectEvents();
  FormCreate(!document);  // `document` stays engaged once its value has moved
}

TTabulo::~TTabulo() {
  // The widgets outlive the document (they go with the QWidget base): they
  // must not ask the model for cells while the window is torn down.
  SGCSV->setModel(nullptr);
}

void TTabulo::FormCreate(bool newDocument) {
  setAcceptDrops(true);
  m_enterDirection = EnterDirection::Right;
  m_gridFont = {std::string(kDefaultGridFontName), kDefaultGridFontCharset, kDefaultGridFontSize, 0};
  SetGridFont(GridQFont(m_gridFont));
  // The PDF printer is always there, so list printing never lacks a printer
  // and the start needs no look at the desktop's printers.
  m_printers = std::make_unique<QtPrinterSystem>();
  m_printerAvailable = true;

  // Histories: a list that cannot be read becomes the documents folder alone.
  const std::string folder = m_files.documentsFolder.string() + "/";
  const auto csv = m_files.csvHistory.empty() ? std::nullopt : LoadFileHistory(m_files.csvHistory);
  m_csvHistory = csv ? *csv : FileHistory{folder};
  const auto fixed = m_files.fixedHistory.empty() ? std::nullopt : LoadFileHistory(m_files.fixedHistory);
  m_fixedHistory = fixed ? *fixed : FileHistory{folder};
  if (m_csvHistory.empty()) m_csvHistory.push_back(folder);
  if (m_fixedHistory.empty()) m_fixedHistory.push_back(folder);
  RebuildHistoryMenu(mmCsvHistorys, m_csvHistory, false);
  RebuildHistoryMenu(mmFixedHistorys, m_fixedHistory, true);

  TTabuloCnf settings;
  const bool loaded = !m_files.settings.empty() && settings.Load(m_files.settings);
  if (!RunCommand(m_services.prompter, [&] { ApplySettings(settings, loaded); })) {
    m_services.prompter.Ask(MessageId::SettingsReadFailed);
  }

  if (newDocument) NewDocument(m_document);
  m_documentFile = m_files.documentsFolder / "NewFile.csv";
  setWindowTitle("Tabulo - NewFile.csv");
  ResetView();
  UpdateCommandStates();
}

void TTabulo::ApplySettings(const TTabuloCnf& settings, bool loaded) {
  if (loaded) {
    if (!settings.FontName.empty()) {
      m_gridFont.name = settings.FontName;
      m_gridFont.charset = settings.FontCharset;
    }
    if (settings.FontSize > 0) m_gridFont.size = settings.FontSize;
    m_gridFont.style = settings.FontStyle;
    SetGridFont(GridQFont(m_gridFont));
    if (settings.RowHeight > 0) m_document.grid.SetDefaultRowHeight(settings.RowHeight);
    FitRowHeightToFont();
    mmLine1Title->setChecked(settings.AskTitleRow);
    mmCloseMsg->setChecked(settings.AskOnClose);
    mmNewWindow->setChecked(settings.NewWindow);
    mmWindowPos->setChecked(settings.KeepWindowPos);
    if (settings.KeepWindowPos) {
      if (settings.WindowState == 1) {
        setWindowState(Qt::WindowMinimized);
      } else if (settings.WindowState == 2) {
        setWindowState(Qt::WindowMaximized);
      } else {
        const WindowRect& r = settings.WindowBounds;
        if (r.Right > r.Left && r.Bottom > r.Top) setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      }
    }
    ShowBar(PanelToolBar, mmSHowToolBar, settings.ShowToolBar);
    ShowBar(PanelCalc, mmShowPanelCalc, settings.ShowCalcBar);
    ShowBar(PanelFind, mmShowPanelFind, settings.ShowFindBar);
    ShowBar(statusBar(), mmShowStatusBar, settings.ShowStatusBar);
    SetCalcHistory(ParseHistoryText(settings.CalcHistory));
    m_findHistory = ParseHistoryText(settings.FindHistory);
    CBFindText->clear();
    for (const std::string& entry : m_findHistory) CBFindText->addItem(ShownProgramText(entry));
    CBFindText->setCurrentIndex(-1);
  }
  m_saveOptions = settings.SaveOptions;
}

TTabuloCnf TTabulo::CollectSettings() const {
  TTabuloCnf settings;
  settings.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
  const QRect bounds = geometry();
  settings.WindowBounds = {bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()};
  settings.RowHeight = m_document.grid.DefaultRowHeight();
  settings.FontName = m_gridFont.name;
  settings.FontCharset = static_cast<std::uint8_t>(m_gridFont.charset);
  settings.FontSize = m_gridFont.size;
  settings.FontStyle = static_cast<std::uint8_t>(m_gridFont.style);
  settings.AskTitleRow = mmLine1Title->isChecked();
  settings.AskOnClose = mmCloseMsg->isChecked();
  settings.NewWindow = mmNewWindow->isChecked();
  settings.KeepWindowPos = mmWindowPos->isChecked();
  settings.ShowToolBar = mmSHowToolBar->isChecked();
  settings.ShowCalcBar = mmShowPanelCalc->isChecked();
  settings.ShowFindBar = mmShowPanelFind->isChecked();
  settings.ShowStatusBar = mmShowStatusBar->isChecked();
  settings.SaveOptions = m_saveOptions;
  settings.CalcHistory = HistoryText(m_calcHistory);
  settings.FindHistory = HistoryText(m_findHistory);
  return settings;
}

void TTabulo::SetCommandLine(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const std::string& argument : arguments) {
    joined += (joined.empty() ? "" : " ") + argument;
    std::error_code ec;
    if (std::filesystem::is_regular_file(joined, ec)) {
      m_startFile = std::filesystem::absolute(joined, ec).lexically_normal();  // "./a.csv" shows as /home/…/a.csv
      m_startFilePending = true;
      return;
    }
  }
}

void TTabulo::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_activated) {
    m_activated = true;
    // A window started from another one ("新規作成", a dropped file) comes up
    // in front of it, where the user is looking.
    raise();
    activateWindow();
    // Open the start file once the window is on the screen.
    QTimer::singleShot(0, this, &TTabulo::FormActivate);
  }
}

void TTabulo::FormActivate() {
  if (m_startFilePending && !m_narrowed) OpenCsvFile(m_startFile);
  m_startFilePending = false;
  SGCSV->setFocus();
  UpdateCommandStates();
}

bool TTabulo::FormCloseQuery() {
  // Nothing changed since the last save (or undone back to it): nothing to ask.
  if (!mmCloseMsg->isChecked() || !DocumentModified()) return true;
  switch (m_services.prompter.Ask(MessageId::SaveBeforeExitQuestion)) {
    case Answer::Cancel: return false;
    // The window closes only once the edits are saved: a cancelled or failed
    // save keeps it open with everything in it.
    case Answer::Yes: return SaveDocumentAs();
    default: return true;
  }
}

void TTabulo::FormClose() {
  const bool written = RunCommand(m_services.prompter, [this] {
    if (m_files.settings.empty()) return;
    CollectSettings().Save(m_files.settings);
    SaveFileHistory(m_files.csvHistory, m_csvHistory);
    SaveFileHistory(m_files.fixedHistory, m_fixedHistory);
  });
  if (!written) {
    m_services.prompter.Ask(MessageId::SettingsWriteFailed);
  }
}

void TTabulo::closeEvent(QCloseEvent* event) {
  SyncDocumentFromView();
  // A narrowed window asks about writing back instead; it keeps no settings.
  if (!(m_narrowed ? NarrowedCloseQuery() : FormCloseQuery())) {
    event->ignore();
    return;
  }
  if (!m_narrowed) {
    // A table imported through a saved fixed-length layout keeps its widths there.
    if (m_document.FixedDefinitionActive) ReleaseColumns(m_document);
    FormClose();
  }
  event->accept();
  if (m_narrowed) emit NarrowedClosed();
}

void TTabulo::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TTabulo::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  FileDropped(urls.front().toLocalFile().toStdString());
}

void TTabulo::FileDropped(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;
  if (mmNewWindow->isChecked()) {
    m_services.processes.StartNewInstance(file);
  } else {
    AskSaveAndOpen(file);
  }
}

}  // namespace tabulo::ui
