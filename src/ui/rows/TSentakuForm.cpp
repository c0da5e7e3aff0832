#include "ui/rows/TSentakuForm.h"

#include <QButtonGroup>
#include <QCheckBox>
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

#include "core/base/Errors.h"
#include "ui/app/ChosenCaption.h"
#include "ui/app/CommandButtons.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/app/QuestionDialog.h"
#include "ui/rows/CompareOptionBoxes.h"
#include "ui/rows/OperatorBox.h"

namespace tabulo::ui {
namespace {

constexpr const char* kSaveTypeCaptions[5] = {"カンマ区切", "タブ区切", "Ｋ３形式", "全てを \" で囲む", "引用符無し"};

}  // namespace

TSentakuForm::TSentakuForm(QWidget* parent, platform::Services& services, const TableDocument& grid,
                           const SaveOptions& preset)
    : QDialog(parent), m_services(services), m_encoding(grid.Encoding().encoding) {
  setWindowTitle(QStringLiteral("絞り込み検索の設定"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls(grid, preset);
  ConnectEvents();
  for (int row = 0; row < kRows; ++row) CBKChange(row);
  PaintChoices();
  UpdateModeLook();
}

void TSentakuForm::BuildControls(const TableDocument& grid, const SaveOptions& preset) {
  // Entry 0 is every column; entry c is column c's title, "：" and its first
  // data row's text.
  QStringList columns{QStringLiteral("全ての項目")};
  for (int col = 1; col < grid.ColCount(); ++col) {
    columns << ShownText(grid, grid.Cell(col, 0)) + QStringLiteral("：") + ShownText(grid, grid.Cell(col, 1));
    m_items.push_back(grid.Item(col));
  }

  auto* conditionLayout = new QGridLayout;
  const char* headings[4] = {"対象項目", "扱い", "選択条件", "検索データ"};
  for (int column = 0; column < 4; ++column) {
    conditionLayout->addWidget(new QLabel(QString::fromUtf8(headings[column]), this), 0, column);
  }
  for (int row = 0; row < kRows; ++row) {
    const QString number = QString::number(row + 1);
    CBK[row] = Named(new QComboBox(this), "CBK" + number);
    CBK[row]->addItems(columns);
    CBK[row]->setMaxVisibleItems(16);
    CBK[row]->setMinimumWidth(160);
    CBType[row] = Named(new QComboBox(this), "CBType" + number);
    CBType[row]->addItems({QStringLiteral("文字"), QStringLiteral("数値"), QStringLiteral("日付"), QStringLiteral("時刻")});
    CBType[row]->setEnabled(false);
    CBJ[row] = Named(new OperatorBox(this), "CBJ" + number);
    EditS[row] = Named(new QLineEdit(this), "EditS" + number);
    EditS[row]->setMinimumWidth(140);
    conditionLayout->addWidget(CBK[row], row + 1, 0);
    conditionLayout->addWidget(CBType[row], row + 1, 1);
    conditionLayout->addWidget(CBJ[row], row + 1, 2);
    conditionLayout->addWidget(EditS[row], row + 1, 3);
  }

  auto* options = new QGroupBox(QStringLiteral("比較オプション"), this);
  RDAnd = Named(new QRadioButton(QStringLiteral("AND"), options), "RDAnd");
  RDOr = Named(new QRadioButton(QStringLiteral("OR"), options), "RDOr");
  RDAnd->setChecked(true);
  const CompareOptionBoxes compare = NewCompareOptionBoxes(options, true);
  CBNoKataHira = compare.noKataHira;
  CBNoHanZen = compare.noHanZen;
  CBNoLS = compare.noLS;
  auto* optionsLayout = new QGridLayout(options);
  optionsLayout->addWidget(RDAnd, 0, 0);
  optionsLayout->addWidget(RDOr, 1, 0);
  optionsLayout->addWidget(CBNoKataHira, 0, 1);
  optionsLayout->addWidget(CBNoHanZen, 1, 1);
  optionsLayout->addWidget(CBNoLS, 2, 1);

  RGMode = Named(new QGroupBox(QStringLiteral("実行モード"), this), "RGMode");
  m_modeItems = new QButtonGroup(this);
  auto* modeLayout = new QVBoxLayout(RGMode);
  const char* modes[2] = {"抽出して表示", "ファイルへ出力"};
  for (int mode = 0; mode < 2; ++mode) {
    auto* item = Named(new QRadioButton(QString::fromUtf8(modes[mode]), RGMode), QStringLiteral("RGMode%1").arg(mode));
    m_modeItems->addButton(item, mode);
    modeLayout->addWidget(item);
  }
  m_modeItems->button(0)->setChecked(true);

  RGSaveType = Named(new QGroupBox(QStringLiteral("保存形式"), this), "RGSaveType");
  m_saveTypeItems = new QButtonGroup(this);
  auto* saveLayout = new QGridLayout(RGSaveType);
  for (int type = 0; type < 5; ++type) {
    auto* item = Named(new QRadioButton(QString::fromUtf8(kSaveTypeCaptions[type]), RGSaveType),
                       QStringLiteral("RGSaveType%1").arg(type));
    m_saveTypeItems->addButton(item, type);
    saveLayout->addWidget(item, type / 3, type % 3);
  }
  m_saveTypeItems->button(static_cast<int>(preset.Format()))->setChecked(true);
  CBCTL = Named(new QCheckBox(QStringLiteral("属性の保存"), RGSaveType), "CBCTL");
  CBTitle = Named(new QCheckBox(QStringLiteral("タイトル行付加"), RGSaveType), "CBTitle");
  CBNo = Named(new QCheckBox(QStringLiteral("行番号を付加"), RGSaveType), "CBNo");
  CBCTL->setChecked(preset.SaveAttributes);
  CBTitle->setChecked(preset.WithTitle);
  CBNo->setChecked(preset.WithRowNumbers);
  saveLayout->addWidget(CBCTL, 2, 0);
  saveLayout->addWidget(CBTitle, 2, 1);
  saveLayout->addWidget(CBNo, 2, 2);

  const CommandButtons buttons = NewCommandButtons(this, {QStringLiteral("実行(&S)"), QStringLiteral("中止(&A)")});
  BtnHelp = buttons.help;
  btnAbort = buttons.abort;
  btnOk = buttons.ok;
  m_helpKey = buttons.helpKey;
  btnOk->setEnabled(false);

  auto* middleLayout = new QHBoxLayout;
  middleLayout->addWidget(options);
  middleLayout->addWidget(RGMode);
  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addLayout(conditionLayout);
  formLayout->addLayout(middleLayout);
  formLayout->addWidget(RGSaveType);
  formLayout->addLayout(buttons.row);
}

void TSentakuForm::ConnectEvents() {
  for (int row = 0; row < kRows; ++row) {
    connect(CBK[row], &QComboBox::currentIndexChanged, this, [this, row] { CBKChange(row); });
    connect(CBType[row], &QComboBox::currentIndexChanged, this, [this, row] { ConditionChange(row); });
    connect(EditS[row], &QLineEdit::textChanged, this, [this, row] { ConditionChange(row); });
  }
  for (QAbstractButton* box : {static_cast<QAbstractButton*>(RDAnd), static_cast<QAbstractButton*>(RDOr),
                               static_cast<QAbstractButton*>(CBNoKataHira), static_cast<QAbstractButton*>(CBNoHanZen),
                               static_cast<QAbstractButton*>(CBNoLS), static_cast<QAbstractButton*>(CBTitle),
                               static_cast<QAbstractButton*>(CBNo)}) {
    connect(box, &QAbstractButton::toggled, this, &TSentakuForm::PaintChoices);
  }
  connect(CBCTL, &QCheckBox::toggled, this, [this] {
    CBTitle->setEnabled(!CBCTL->isChecked());
    CBNo->setEnabled(CBTitle->isEnabled());
    PaintChoices();
  });
  connect(m_saveTypeItems, &QButtonGroup::idToggled, this, &TSentakuForm::PaintChoices);
  connect(m_modeItems, &QButtonGroup::idToggled, this, [this] {
    PaintChoices();
    UpdateModeLook();
  });
  connect(BtnHelp, &QPushButton::clicked, this, &TSentakuForm::BtnHelpClick);
  connect(m_helpKey, &QShortcut::activated, this, &TSentakuForm::BtnHelpClick);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnOk, &QPushButton::clicked, this, &TSentakuForm::btnOkClick);
  CBTitle->setEnabled(!CBCTL->isChecked());
  CBNo->setEnabled(CBTitle->isEnabled());
}

void TSentakuForm::CBKChange(int row) {
  const int col = CBK[row]->currentIndex();
  // Every column is searched as text; a single column as its type says.
  CBType[row]->setEnabled(col >= 1);
  const FilterTreatment treatment =
      col >= 1 && col <= static_cast<int>(m_items.size()) ? DefaultTreatment(m_items[static_cast<std::size_t>(col - 1)])
                                                          : FilterTreatment::String;
  if (CBType[row]->currentIndex() != static_cast<int>(treatment)) {
    CBType[row]->setCurrentIndex(static_cast<int>(treatment));  // runs ConditionChange
  } else {
    ConditionChange(row);
  }
}

void TSentakuForm::ConditionChange(int row) {
  FilterCondition condition = ChoicesOf(row);
  // A text the document cannot hold shows yellow, as one that does not read
  // as its treatment; OK reports it.
  bool fits = false;
  try {
    condition.text = StoredText(m_encoding, EditS[row]->text());
    fits = SearchTextConverts(condition.text, condition.treatment);
  } catch (const ConvertError&) {
  }
  QPalette palette = EditS[row]->palette();
  palette.setColor(QPalette::Base, fits ? QWidget::palette().color(QPalette::Base) : QColor(Qt::yellow));
  EditS[row]->setPalette(palette);
  CBJ[row]->SetCondition(condition.column == 0, condition.treatment == FilterTreatment::String);
  bool anyText = false;
  for (const QLineEdit* edit : EditS) anyText |= !edit->text().isEmpty();
  btnOk->setEnabled(anyText);
}

void TSentakuForm::PaintChoices() {
  for (QAbstractButton* box : {static_cast<QAbstractButton*>(RDAnd), static_cast<QAbstractButton*>(RDOr),
                               static_cast<QAbstractButton*>(CBNoKataHira), static_cast<QAbstractButton*>(CBNoHanZen),
                               static_cast<QAbstractButton*>(CBNoLS), static_cast<QAbstractButton*>(CBCTL),
                               static_cast<QAbstractButton*>(CBTitle), static_cast<QAbstractButton*>(CBNo)}) {
    PaintCaption(*box, box->isChecked());
  }
  for (QAbstractButton* item : m_modeItems->buttons()) PaintCaption(*item, item->isChecked());
  for (QAbstractButton* item : m_saveTypeItems->buttons()) PaintCaption(*item, item->isChecked());
}

void TSentakuForm::UpdateModeLook() {
  // The save choices show only for file output; the dialog grows for them.
  RGSaveType->setVisible(m_modeItems->checkedId() == 1);
}

FilterCondition TSentakuForm::ConditionOf(int row) const {
  FilterCondition condition = ChoicesOf(row);
  condition.text = StoredText(m_encoding, EditS[row]->text());
  return condition;
}

FilterCondition TSentakuForm::ChoicesOf(int row) const {
  FilterCondition condition;
  condition.column = std::max(0, CBK[row]->currentIndex());
  condition.treatment = condition.column == 0 ? FilterTreatment::String
                                              : static_cast<FilterTreatment>(std::max(0, CBType[row]->currentIndex()));
  condition.op = static_cast<FilterOperator>(std::max(0, CBJ[row]->currentIndex()));
  return condition;
}

FilterRequest TSentakuForm::Request() const {
  FilterRequest request;
  for (int row = 0; row < kRows; ++row) request.options.conditions[static_cast<std::size_t>(row)] = ConditionOf(row);
  request.options.useOr = RDOr->isChecked();
  request.options.ignoreKana = CBNoKataHira->isChecked();
  request.options.ignoreWidth = CBNoHanZen->isChecked();
  request.options.ignoreCase = CBNoLS->isChecked();
  request.toFile = m_modeItems->checkedId() == 1;
  request.save.SaveType = std::max(0, m_saveTypeItems->checkedId());
  request.save.SaveAttributes = CBCTL->isChecked();
  request.save.WithTitle = CBTitle->isChecked() && !CBCTL->isChecked();
  request.save.WithRowNumbers = CBNo->isChecked() && !CBCTL->isChecked();
  request.file = m_file;
  return request;
}

bool TSentakuForm::CheckConditions() {
  switch (tabulo::CheckConditions(Request().options)) {
    case ConditionCheck::Forbidden:
      m_services.prompter.Ask(MessageId::FilterAllColumnsOperator);
      return false;
    case ConditionCheck::Dubious: return m_services.prompter.Ask(MessageId::FilterDubiousConditionQuestion) == Answer::Yes;
    default: return true;
  }
}

void TSentakuForm::btnOkClick() {
  // A searched text the document cannot hold is reported here.
  bool checked = false;
  if (!RunCommand(m_services.prompter, [&] { checked = CheckConditions(); }) || !checked) return;
  if (m_modeItems->checkedId() == 1) {
    platform::FileDialogOptions options;
    options.title = "選択結果の保存";
    options.filter = "ＣＳＶ形式ファイル(*.csv,*.txt,*.tsv)|*.csv;*.txt;*.tsv|全てのファイル(*.*)|*.*";
    options.defaultExtension = "csv";
    std::error_code noFolder;  // a working folder that is gone leaves the dialog to choose
    options.initialFolder = std::filesystem::current_path(noFolder);
    options.confirmOverwrite = true;
    const std::optional<std::filesystem::path> chosen = m_services.fileDialogs.Save(options);
    if (!chosen) return;  // back to the dialog
    m_file = *chosen;
  }
  accept();
}

void TSentakuForm::BtnHelpClick() { m_services.help.ShowContext(help::kHelpFilter); }

bool AskFilter(QWidget* parent, platform::Services& services, const TableDocument& grid, const SaveOptions& preset,
               FilterRequest& request) {
  TSentakuForm dialog(parent, services, grid, preset);
  dialog.layout()->activate();
  if (!ExecQuestionDialog(dialog, parent, services.prompter)) return false;
  request = dialog.Request();
  return true;
}

}  // namespace tabulo::ui
