#include "ui/rows/THeigouForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "core/locale/Cp932.h"
#include "core/rows/MergeSource.h"
#include "ui/app/ChosenCaption.h"
#include "ui/app/CommandButtons.h"
#include "ui/app/DocumentText.h"
#include "ui/app/FixedPitchFont.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/app/QuestionDialog.h"
#include "ui/rows/CompareOptionBoxes.h"

namespace tabulo::ui {
namespace {

constexpr int kRoleData = Qt::UserRole;

// The label of a role in a source entry, and its colour.
const char* RoleLabel(MergeRole role) {
  switch (role) {
    case MergeRole::Key: return "\x94\xe4\x8a\x72";      // "比較"
    case MergeRole::Replace: return "\x92\x75\x8a\xb7";  // "置換"
    case MergeRole::Append: return "\x92\xc7\x89\xc1";   // "追加"
    case MergeRole::None: break;
  }
  return "";
}

QColor RoleColour(MergeRole role, const QPalette& palette) {
  switch (role) {
    case MergeRole::Key: return QColor(128, 0, 128);  // purple
    case MergeRole::Replace: return Qt::blue;
    case MergeRole::Append: return QColor(0, 128, 0);  // green
    case MergeRole::None: break;
  }
  return palette.color(QPalette::WindowText);
}

// A source entry on one line, vertically centred, in its role's colour (the
// highlight text colour when selected).
class SourceEntryDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    const QString text = look.text;
    look.text.clear();
    look.widget->style()->drawControl(QStyle::CE_ItemViewItem, &look, painter, look.widget);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const auto role = static_cast<MergeRole>(index.data(kRoleData).toInt());
    painter->save();
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : RoleColour(role, option.palette));
    painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                      static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine), text);
    painter->restore();
  }
};

void MoveDown(QListWidget& list) {
  const int row = list.currentRow();
  if (row >= 0 && row + 1 < list.count()) list.setCurrentRow(row + 1);
}

}  // namespace

THeigouForm::THeigouForm(QWidget* parent, platform::Services& services, const TableDocument& grid,
                         const MergeSource& other, const QString& fileName)
    : QDialog(parent), m_services(services), m_items(static_cast<std::size_t>(grid.ColCount())) {
  setWindowTitle(QStringLiteral("併合 (") + fileName + QStringLiteral(")"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls(grid, other);
  ConnectEvents();
  PaintChoices();
  UpdateButtons();
  layout()->activate();  // fixes the size now, so the caller can place the dialog
}

void THeigouForm::BuildControls(const TableDocument& grid, const MergeSource& other) {
  Label1 = Named(new QLabel(QStringLiteral("現在編集中のデータ"), this), "Label1");
  Label3 = Named(new QLabel(QStringLiteral("設定内容"), this), "Label3");
  Label2 = Named(new QLabel(QStringLiteral("対象ファイルのデータ"), this), "Label2");
  const QFont fixed = FixedPitchFont();

  LBTarget = Named(new QListWidget(this), "LBTarget");
  LBTarget->setFont(fixed);
  for (int field = 0; field < other.FieldCount(); ++field) {
    LBTarget->addItem(QStringLiteral("列%1 :").arg(field, 4) + ShownText(grid, other.Labels()[static_cast<std::size_t>(field)]));
  }
  if (LBTarget->count() > 0) LBTarget->setCurrentRow(0);

  LBSource = Named(new QListWidget(this), "LBSource");
  LBSource->setFont(fixed);
  LBSource->setItemDelegate(new SourceEntryDelegate(LBSource));
  for (int col = 0; col < grid.ColCount(); ++col) {
    const TextEncoding encoding = grid.Encoding().encoding;
    m_sourceHeads.push_back(ShownText(
        grid, PadOrCut(TitleText(grid, col), 10, encoding) + ":" + PadOrCut(grid.Cell(col, 1), 10, encoding)));
    LBSource->addItem(QString());
    RefreshSourceEntry(col);
  }
  LBSource->setCurrentRow(0);
  const int lineHeight = LBSource->fontMetrics().height();
  LBSource->setMinimumSize(LBSource->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 60, 14 * lineHeight);
  LBTarget->setMinimumSize(LBTarget->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24, 14 * lineHeight);

  BtnSanshou = Named(new QPushButton(QStringLiteral("比較"), this), "BtnSanshou");
  SpeedButton1 = Named(new QPushButton(QStringLiteral("置換"), this), "SpeedButton1");
  SpeedButton2 = Named(new QPushButton(QStringLiteral("連結"), this), "SpeedButton2");
  BtnKaijo = Named(new QPushButton(QStringLiteral("解除"), this), "BtnKaijo");
  BtnSanshou->setToolTip(QStringLiteral("比較する項目に設定します。"));
  SpeedButton1->setToolTip(QStringLiteral("データを置換する項目に設定します。"));
  SpeedButton2->setToolTip(QStringLiteral("データを連結する項目に設定します。"));
  BtnKaijo->setToolTip(QStringLiteral("設定を解除します。"));
  PaintButtonCaption(*BtnSanshou, RoleColour(MergeRole::Key, palette()));
  PaintButtonCaption(*SpeedButton1, RoleColour(MergeRole::Replace, palette()));
  PaintButtonCaption(*SpeedButton2, RoleColour(MergeRole::Append, palette()));
  PaintButtonCaption(*BtnKaijo, Qt::red);

  auto* options = new QGroupBox(QStringLiteral("比較オプション"), this);
  auto* optionLayout = new QHBoxLayout(options);
  const CompareOptionBoxes compare = NewCompareOptionBoxes(options, true);
  CBNoKataHira = compare.noKataHira;
  CBNoHanZen = compare.noHanZen;
  CBNoLS = compare.noLS;
  for (QCheckBox* box : compare.All()) optionLayout->addWidget(box);

  const CommandButtons buttons = NewCommandButtons(this, {QStringLiteral("OK"), QStringLiteral("中止(&A)")});
  BtnHelp = buttons.help;
  btnAbort = buttons.abort;
  btnOk = buttons.ok;
  m_helpKey = buttons.helpKey;
  for (QPushButton* button : {BtnSanshou, SpeedButton1, SpeedButton2, BtnKaijo}) button->setAutoDefault(false);

  auto* headLayout = new QHBoxLayout;
  headLayout->addWidget(Label1);
  headLayout->addStretch();
  headLayout->addWidget(Label3);
  auto* sourceLayout = new QVBoxLayout;
  sourceLayout->addLayout(headLayout);
  sourceLayout->addWidget(LBSource);
  auto* roleLayout = new QVBoxLayout;
  roleLayout->addStretch();
  for (QPushButton* button : {BtnSanshou, SpeedButton1, SpeedButton2, BtnKaijo}) roleLayout->addWidget(button);
  roleLayout->addStretch();
  auto* targetLayout = new QVBoxLayout;
  targetLayout->addWidget(Label2);
  targetLayout->addWidget(LBTarget);
  auto* listsLayout = new QHBoxLayout;
  listsLayout->addLayout(sourceLayout);
  listsLayout->addLayout(roleLayout);
  listsLayout->addLayout(targetLayout);
  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addLayout(listsLayout);
  formLayout->addWidget(options);
  formLayout->addLayout(buttons.row);
}

void THeigouForm::ConnectEvents() {
  connect(BtnSanshou, &QPushButton::clicked, this, [this] { SetRole(MergeRole::Key); });
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { SetRole(MergeRole::Replace); });
  connect(SpeedButton2, &QPushButton::clicked, this, [this] { SetRole(MergeRole::Append); });
  connect(BtnKaijo, &QPushButton::clicked, this, [this] { SetRole(MergeRole::None); });
  connect(LBSource, &QListWidget::currentRowChanged, this, &THeigouForm::UpdateButtons);
  for (QCheckBox* box : {CBNoKataHira, CBNoHanZen, CBNoLS}) {
    connect(box, &QCheckBox::toggled, this, &THeigouForm::PaintChoices);
  }
  connect(BtnHelp, &QPushButton::clicked, this, &THeigouForm::BtnHelpClick);
  connect(m_helpKey, &QShortcut::activated, this, &THeigouForm::BtnHelpClick);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnOk, &QPushButton::clicked, this, [this] {
    if (MergeAllowed(Options())) accept();
  });
}

