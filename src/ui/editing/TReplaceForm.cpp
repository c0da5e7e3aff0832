#include "ui/editing/TReplaceForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/base/Errors.h"
#include "ui/app/ChosenCaption.h"
#include "ui/app/CommandButtons.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/app/QuestionDialog.h"

namespace tabulo::ui {
namespace {

// In the order of ReplaceMethod.
constexpr std::array<const char*, 6> kMethodCaptions = {"置換", "検索置換", "データ連結", "連番(1～)", "行番号", "順位"};

// What each method shows: the labels of the two boxes (nullptr hides the
// label and its box) and whether the lower box only lets the user pick.
struct MethodLook {
  const char* upperLabel;
  const char* lowerLabel;
  bool lowerPickOnly;
};
constexpr std::array<MethodLook, 6> kMethodLooks = {{
    {nullptr, "置換データ", false},
    {"検索データ", "置換データ", false},
    {"前部データ", "後部データ", false},
    {"ｸﾞﾙｰﾌﾟ項目", nullptr, false},
    {nullptr, nullptr, false},
    {"ｸﾞﾙｰﾌﾟ項目", "比較項目", true},
}};

// The boxes are wide enough for a long column title or a short phrase.
constexpr int kDataBoxWidth = 260;

// The value a combo box stands for: a chosen entry of its list, as long as the
// box still shows that entry's title, or else the typed text.
ReplaceValue ValueOf(const QComboBox& box, TextEncoding encoding) {
  const QString text = box.currentText();
  const int index = box.currentIndex();
  if (index >= 0 && box.itemText(index) == text) return {StoredText(encoding, text), index};
  return ReplaceValue::Typed(StoredText(encoding, text));
}

}  // namespace

TReplaceForm::TReplaceForm(QWidget* parent, platform::Services& services, const TableDocument& grid)
    : QDialog(parent), m_services(services), m_encoding(grid.Encoding().encoding) {
  setWindowTitle(QStringLiteral("データの置換"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls(grid);
  ConnectEvents();
  m_methodItems->button(0)->setChecked(true);
  layout()->activate();  // fixes the size now, so the caller can place the dialog
}

void TReplaceForm::BuildControls(const TableDocument& grid) {
  RGMethod = Named(new QGroupBox(QStringLiteral("置換方法"), this), "RGMethod");
  m_methodItems = new QButtonGroup(this);
  auto* methodLayout = new QGridLayout(RGMethod);
  for (int index = 0; index < static_cast<int>(kMethodCaptions.size()); ++index) {
    auto* item = new QRadioButton(QString::fromUtf8(kMethodCaptions[static_cast<std::size_t>(index)]), RGMethod);
    item->setObjectName(QStringLiteral("RGMethod%1").arg(index));
    m_methodItems->addButton(item, index);
    // Three columns, filled row by row as the group lays out its items.
    methodLayout->addWidget(item, index / 3, index % 3);
  }

  // Both lists hold every column's title, the row numbers' column first.
  QStringList titles;
  for (int col = 0; col < grid.ColCount(); ++col) titles << ShownCell(grid, col, 0);
  LBPreData = Named(new QLabel(this), "LBPreData");
  LBNextData = Named(new QLabel(this), "LBNextData");
  CBPreData = Named(new QComboBox(this), "CBPreData");
  CBNextData = Named(new QComboBox(this), "CBNextData");
  for (QComboBox* box : {CBPreData, CBNextData}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(titles);
    box->setCurrentIndex(-1);
    box->setFixedWidth(kDataBoxWidth);
    box->setMaxVisibleItems(16);
  }
  LBPreData->setBuddy(CBPreData);
  LBNextData->setBuddy(CBNextData);

  const CommandButtons buttons = NewCommandButtons(this, {QStringLiteral("置換(&R)"), QStringLiteral("中止(&A)"), false, false});
  BtnHelp = buttons.help;
  btnAbort = buttons.abort;
  btnOk = buttons.ok;
  m_helpKey = buttons.helpKey;

  auto* dataLayout = new QGridLayout;
  dataLayout->addWidget(LBPreData, 0, 0);
  dataLayout->addWidget(CBPreData, 0, 1);
  dataLayout->addWidget(LBNextData, 1, 0);
  dataLayout->addWidget(CBNextData, 1, 1);
  // The rows keep their height when a box is hidden, so the dialog keeps its size.
  const int rowHeight = CBPreData->sizeHint().height();
  dataLayout->setRowMinimumHeight(0, rowHeight);
  dataLayout->setRowMinimumHeight(1, rowHeight);
  dataLayout->setColumnMinimumWidth(0, LBPreData->fontMetrics().horizontalAdvance(QStringLiteral("ｸﾞﾙｰﾌﾟ項目　")));

  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addWidget(RGMethod);
  formLayout->addLayout(dataLayout);
  formLayout->addLayout(buttons.row);
}

void TReplaceForm::ConnectEvents() {
  connect(m_methodItems, &QButtonGroup::idToggled, this, &TReplaceForm::RGMethodClick);
  for (QComboBox* box : {CBPreData, CBNextData}) {
    connect(box, &QComboBox::editTextChanged, this, &TReplaceForm::UpdateEnabling);
    connect(box, &QComboBox::currentIndexChanged, this, &TReplaceForm::UpdateEnabling);
  }
  connect(BtnHelp, &QPushButton::clicked, this, &TReplaceForm::BtnHelpClick);
  connect(m_helpKey, &QShortcut::activated, this, &TReplaceForm::BtnHelpClick);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnOk, &QPushButton::clicked, this, [this] {
    // A typed text the document cannot hold is reported; the dialog stays.
    bool allowed = false;
    if (RunCommand(m_services.prompter, [&] { allowed = ReplaceAllowed(Request()); }) && allowed) accept();
  });
}

void TReplaceForm::RGMethodClick(int index, bool checked) {
  PaintCaption(*m_methodItems->button(index), checked);
  if (!checked) return;
  const MethodLook& look = kMethodLooks[static_cast<std::size_t>(index)];
  LBPreData->setText(QString::fromUtf8(look.upperLabel != nullptr ? look.upperLabel : ""));
  LBNextData->setText(QString::fromUtf8(look.lowerLabel != nullptr ? look.lowerLabel : ""));
  LBPreData->setVisible(look.upperLabel != nullptr);
  CBPreData->setVisible(look.upperLabel != nullptr);
  LBNextData->setVisible(look.lowerLabel != nullptr);
  CBNextData->setVisible(look.lowerLabel != nullptr);
  if (CBNextData->isEditable() == look.lowerPickOnly) {
    // A pick-only box keeps a chosen entry; typed text has no place in it.
    const int entry = CBNextData->currentIndex();
    const bool chosen = entry >= 0 && CBNextData->currentText() == CBNextData->itemText(entry);
    CBNextData->setEditable(!look.lowerPickOnly);
    if (CBNextData->isEditable()) CBNextData->setInsertPolicy(QComboBox::NoInsert);
    CBNextData->setCurrentIndex(chosen ? entry : -1);
  }
  UpdateEnabling();
}

ReplaceRequest TReplaceForm::Request() const {
  ReplaceRequest request;
  request.method = static_cast<ReplaceMethod>(std::max(0, m_methodItems->checkedId()));
  if (!CBPreData->isHidden()) request.upper = ValueOf(*CBPreData, m_encoding);
  if (!CBNextData->isHidden()) request.lower = ValueOf(*CBNextData, m_encoding);
  return request;
}

void TReplaceForm::UpdateEnabling() {
  // A text the document cannot hold is reported when the replace runs.
  try {
    btnOk->setEnabled(ReplaceAllowed(Request()));
  } catch (const ConvertError&) {
    btnOk->setEnabled(true);
  }
}

void TReplaceForm::BtnHelpClick() { m_services.help.ShowContext(help::kHelpReplace); }

bool AskReplace(QWidget* parent, platform::Services& services, const TableDocument& grid, ReplaceRequest& request) {
  TReplaceForm dialog(parent, services, grid);
  if (!ExecQuestionDialog(dialog, parent, services.prompter)) return false;
  request = dialog.Request();
  return true;
}

}  // namespace tabulo::ui
