#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

#include "core/document/SaveOptions.h"
#include "core/document/TableDocument.h"
#include "core/rows/FilterConditions.h"
#include "platform/Services.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShortcut;

namespace tabulo::ui {

class OperatorBox;

// What the filter dialog was left with: the conditions and, for file
// output, how and where to write.
struct FilterRequest {
  FilterOptions options;
  bool toFile = false;
  SaveOptions save;  // add-title and add-row-numbers already false with the attributes
  std::filesystem::path file;
};

// The dialog "絞り込み検索の設定": three conditions (target column or every
// column, treatment, operator, search text), AND or OR, the three comparison
// options, and whether the matches are shown or written to a file.
//
// The dialog runs no modal loop of its own (AskFilter does), so a test can set
// its controls (found by object name), press "実行(&S)" and read Request().
class TSentakuForm final : public QDialog {
  Q_OBJECT

 public:
  TSentakuForm(QWidget* parent, platform::Services& services, const TableDocument& grid, const SaveOptions& preset);

  FilterRequest Request() const;
  // The validation "実行(&S)" runs: false after the error on a forbidden
  // condition, or when the user declines to go on with a dubious one.
  bool CheckConditions();

 private:
  static constexpr int kRows = 3;

  void BuildControls(const TableDocument& grid, const SaveOptions& preset);
  void ConnectEvents();
  void CBKChange(int row);
  void ConditionChange(int row);
  void UpdateModeLook();
  void PaintChoices();
  void btnOkClick();
  void BtnHelpClick();
  // Condition `row` as chosen; throws ConvertError for a searched text the
  // document cannot hold.
  FilterCondition ConditionOf(int row) const;
  // The same without its searched text.
  FilterCondition ChoicesOf(int row) const;

  platform::Services m_services;
  TextEncoding m_encoding;  // of the document the texts are for
  std::filesystem::path m_file;
  std::vector<TGPItem> m_items;  // column c's record at c - 1

  std::array<QComboBox*, kRows> CBK{};
  std::array<QComboBox*, kRows> CBType{};
  std::array<OperatorBox*, kRows> CBJ{};
  std::array<QLineEdit*, kRows> EditS{};
  QRadioButton* RDAnd = nullptr;
  QRadioButton* RDOr = nullptr;
  QCheckBox* CBNoKataHira = nullptr;
  QCheckBox* CBNoHanZen = nullptr;
  QCheckBox* CBNoLS = nullptr;
  QGroupBox* RGMode = nullptr;
  QButtonGroup* m_modeItems = nullptr;
  QGroupBox* RGSaveType = nullptr;
  QButtonGroup* m_saveTypeItems = nullptr;
  QCheckBox* CBCTL = nullptr;
  QCheckBox* CBTitle = nullptr;
  QCheckBox* CBNo = nullptr;
  QPushButton* BtnHelp = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* btnOk = nullptr;
  QShortcut* m_helpKey = nullptr;
};

// Asks for a filter over `grid`, the save choices preset from `preset`: the
// dialog is centred over `parent`'s window and announced with the question
// sound. True when the user ran it; `request` then holds the choices.
bool AskFilter(QWidget* parent, platform::Services& services, const TableDocument& grid, const SaveOptions& preset,
               FilterRequest& request);

}  // namespace tabulo::ui