void THeigouForm::SetRole(MergeRole role) {
  const int col = LBSource->currentRow();
  const int field = LBTarget->currentRow();
  if (col < 0) return;
  // The row numbers can be compared but take no data.
  if (col == 0 && (role == MergeRole::Replace || role == MergeRole::Append)) return;
  if (role != MergeRole::None && field < 0) return;
  m_items[static_cast<std::size_t>(col)] = role == MergeRole::None ? TSourceItem{} : TSourceItem{field, role};
  RefreshSourceEntry(col);
  MoveDown(*LBSource);
  MoveDown(*LBTarget);
  UpdateButtons();
}

void THeigouForm::RefreshSourceEntry(int col) {
  const TSourceItem& item = m_items[static_cast<std::size_t>(col)];
  QListWidgetItem* entry = LBSource->item(col);
  QString text = m_sourceHeads[col] + ShownProgramText(" \x81\xa9" + PadOrCut(RoleLabel(item.role), 4) + " :");
  if (item.field >= 0 && item.field < LBTarget->count()) text += LBTarget->item(item.field)->text();
  entry->setText(text);
  entry->setData(kRoleData, static_cast<int>(item.role));
}

void THeigouForm::UpdateButtons() {
  const bool rowNumbers = LBSource->currentRow() == 0;
  SpeedButton1->setEnabled(!rowNumbers);
  SpeedButton2->setEnabled(!rowNumbers);
  btnOk->setEnabled(MergeAllowed(Options()));
}

void THeigouForm::PaintChoices() {
  for (QCheckBox* box : {CBNoKataHira, CBNoHanZen, CBNoLS}) PaintCaption(*box, box->isChecked());
}

void THeigouForm::BtnHelpClick() { m_services.help.ShowContext(help::kHelpMerge); }

MergeOptions THeigouForm::Options() const {
  MergeOptions options;
  options.items = m_items;
  options.ignoreKana = CBNoKataHira->isChecked();
  options.ignoreWidth = CBNoHanZen->isChecked();
  options.ignoreCase = CBNoLS->isChecked();
  return options;
}

bool AskMerge(QWidget* parent, platform::Services& services, const TableDocument& grid, const MergeSource& other,
              const QString& fileName, MergeOptions& options) {
  THeigouForm dialog(parent, services, grid, other, fileName);
  if (!ExecQuestionDialog(dialog, parent, services.prompter)) return false;
  options = dialog.Options();
  return true;
}

}  // namespace tabulo::ui
