#pragma once

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/FileHistory.h"
#include "core/app/Navigation.h"
#include "core/document/ChangeRecord.h"
#include "core/document/Document.h"
#include "core/document/SaveOptions.h"
#include "core/calc/GridCalcEngine.h"
#include "core/editing/RangeOps.h"
#include "platform/Services.h"
#include "ui/app/ProgressBarSink.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tabulo {
class TTabuloCnf;
}

namespace tabulo::ui {

class GlyphWidths;
class PrinterSystem;
class GridModel;
class GridView;

// Where the window keeps its settings and histories; tests point it at a
// temporary folder.
struct WindowFiles {
  std::filesystem::path settings;
  std::filesystem::path csvHistory;
  std::filesystem::path fixedHistory;
  std::filesystem::path documentsFolder;  // the folder of a new document and of an empty history
  std::filesystem::path fixedDefinitions;  // the saved fixed-length layouts ("FixedCnf")
  std::filesystem::path printFormats;      // the print-format files ("GPC")
};
WindowFiles DefaultWindowFiles();

// The main window: the table grid with its tool bar, calculation and find
// bars and status bar, the main menu, the two modes, the file commands, find
// and navigation. Handlers are named after the control and the event; a menu
// item and its tool button share one handler.
class TTabulo final : public QMainWindow {
  Q_OBJECT

 public:
  // A window over a new empty document, "NewFile.csv" in the documents folder.
  TTabulo(platform::Services services, WindowFiles files, QWidget* parent = nullptr);
  // A window over `document`, which it takes over as it is (the narrowed
  // window of another one); the window's settings apply as to a new one.
  TTabulo(platform::Services services, WindowFiles files, Document document, QWidget* parent = nullptr);
  ~TTabulo() override;

  // The command line: the arguments joined with blanks, one at a time, until
  // they name an existing file, which is opened when the window is first
  // activated.
  void SetCommandLine(const std::vector<std::string>& arguments);

  Document& DocumentState() noexcept { return m_document; }
  TableDocument& Grid() noexcept { return m_document.grid; }
  GridView* View() const noexcept { return SGCSV; }
  GridModel* Model() const noexcept { return m_model; }
  const std::filesystem::path& DocumentFile() const noexcept { return m_documentFile; }
  bool InputMode() const;
  EnterDirection Direction() const noexcept { return m_enterDirection; }
  const SaveOptions& DefaultSaveOptions() const noexcept { return m_saveOptions; }
  const FileHistory& CsvHistory() const noexcept { return m_csvHistory; }
  const std::vector<std::string>& FindHistory() const noexcept { return m_findHistory; }

  // The commands, public so that tests can run them as the menu does.
  void btnNewFileClick();
  void btnFileOpenClick();
  void mmAppendFileClick();
  // Fixed-length files (TTabuloFixed.cpp): the open dialog, then the import
  // dialog; the history's entries open through OpenFixedFile too.
  void mmFixOpenClick();
  void OpenFixedFile(const std::filesystem::path& path);
  void btnFileSaveAsClick();
  void mmFileSaveClick();
  // Reads the file in the encoding `encoding` names, or the one its bytes show.
  void OpenCsvFile(const std::filesystem::path& path, EncodingChoice encoding = EncodingChoice::Auto);
  void AskSaveAndOpen(const std::filesystem::path& path);
  // Save as: the save dialog, then the save; true when the file was written.
  bool SaveDocumentAs();
  // Puts the document into `target`'s encoding as one step before a save,
  // asking first when characters would be lost; false when the user
  // cancelled or the conversion failed.
  bool ChangeEncoding(const FileEncoding& target);
  // The first of the files dropped on the window (only the first is used).
  void FileDropped(const std::filesystem::path& file);
  void mmModeChangeClick();
  void SetInputMode(bool input);
  void SetEnterDirection(EnterDirection direction);
  void MoveByEnter();
  void btnRowAddClick(int tag);
  void btnColAddClick(int tag);
  void btnRowDeleteClick();
  void btnColDeleteClick();
  void mmFindClick();
  void mmJumpTopRowClick();
  void mmJumpRowClick();
  void mmJumpLastRowClick();
  void mmSelectAllClick();
  void mmRowSelectClick();
  void mmColSelectClick();
  void mmColWidthClick();
  void mmRowHeightClick();
  void mmFontClick();
  void mmUndoClick();
  void mmRedoClick();
  // Whether the document has changes that are not saved: its history says so,
  // or column widths were changed by hand.
  bool DocumentModified() const;
  void mmCopyClick();
  void mmCutClick();
  void mmClearClick();
  void mmPasteClick(int tag);
  void btnGPIClick();
  // The range commands that rewrite the selection's texts, by their tags.
  void mmUpperClick(int tag);
  void mmTrimClick(int tag);
  void mmRoundClick(int tag);
  void mmDecimalClick();
  void mmYSJ1Click(int tag);
  void mmReplaceClick();
  void mmDatePasteClick(int tag);
  // Sorting and narrowing the rows (TTabuloRowOps.cpp).
  void btnSortClick();
  void btnQueryClick();
  void mmSentakuOffClick();
  // Duplicate rows and merging with another file (TTabuloDuplicates.cpp,
  // TTabuloMerge.cpp).
  void mmDaburiClick();
  void mmHeigouClick();
  // The list print (TTabuloPrint.cpp): the print window over this document.
  void BtnPrintClick();
  // The printers the list print uses; tests put a scripted one in.
  void UsePrinters(std::unique_ptr<PrinterSystem> printers);
  void pmDelCalcRowClick();
  void mmCalcClick();
  void BtnDoCalcClick();
  void btnClearCalcLineClick();
  void mmDamyDoCalcClick();
  QComboBox* CalcLine() const noexcept { return CBCalcLine; }
  // The column popup on the title of `col`; `choose` picks an item while it
  // is open (tests), else the user does.
  void ShowColumnPopup(int col, const std::function<void(QMenu&)>& choose = {});
  void UpdateCommandStates();
  bool Narrowed() const noexcept { return m_narrowed; }
  // Pulls the current cell and selection from the view into the document,
  // and pushes them back after a command changed them.
  void SyncDocumentFromView();
  void SyncViewFromDocument();


