#include "ui/rows/TFormDaburi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/locale/Cp932.h"
#include "ui/app/ChosenCaption.h"
#include "ui/app/CommandButtons.h"
#include "ui/app/DocumentText.h"
#include "ui/app/FixedPitchFont.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/app/QuestionDialog.h"
#include "ui/rows/CompareOptionBoxes.h"

namespace tabulo::ui {

TFormDaburi::TFormDaburi(QWidget* parent, platform::Services& services, const TableDocument& grid)
    : QDialog(parent), m_services(services) {
  setWindowTitle(QStringLiteral("重複行の抽出"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls(grid);
  ConnectEvents();
  PaintChoices();
  UpdateOkButton();
  layout()->activate();  // fixes the size now, so the caller can place the dialog
}

void TFormDaburi::BuildControls(const TableDocument& grid) {
  Label1 = Named(new QLabel(QStringLiteral("比較する項目を選択して下さい。（複数可）"), this), "Label1");
  Label1->setAlignment(Qt::AlignCenter);
  QPalette blue = Label1->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label1->setPalette(blue);

  ColList = Named(new QListWidget(this), "ColList");
  ColList->setSelectionMode(QAbstractItemView::MultiSelection);
  ColList->setFont(FixedPitchFont());
  // Each data column as "%-10.10s : %s": the title padded or cut to ten bytes
  // on whole characters, then the text of data row 1.
  for (int col = 1; col < grid.ColCount(); ++col) {
    const std::string caption =
        PadOrCut(grid.Cell(col, 0), 10, grid.Encoding().encoding) + " : " + std::string(grid.Cell(col, 1));
    auto* item = new QListWidgetItem(ShownText(grid, caption), ColList);
    item->setData(Qt::UserRole, col);
  }
  ColList->setMinimumSize(240, 12 * ColList->fontMetrics().height());

  RGHowTo = Named(new QGroupBox(QStringLiteral("重複行の処理方法"), this), "RGHowTo");
  m_howToItems = new QButtonGroup(this);
  auto* howToLayout = new QHBoxLayout(RGHowTo);
  const char* howTo[2] = {"抽出して表示する", "後方の行を削除する"};
  for (int item = 0; item < 2; ++item) {
    auto* button = Named(new QRadioButton(QString::fromUtf8(howTo[item]), RGHowTo), QStringLiteral("RGHowTo%1").arg(item));
    m_howToItems->addButton(button, item);
    howToLayout->addWidget(button);
  }
  m_howToItems->button(0)->setChecked(true);

  auto* options = new QGroupBox(QStringLiteral("抽出オプション"), this);
  auto* optionLayout = new QVBoxLayout(options);
  const CompareOptionBoxes compare = NewCompareOptionBoxes(options, false);
  CBNoKataHira = compare.noKataHira;
  CBNoHanZen = compare.noHanZen;
  CBNoLS = compare.noLS;
  for (QCheckBox* box : compare.All()) optionLayout->addWidget(box);

  const CommandButtons buttons = NewCommandButtons(this, {QStringLiteral("OK"), QStringLiteral("キャンセル")});
  BtnHelp = buttons.help;
  btnAbort = buttons.abort;
  btnOk = buttons.ok;
  m_helpKey = buttons.helpKey;

  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addWidget(Label1);
  formLayout->addWidget(ColList);
  formLayout->addWidget(RGHowTo);
  formLayout->addWidget(options);
  formLayout->addLayout(buttons.row);
}

void TFormDaburi::ConnectEvents() {
  for (QCheckBox* box : {CBNoKataHira, CBNoHanZen, CBNoLS}) {
    connect(box, &QCheckBox::toggled, this, &TFormDaburi::PaintChoices);
  }
  connect(m_howToItems, &QButtonGroup::idToggled, this, &TFormDaburi::PaintChoices);
  // Re-evaluated whenever the selection changes, by mouse or by keyboard.
  connect(ColList, &QListWidget::itemSelectionChanged, this, &TFormDaburi::UpdateOkButton);
  connect(BtnHelp, &QPushButton::clicked, this, &TFormDaburi::BtnHelpClick);
  connect(m_helpKey, &QShortcut::activated, this, &TFormDaburi::BtnHelpClick);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnOk, &QPushButton::clicked, this, [this] {
    if (!ColList->selectedItems().isEmpty()) accept();
  });
}

void TFormDaburi::PaintChoices() {
  for (QCheckBox* box : {CBNoKataHira, CBNoHanZen, CBNoLS}) PaintCaption(*box, box->isChecked());
  for (QAbstractButton* item : m_howToItems->buttons()) PaintCaption(*item, item->isChecked());
}

void TFormDaburi::UpdateOkButton() { btnOk->setEnabled(!ColList->selectedItems().isEmpty()); }

void TFormDaburi::BtnHelpClick() { m_services.help.ShowContext(help::kHelpDuplicates); }

DuplicateRequest TFormDaburi::Request() const {
  DuplicateRequest request;
  for (int row = 0; row < ColList->count(); ++row) {
    if (ColList->item(row)->isSelected()) request.options.columns.push_back(ColList->item(row)->data(Qt::UserRole).toInt());
  }
  request.options.ignoreKana = CBNoKataHira->isChecked();
  request.options.ignoreWidth = CBNoHanZen->isChecked();
  request.options.ignoreCase = CBNoLS->isChecked();
  request.deleteLater = m_howToItems->checkedId() == 1;
  return request;
}

bool AskDuplicates(QWidget* parent, platform::Services& services, const TableDocument& grid,
                   DuplicateRequest& request) {
  TFormDaburi dialog(parent, services, grid);
  if (!ExecQuestionDialog(dialog, parent, services.prompter)) return false;
  request = dialog.Request();
  return true;
}

}  // namespace tabulo::ui
