#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

#include "core/document/Document.h"
#include "core/document/TextLines.h"
#include "core/fixed/FixedFieldCnf.h"
#include "platform/Services.h"

class QCheckBox;
class QComboBox;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTableView;
class QTableWidget;

namespace tabulo::ui {

class FixedPreviewModel;
class RawTextPane;

// The dialog "固定長ﾌｨｰﾙﾄﾞデータの読込": the file's raw lines, a live preview of
// the cut fields (DG1) and the layout (DG2: the field lengths, editable, and
// the data types, chosen from a popup); columns are inserted, added and
// deleted with the buttons; saved layouts are picked and deleted in CBCnf.
// OK converts the whole file into the document and saves the layout when
// "設定を保存" is checked.
//
// The dialog runs no modal loop of its own (AskFixedImport does), so a test
// can drive its controls and press OK.
class TFormFixedOpen final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kStartColumns = 20;

  TFormFixedOpen(QWidget* parent, platform::Services& services, Document& document, TextLines lines,
                 std::filesystem::path definitionFolder, QWidget* gridView);
  ~TFormFixedOpen() override;

  TFixedFieldCnf& Definition() noexcept { return m_definition; }
  // The name the layout was saved under by OK; empty when it was not saved.
  const std::string& DefinitionName() const noexcept { return m_definitionName; }
  // The type popup's choice for the current column (tests choose without
  // the menu).
  void SetFieldType(int type);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectEvents();
  void FillLayoutGrid();
  void RefreshWidths();
  void LengthEdited(int row, int column);
  void ShowTypePopup(int column);
  void BtnInsertClick();
  void BtnAddClick();
  void BtnDeleteClick();
  void CleanUpClick();
  void CBCnfSaveClick();
  void CBCnfChoose(int index);
  void BtnCnfDeleteClick();
  void FillDefinitionNames();
  void SyncRawPane();
  void PaintChoices();
  void btnOkClick();
  void BtnHelpClick();
  int CharWidth() const;

  platform::Services m_services;
  Document& m_document;
  TextLines m_lines;
  TFixedFieldCnf m_definition;
  std::string m_definitionName;
  QWidget* m_gridView;
  bool m_filling = false;

  RawTextPane* m_rawPane = nullptr;
  QScrollArea* m_rawScroll = nullptr;
  FixedPreviewModel* m_preview = nullptr;
  QTableView* DG1 = nullptr;
  QTableWidget* DG2 = nullptr;
  QProgressBar* m_progressBar = nullptr;
  QPushButton* BtnInsert = nullptr;
  QPushButton* BtnDelete = nullptr;
  QPushButton* BtnAdd = nullptr;
  QPushButton* btnOk = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* BtnHelp = nullptr;
  QComboBox* CBCnf = nullptr;
  QPushButton* BtnCnfDelete = nullptr;
  QCheckBox* CBCnfSave = nullptr;
  QCheckBox* CBTrim = nullptr;
  QCheckBox* CBDelZero = nullptr;
  QCheckBox* CBCommaChange = nullptr;
};

// Reads `path`, then lets the user lay out its fields and convert it into
// `document`; the dialog is centred over `parent`'s window. True after OK
// (also when the conversion failed midway, which has been reported);
// `definitionName` then holds the name the layout was saved under. Throws
// FileError when the file cannot be read, before any dialog.
bool AskFixedImport(QWidget* parent, platform::Services& services, Document& document,
                    const std::filesystem::path& path, const std::filesystem::path& definitionFolder,
                    QWidget* gridView, std::string& definitionName);

}  // namespace tabulo::ui
