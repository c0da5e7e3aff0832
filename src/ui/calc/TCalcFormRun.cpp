// What the calculation dialog does when 実行 or テスト is pressed.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "core/app/Navigation.h"
#include "core/base/Errors.h"
#include "core/calc/FormulaRuns.h"
#include "core/document/EditTransaction.h"
#include "core/locale/TextConverter.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/calc/TCalcForm.h"

namespace tabulo::ui {
namespace {

constexpr std::size_t kHistoryLimit = 25;
const char* const kFormulaResultTitle = "\x8C\x76\x8E\x5A\x8C\x8B\x89\xCA";  // 計算結果

}  // namespace

std::vector<int> TCalcForm::ChosenColumns() const {
  std::vector<int> columns;
  for (int i = 0; i < LBKoumoku->count(); ++i) {
    if (LBKoumoku->item(i)->isSelected()) columns.push_back(i + 1);
  }
  return columns;
}

RowRange TCalcForm::ChosenRows() const {
  if (RG3->checkedId() == 1) return {m_grid.Selection().Top, m_grid.Selection().Bottom};
  return {1, m_grid.RowCount() - 1};
}

int TCalcForm::TargetColumn(const std::string& newTitle, ColumnType newType) {
  if (CBNewCol->isVisible() && CBNewCol->isChecked()) return AppendResultColumn(m_grid, newTitle, newType);
  return CBCols->currentIndex() + 1;
}

std::optional<std::string> TCalcForm::Formula() const {
  try {
    return StoredText(m_grid, CBCalcLine->currentText());
  } catch (const ConvertError&) {
    return std::nullopt;
  }
}

void TCalcForm::Report(MessageId message, int failures) {
  if (failures == 0) {
    m_services.prompter.Beep(Sound::Information);
    return;
  }
  m_services.prompter.Ask(message, {std::to_string(failures)});
}

bool TCalcForm::RunAcross() {
  const auto mode = static_cast<AggregateMode>(RG1->checkedId());
  const auto statistic = static_cast<Statistic>(RG2->checkedId());
  const std::vector<int> columns = ChosenColumns();
  const RowRange rows = ChosenRows();
  const int target = TargetColumn(StatisticCaption(statistic, m_grid.Encoding().encoding), ResultColumnType(mode));
  const int failures = AggregateAcross(m_grid, columns, statistic, mode, target, rows, m_progress.get());
  Report(MessageId::AggregateFailed, failures);
  return true;
}

bool TCalcForm::RunDown() {
  // The vertical page offers numbers, dates and times.
  const AggregateMode modes[] = {AggregateMode::Numeric, AggregateMode::Date, AggregateMode::Time};
  std::array<bool, kStatisticCount> statistics{};
  for (int i = 0; i < kStatisticCount; ++i) statistics[static_cast<std::size_t>(i)] = CBStatistics[i]->isChecked();
  const DownResult result = AggregateDown(m_grid, ChosenColumns(), statistics, modes[RG4->checkedId()],
                                          CBLabel->currentIndex() + 1, m_progress.get());
  m_wroteTotals = result.wroteAny;
  Report(MessageId::AggregateFailed, result.failures);
  return true;
}

bool TCalcForm::RunFormula() {
  const auto formula = Formula();
  if (!formula) return false;
  try {
    m_engine.SetExpression(*formula);
  } catch (const TabuloError&) {
    return false;  // a formula that does not compile leaves the dialog open
  }
  const RowRange rows = ChosenRows();
  const int target = TargetColumn(ProgramText(kFormulaResultTitle, m_grid.Encoding().encoding), ColumnType::Numeric);
  const int failures = CalculateColumn(m_grid, m_engine, target, rows, m_progress.get());
  // The history is kept in the settings as code page 932 text.
  if (const auto entry = StoredProgramText(CBCalcLine->currentText())) {
    PushHistoryEntry(m_history, *entry, kHistoryLimit, true);
  }
  Report(MessageId::CalcFailed, failures);
  return true;
}

void TCalcForm::btnCalcClick() {
  const int page = PageControl->currentIndex();
  if (page != PageFormula && ChosenColumns().empty()) {
    m_services.prompter.Ask(MessageId::NoColumnsChosen);
    return;
  }
  bool done = false;
  RunCommand(m_services.prompter, [&] {
    BusyCursor busy;
    // A run that fails midway takes back what it wrote.
    EditTransaction edit(m_grid, "集計・計算");
    done = page == PageAcross ? RunAcross() : page == PageDown ? RunDown() : RunFormula();
    edit.Commit();
  });
  if (done) accept();
}

void TCalcForm::btnTestClick() {
  QString shown = QString::fromUtf8(MessageText(MessageId::CalcTestFailed));
  bool failed = true;
  if (const auto formula = Formula()) {
    try {
      m_engine.SetExpression(*formula);
      const std::string result = m_engine.Evaluate(CBCols->currentIndex() + 1, 1);
      shown = ShownText(m_grid, result);
      failed = false;
    } catch (const TabuloError&) {
    }
  }
  PanelResult->setText(shown);
  QPalette palette = PanelResult->palette();
  palette.setColor(QPalette::Window, failed ? QColor(255, 255, 0) : palette.color(QPalette::Base));
  PanelResult->setPalette(palette);
}

}  // namespace tabulo::ui
