#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "core/calc/Aggregation.h"
#include "core/calc/GridCalcEngine.h"
#include "platform/Services.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tabulo::ui {

class FormulaMenus;

// The dialog "集計の設定": a statistic across chosen columns of each row
// ("横集計"), statistics down chosen columns into new totals rows ("縦集計"),
// or a formula into one column ("計算"). It works on the grid directly; the
// caller refreshes its views when it ends with 実行.
class TCalcForm final : public QDialog {
  Q_OBJECT

 public:
  enum Page { PageAcross = 0, PageDown = 1, PageFormula = 2 };

  // `offerDown`: the vertical page is shown; `offerNewColumn`: a result may
  // go into a new column. `history` is the formula history, newest first.
  TCalcForm(QWidget* parent, platform::Services& services, TableDocument& grid, bool offerDown, bool offerNewColumn,
            std::vector<std::string> history);
  ~TCalcForm() override;

  // The formula history as the dialog leaves it (taken back on 実行).
  const std::vector<std::string>& History() const noexcept { return m_history; }
  // Whether a vertical aggregation wrote results (the caller shows the end).
  bool WroteTotals() const noexcept { return m_wroteTotals; }

  void SetPage(Page page);

  // The buttons, public for tests as the window's commands are.
  void btnCalcClick();
  void btnTestClick();

 private:
  void BuildControls();
  QWidget* BuildAcrossPage();
  QWidget* BuildDownPage();
  QWidget* BuildFormulaPage();
  void ConnectEvents();
  void PageChanged(int page);
  void UpdateColours();
  void CBCalcLineChange();

  // The operations of the three pages (TCalcFormRun.cpp).
  std::vector<int> ChosenColumns() const;
  RowRange ChosenRows() const;
  int TargetColumn(const std::string& newTitle, ColumnType newType);
  bool RunAcross();
  bool RunDown();
  bool RunFormula();
  std::optional<std::string> Formula() const;
  void Report(MessageId message, int failures);

  platform::Services m_services;
  TableDocument& m_grid;
  TGridCalcEngine m_engine;
  std::vector<std::string> m_history;
  bool m_wroteTotals = false;
  std::unique_ptr<ProgressSink> m_progress;

  QTabWidget* PageControl = nullptr;
  QWidget* TSCalcX = nullptr;
  QWidget* TSCalcY = nullptr;
  QWidget* TSCalcXX = nullptr;
  QListWidget* LBKoumoku = nullptr;
  QGroupBox* GBKoumoku = nullptr;
  QButtonGroup* RG1 = nullptr;
  QButtonGroup* RG2 = nullptr;
  QButtonGroup* RG3 = nullptr;
  QButtonGroup* RG4 = nullptr;
  QGroupBox* GBRange = nullptr;
  QGroupBox* GBTarget = nullptr;
  QCheckBox* CBNewCol = nullptr;
  QLabel* LabelCols = nullptr;
  QComboBox* CBCols = nullptr;
  QCheckBox* CBStatistics[kStatisticCount] = {};
  QComboBox* CBLabel = nullptr;
  QComboBox* CBCalcLine = nullptr;
  QPushButton* btnColName = nullptr;
  QPushButton* btnFuncName = nullptr;
  QPushButton* btnTest = nullptr;
  QLabel* PanelResult = nullptr;
  QProgressBar* PBar = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* btnCalc = nullptr;
  QPushButton* BtnHelp = nullptr;
  FormulaMenus* m_menus = nullptr;
};

}  // namespace tabulo::ui