 signals:
  // A narrowed window was closed, with or without writing back.
  void NarrowedClosed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Building the window (TTabuloLayout.cpp, TTabuloMenus.cpp).
  void CreateLayout();
  void CreateToolBar();
  void CreateCalcBar();
  void CreateFindBar();
  void CreateStatusBar();
  void CreateMenus();
  void ConnectEvents();
  QAction* AddAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});
  QToolButton* AddToolButton(const char* name, const QString& text, const QString& hint);

  // Start and close (TTabuloLifetime.cpp).
  // Both public constructors come here; without a document the window
  // builds a new empty one once its settings are applied.
  TTabulo(platform::Services services, WindowFiles files, std::optional<Document> document, QWidget* parent);
  void FormCreate(bool newDocument);
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void ApplySettings(const TTabuloCnf& settings, bool loaded);
  TTabuloCnf CollectSettings() const;

  // File commands (TTabuloFile.cpp).
  void SetDocumentFile(const std::filesystem::path& path, bool fixed);
  void RebuildHistoryMenu(QMenu* menu, const FileHistory& history, bool fixed);
  void HistoryItemClick(const std::filesystem::path& path, bool fixed);
  void ResetView();
  void ShowRowsBeforeTitleQuestion();
  void DeleteSelected(const char* caption, const std::function<TGridRect(const TGridRect&)>& widen,
                      bool (*deleteSelected)(TableDocument&, Prompter&));

  // Commands that change the document (TTabuloUndo.cpp). RunEdit takes the
  // view's cursor and selection into the document and runs `command` as one
  // step of the document's history (a failure takes back what it changed);
  // then the views learn what changed, get the cursor back, and the command
  // states follow. RunEditAsSynced is the same for a handler that has set the
  // document's selection itself. Both return whether the command completed.
  bool RunEdit(const char* caption, const std::function<void()>& command);
  bool RunEditAsSynced(const char* caption, const std::function<void()>& command);
  void ShowChanges(const ChangeRecord& changes);
  void UpdateUndoItems();

  // Range editing and the grid popup (TTabuloEdit.cpp).
  QLineEdit* FocusedTextBox() const;
  QLineEdit* OpenCellEditor() const;
  void CopySelection();
  void PasteIntoGrid(PasteMode mode, const std::string& text);
  void ShowGridMenu(const QPoint& at);
  void CreateGridMenu();
  void UpdateGridMenu();

  // Rewriting the selection's texts (TTabuloConvert.cpp).
  void AddDateInsertItems(QMenu* mmEdit);
  void AddRangeSubmenus();
  // The number of decimals for "少数桁揃え", asked until the answer is one;
  // nullopt when the user cancels.
  std::optional<int> AskDecimals();
  // The information sound when nothing failed, else the failure report.
  void ReportConvertFailures(int failures);

  // The narrowed window (TTabuloRowOps.cpp). ShowNarrowed shows `rows` of
  // this document in a narrowed window of its own, modal, with this window
  // hidden meanwhile, and writes its edits back when the user says so; true
  // when it did.
  bool ShowNarrowed(const std::vector<int>& rows, const QString& caption);
  // Makes this new window the narrowed window of `source`.
  void BecomeNarrowed(const QString& caption, const TTabulo& source);
  // Shows the narrowed window until it is closed; whether to write back.
  bool RunNarrowed();
  // The write-back question of a narrowed window's closing; false keeps it open.
  bool NarrowedCloseQuery();

  // The calculation bar (TTabuloCalc.cpp).
  void CBCalcLineChange();
  void btnColNameClick(int tag);
  void mmCalcLineHistoryClick();
  void SetCalcHistory(const std::vector<std::string>& history);
  std::optional<std::string> CalcFormula() const;
  void ReportCalcFailures(MessageId message, int failures);

  // Column attributes (TTabuloColumns.cpp).
  void CreateColumnPopup();
  void SGCSVSelectCell();

  // Views (TTabuloView.cpp).
  void FitColumnWidths(bool selectedOnly);
  void ApplyColumnWidths();
  void SetGridFont(const QFont& font);
  // Every row, the title row included, gets `height`, which becomes the default.
  void SetRowHeights(int height);
  // Rows too low for the grid's font are made as high as it needs.
  void FitRowHeightToFont();
  static QFont GridQFont(const platform::FontChoice& choice);
  void ShowBar(QWidget* bar, QAction* item, bool visible);
  void mmSHowToolBarClick();
  void mmShowPanelCalcClick();
  void mmShowPanelFindClick();
  void mmShowStatusBarClick();
  void mmAdjustDrawClick();
  void CBFindTextChange();
  void UpdateFindColours();
  void UpdateStatusPanels();
  void UpdateModeButtons();
  void SGCSVRowMoved(int from, int to);
  void SGCSVColumnMoved(int from, int to);
  void mmAboutTabuloClick();

  platform::Services m_services;
  WindowFiles m_files;
  Document m_document;
  std::filesystem::path m_documentFile;
  SaveOptions m_saveOptions;
  FileHistory m_csvHistory;
  FileHistory m_fixedHistory;
  std::filesystem::path m_fixedSourceFile;  // the fixed-length file the table was imported from
  std::vector<std::string> m_findHistory;  // code page 932
  std::vector<std::string> m_calcHistory;  // kept for the calculation bar
  EnterDirection m_enterDirection = EnterDirection::Right;
  std::filesystem::path m_startFile;
  bool m_startFilePending = false;
  bool m_activated = false;
  bool m_narrowed = false;
  bool m_writeBack = false;  // a narrowed window's answer when it closed
  bool m_widthsChanged = false;  // column widths changed by hand since the last save
  platform::FontChoice m_gridFont;
  std::unique_ptr<PrinterSystem> m_printers;
  bool m_printerAvailable = true;

  GridModel* m_model = nullptr;
  // The advances of the grid's font, measured for each encoding once it is
  // needed (Shift-JIS at once), so switching between files measures nothing.
  std::unique_ptr<GlyphWidths> m_glyphWidths[2];
  std::unique_ptr<ProgressBarSink> m_progress;

  // Controls, named as the program names them.
  GridView* SGCSV = nullptr;
  QFrame* PanelToolBar = nullptr;
  QFrame* PanelCalc = nullptr;
  QFrame* PanelFind = nullptr;
  QProgressBar* PB1 = nullptr;
  QLabel* m_panels[6] = {};
  QLabel* m_encodingPanel = nullptr;  // the document's encoding, at the right end
  QComboBox* CBFindText = nullptr;
  QComboBox* CBCalcLine = nullptr;
  QPushButton* btnColName = nullptr;
  QPushButton* btnFuncName = nullptr;
  QPushButton* btnClearCalcLine = nullptr;
  QPushButton* BtnDoCalc = nullptr;
  QToolButton* BtnCalcClose = nullptr;
  class FormulaMenus* m_formulaMenus = nullptr;
  std::unique_ptr<TGridCalcEngine> m_engine;
  QCheckBox* CBFindCase = nullptr;
  QRadioButton* RBFindUp = nullptr;
  QRadioButton* RBFindDown = nullptr;
  QPushButton* BtnFind = nullptr;
  QToolButton* BtnFindClose = nullptr;

  QToolButton* btnNewFile = nullptr;
  QToolButton* btnFileOpen = nullptr;
  QToolButton* btnFileSaveAs = nullptr;
  QToolButton* BtnPrint = nullptr;
  QToolButton* BtnCopy = nullptr;
  QToolButton* BtnCut = nullptr;
  QToolButton* BtnPaste = nullptr;
  QToolButton* BtnUndo = nullptr;
  QToolButton* BtnRedo = nullptr;
  QToolButton* btnSort = nullptr;
  QToolButton* btnQuery = nullptr;
  QToolButton* BtnReplace = nullptr;
  QToolButton* btnGPI = nullptr;
  QToolButton* BtnEditOff = nullptr;
  QToolButton* BtnEditOn = nullptr;
  QToolButton* btnRowAdd = nullptr;
  QToolButton* btnColAdd = nullptr;
  QToolButton* btnRowDelete = nullptr;
  QToolButton* btnColDelete = nullptr;
  QToolButton* BtnDirection[4] = {};
  QToolButton* BtnClose = nullptr;

  QMenu* mmFile = nullptr;
  QMenu* mmCsvHistorys = nullptr;
  QMenu* mmFixedHistorys = nullptr;
  QAction* mmNewFile = nullptr;
  QAction* mmOpenFile = nullptr;
  QAction* mmAppendFile = nullptr;
  QAction* mmFixOpen = nullptr;
  QAction* mmFixedSeparator = nullptr;
  QAction* mmPrint = nullptr;
  QAction* mmFileSaveAs = nullptr;
  QAction* mmFileSave = nullptr;
  QAction* mmClose = nullptr;
  QAction* mmUndo = nullptr;
  QAction* mmRedo = nullptr;
  QAction* mmModeChange = nullptr;
  QAction* mmCopy = nullptr;
  QAction* mmCut = nullptr;
  QAction* mmClear = nullptr;
  QAction* mmPaste = nullptr;
  QAction* mmPasteAdd = nullptr;
  QAction* mmPastePre = nullptr;
  QAction* mmZokusei = nullptr;
  QMenu* mmData = nullptr;
  QAction* mmReplace = nullptr;
  QAction* mmSort = nullptr;
  QAction* mmDaburi = nullptr;
  QAction* mmHeigou = nullptr;
  QAction* mmSentaku = nullptr;
  QAction* mmSentakuOff = nullptr;
  QAction* mmDateItems[3] = {};  // mmDatePaste, mmTimePaste, mmDateTimePaste
  QAction* pmReplace = nullptr;
  QAction* mmDelCalcRow = nullptr;
  QAction* pmDelCalcRow = nullptr;
  QMenu* GridMenu = nullptr;
  QAction* pmCopy = nullptr;
  QAction* pmCut = nullptr;
  QAction* pmClear = nullptr;
  QAction* pmPaste = nullptr;
  QAction* pmPasteAdd = nullptr;
  QAction* pmPastePre = nullptr;
  QAction* pmUndo = nullptr;
  QAction* pmRowSelect = nullptr;
  QAction* pmColSelect = nullptr;
  QAction* pmSelectAll = nullptr;
  QAction* pmColWidthAll = nullptr;
  QAction* pmColWidthSelected = nullptr;
  QMenu* PMCol = nullptr;
  int m_popupColumn = 1;  // the column the popup was opened on (its tag)
  QAction* mmRowSelect = nullptr;
  QAction* mmColSelect = nullptr;
  QAction* mmSelectAll = nullptr;
  QAction* mmJumpTopRow = nullptr;
  QAction* mmJumpRow = nullptr;
  QAction* mmJumpLastRow = nullptr;
  QAction* mmFind = nullptr;
  QAction* mmRowAdd = nullptr;
  QAction* mmRowIn = nullptr;
  QAction* mmRowDel = nullptr;
  QAction* mmColAdd = nullptr;
  QAction* mmColIn = nullptr;
  QAction* mmColDel = nullptr;
  QAction* mmColWidth = nullptr;
  QAction* mmRowHeight = nullptr;
  QAction* mmFont = nullptr;
  QAction* mmAdjustDraw = nullptr;
  QAction* mmSHowToolBar = nullptr;
  QAction* mmShowPanelCalc = nullptr;
  QAction* mmShowPanelFind = nullptr;
  QAction* mmShowStatusBar = nullptr;
  QAction* mmCursor[4] = {};
  QAction* mmLine1Title = nullptr;
  QAction* mmCloseMsg = nullptr;
  QAction* mmNewWindow = nullptr;
  QAction* mmWindowPos = nullptr;
  QAction* Contents1 = nullptr;
  QAction* SearchforHelpOn1 = nullptr;
  QAction* HowtoUseHelp1 = nullptr;
  QAction* mmAboutTabulo = nullptr;
};

}  // namespace tabulo::ui
