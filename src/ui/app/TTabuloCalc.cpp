// The calculation bar: a formula line with its history and insertion menus
// that replaces every cell of the selection by the formula's result.

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "core/app/Navigation.h"
#include "core/base/Errors.h"
#include "core/calc/FormulaRuns.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/calc/FormulaMenus.h"
#include "ui/calc/TCalcForm.h"

namespace tabulo::ui {
namespace {

constexpr std::size_t kCalcHistoryLimit = 25;

void SetFieldColour(QComboBox* box, bool compiles) {
  QPalette palette = box->lineEdit()->palette();
  palette.setColor(QPalette::Base, compiles ? box->style()->standardPalette().color(QPalette::Base) : QColor(255, 255, 0));
  box->lineEdit()->setPalette(palette);
}

}  // namespace

void TTabulo::CreateCalcBar() {
  PanelCalc = new QFrame(this);
  PanelCalc->setObjectName("PanelCalc");
  PanelCalc->setFixedHeight(30);
  PanelCalc->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(PanelCalc);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(2);
  const auto button = [this](const char* name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, PanelCalc);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  btnColName = button("btnColName", "列名", "計算式に列の名前を入力します。( F11 )");
  btnFuncName = button("btnFuncName", "関数", "計算式に組み込み関数を入力します。( Shift + F11 )");
  btnClearCalcLine = button("btnClearCalcLine", "クリア", "計算式の履歴を全て消去します。");
  CBCalcLine = new QComboBox(PanelCalc);
  CBCalcLine->setObjectName("CBCalcLine");
  CBCalcLine->setEditable(true);
  CBCalcLine->setInsertPolicy(QComboBox::NoInsert);
  CBCalcLine->setMaxVisibleItems(25);
  CBCalcLine->setToolTip(QString::fromUtf8(MessageText(MessageId::CalcLineHint).data()));
  BtnDoCalc = button("BtnDoCalc", "計算(F12)", "選択されたデータを計算式の結果で置き換えます。( F12 )");
  BtnDoCalc->setEnabled(false);
  BtnCalcClose = new QToolButton(PanelCalc);
  BtnCalcClose->setObjectName("BtnCalcClose");
  BtnCalcClose->setAutoRaise(true);
  BtnCalcClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  BtnCalcClose->setToolTip("計算ツールバーを隠します。");
  for (QWidget* widget : std::initializer_list<QWidget*>{btnColName, btnFuncName, btnClearCalcLine}) layout->addWidget(widget);
  layout->addWidget(CBCalcLine, 1);
  layout->addWidget(BtnDoCalc);
  layout->addWidget(BtnCalcClose);

  m_engine = std::make_unique<TGridCalcEngine>(&m_document.grid);
  m_formulaMenus = new FormulaMenus(FormulaMenuOwner::MainWindow, CBCalcLine->lineEdit(), this);
  SetFieldColour(CBCalcLine, true);

  connect(btnColName, &QPushButton::clicked, this, [this] { btnColNameClick(0); });
  connect(btnFuncName, &QPushButton::clicked, this, [this] { btnColNameClick(1); });
  connect(btnClearCalcLine, &QPushButton::clicked, this, &TTabulo::btnClearCalcLineClick);
  connect(BtnDoCalc, &QPushButton::clicked, this, &TTabulo::BtnDoCalcClick);
  connect(CBCalcLine, &QComboBox::editTextChanged, this, &TTabulo::CBCalcLineChange);
  connect(BtnCalcClose, &QToolButton::clicked, this, [this] {
    mmShowPanelCalc->setChecked(false);  // the bar's own close button toggles like the menu item
    mmShowPanelCalcClick();
  });
}

std::optional<std::string> TTabulo::CalcFormula() const {
  try {
    return StoredText(m_document.grid, CBCalcLine->currentText());
  } catch (const ConvertError&) {
    return std::nullopt;  // a character the grid cannot hold is no formula
  }
}

void TTabulo::CBCalcLineChange() {
  bool compiles = false;
  if (const auto formula = CalcFormula()) {
    try {
      m_engine->SetExpression(*formula);
      compiles = true;
    } catch (const TabuloError&) {
    }
  }
  SetFieldColour(CBCalcLine, compiles);
  BtnDoCalc->setEnabled(compiles);
}

void TTabulo::btnColNameClick(int tag) {
  if (tag == 0) {
    m_formulaMenus->RebuildColumnMenu(m_document.grid);
    FormulaMenus::PopUpBelow(m_formulaMenus->ColumnMenu(), btnColName);
  } else {
    m_formulaMenus->PopUpFunctionsBelow(btnFuncName);
  }
}

void TTabulo::mmCalcLineHistoryClick() {
  if (PanelCalc->isHidden()) return;
  CBCalcLine->setFocus();
  CBCalcLine->showPopup();
}

void TTabulo::mmDamyDoCalcClick() {
  if (PanelCalc->isHidden()) {
    m_services.prompter.Beep(Sound::Question);
    ShowBar(PanelCalc, mmShowPanelCalc, true);
    CBCalcLine->setFocus();
    return;
  }
  if (BtnDoCalc->isEnabled()) BtnDoCalcClick();
}

void TTabulo::SetCalcHistory(const std::vector<std::string>& history) {
  m_calcHistory = history;
  const QSignalBlocker blocker(CBCalcLine);
  const QString text = CBCalcLine->currentText();
  CBCalcLine->clear();
  for (const std::string& entry : m_calcHistory) CBCalcLine->addItem(ShownProgramText(entry));
  CBCalcLine->setEditText(text);
}

void TTabulo::BtnDoCalcClick() {
  const auto formula = CalcFormula();
  if (!formula) return;
  SyncDocumentFromView();
  const std::string typed = CBCalcLine->currentText().toStdString();
  if (m_services.prompter.Ask(MessageId::CalcConfirm, {typed}) != Answer::Yes) return;
  int failures = 0;
  const bool ran = RunEditAsSynced("計算", [&] {
    BusyCursor busy;
    m_engine->SetExpression(*formula);
    failures = CalculateRange(m_document.grid, *m_engine, m_document.grid.Selection(), m_progress.get());
  });
  if (!ran) return;
  // The history is kept in the settings as code page 932 text.
  if (const auto entry = StoredProgramText(CBCalcLine->currentText())) {
    std::vector<std::string> history = m_calcHistory;
    PushHistoryEntry(history, *entry, kCalcHistoryLimit, true);
    SetCalcHistory(history);
  }
  ReportCalcFailures(MessageId::CalcFailed, failures);
}

void TTabulo::ReportCalcFailures(MessageId message, int failures) {
  if (failures == 0) {
    m_services.prompter.Beep(Sound::Information);
    return;
  }
  m_services.prompter.Ask(message, {std::to_string(failures)});
}

void TTabulo::mmCalcClick() {
  // What the dialog's run changes is one step.
  bool accepted = false;
  bool showEnd = false;
  RunEdit("集計・計算", [&] {
    TCalcForm dialog(this, m_services, m_document.grid, true, !m_narrowed, m_calcHistory);
    m_services.prompter.Beep(Sound::Question);
    accepted = dialog.exec() == QDialog::Accepted;
    if (accepted) {
      SetCalcHistory(dialog.History());
      showEnd = dialog.WroteTotals();
    }
  });
  if (showEnd) SGCSV->scrollToBottom();
}

void TTabulo::btnClearCalcLineClick() {
  if (m_services.prompter.Ask(MessageId::ClearCalcHistoryQuestion) != Answer::Yes) return;
  SetCalcHistory({});
  CBCalcLine->setEditText(QString());
}

}  // namespace tabulo::ui
