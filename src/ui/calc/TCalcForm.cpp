#include "ui/calc/TCalcForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/base/Errors.h"
#include "ui/app/DocumentText.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/OwnerCentre.h"
#include "ui/app/ProgressBarSink.h"
#include "ui/calc/FormulaMenus.h"

namespace tabulo::ui {
namespace {

const QColor kBlue(0, 0, 255);

void SetTextColour(QWidget* widget, bool blue) {
  QPalette palette = widget->palette();
  const QColor normal = widget->style()->standardPalette().color(QPalette::WindowText);
  palette.setColor(QPalette::WindowText, blue ? kBlue : normal);
  palette.setColor(QPalette::ButtonText, blue ? kBlue : normal);
  widget->setPalette(palette);
}

// A drop-down list of columns. Its width does not follow its entries, which
// would have every entry measured: seconds for a file of many thousand columns.
QComboBox* ColumnChoice(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(16);
  return box;
}

// A radio group: a titled box of buttons whose ids are their positions.
QGroupBox* RadioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                      int chosen, QButtonGroup*& group) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < captions.size(); ++i) {
    auto* button = new QRadioButton(captions[i], box);
    button->setObjectName(QString("%1_%2").arg(name).arg(i));
    group->addButton(button, i);
    layout->addWidget(button);
  }
  group->button(chosen)->setChecked(true);
  return box;
}

}  // namespace

TCalcForm::TCalcForm(QWidget* parent, platform::Services& services, TableDocument& grid, bool offerDown,
                     bool offerNewColumn, std::vector<std::string> history)
    : QDialog(parent), m_services(services), m_grid(grid), m_engine(&grid), m_history(std::move(history)) {
  setObjectName("TCalcForm");
  setWindowTitle("集計の設定");
  BuildControls();
  if (!offerDown) PageControl->setTabVisible(PageDown, false);
  if (!offerNewColumn) CBNewCol->hide();
  ConnectEvents();
  PageChanged(PageControl->currentIndex());
  UpdateColours();
  adjustSize();
  setFixedSize(size());
  if (parent) MoveToOwnerCentre(this, parent->window());
}

TCalcForm::~TCalcForm() = default;

void TCalcForm::BuildControls() {
  const auto text = [&](std::string_view bytes) { return ShownText(m_grid, bytes); };

  // The column list, shared by the two aggregation pages.
  GBKoumoku = new QGroupBox("集計項目の指定", this);
  auto* listLayout = new QVBoxLayout(GBKoumoku);
  LBKoumoku = new QListWidget(GBKoumoku);
  LBKoumoku->setObjectName("LBKoumoku");
  LBKoumoku->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LBKoumoku->setUniformItemSizes(true);
  listLayout->addWidget(LBKoumoku);
  for (int col = 1; col < m_grid.ColCount(); ++col) LBKoumoku->addItem(text(m_grid.Cell(col, 0)) + "：" + text(m_grid.Cell(col, 1)));

  // The range and the target, shared by the across and formula pages.
  GBRange = RadioGroup(this, "RG3", "集計範囲", {"全行", "選択行"}, 0, RG3);
  GBTarget = new QGroupBox("結果の代入先", this);
  auto* targetLayout = new QVBoxLayout(GBTarget);
  CBNewCol = new QCheckBox("新規に列を作成して代入", GBTarget);
  CBNewCol->setObjectName("CBNewCol");
  LabelCols = new QLabel("結果を代入する列", GBTarget);
  LabelCols->setObjectName("LabelCols");
  CBCols = ColumnChoice(GBTarget, "CBCols");
  for (int col = 1; col < m_grid.ColCount(); ++col) CBCols->addItem(LBKoumoku->item(col - 1)->text());
  CBCols->setCurrentIndex(std::clamp(m_grid.Col() - 1, 0, std::max(CBCols->count() - 1, 0)));
  targetLayout->addWidget(CBNewCol);
  targetLayout->addWidget(LabelCols);
  targetLayout->addWidget(CBCols);

  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  TSCalcX = BuildAcrossPage();
  TSCalcY = BuildDownPage();
  TSCalcXX = BuildFormulaPage();
  PageControl->addTab(TSCalcX, "横集計");
  PageControl->addTab(TSCalcY, "縦集計");
  PageControl->addTab(TSCalcXX, "計算");

  PBar = new QProgressBar(this);
  PBar->setObjectName("PBar");
  PBar->setRange(0, 100);
  PBar->hide();
  m_progress = std::make_unique<ProgressBarSink>(PBar);
  BtnHelp = new QPushButton("ヘルプ(&H)", this);
  btnAbort = new QPushButton("中止(&A)", this);
  btnAbort->setObjectName("btnAbort");
  btnCalc = new QPushButton("実行(&G)", this);
  btnCalc->setObjectName("btnCalc");
  btnCalc->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnHelp);
  buttons->addWidget(PBar, 1);
  buttons->addWidget(btnCalc);
  buttons->addWidget(btnAbort);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl);
  layout->addLayout(buttons);
}

QWidget* TCalcForm::BuildAcrossPage() {
  auto* page = new QWidget;
  page->setObjectName("TSCalcX");
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(RadioGroup(page, "RG1", "データの扱い", {"文字列", "数値", "日付", "時間"}, 1, RG1));
  layout->addWidget(
      RadioGroup(page, "RG2", "集計方法", {"合計", "平均", "最大値", "最小値", "分散", "標準偏差"}, 1, RG2));
  auto* shared = new QVBoxLayout;
  shared->setObjectName("SharedX");
  layout->addLayout(shared);
  return page;
}

QWidget* TCalcForm::BuildDownPage() {
  auto* page = new QWidget;
  page->setObjectName("TSCalcY");
  auto* layout = new QHBoxLayout(page);
  auto* right = new QVBoxLayout;
  auto* help = new QLabel("\n　左のリストで指定した項目のデータを集計して、結果を新しい行として追加します。", page);
  help->setObjectName("SText");
  help->setWordWrap(true);
  right->addWidget(help);
  right->addWidget(RadioGroup(page, "RG4", "データの扱い", {"数値", "日付", "時間"}, 0, RG4));
  auto* needed = new QGroupBox("必要な集計", page);
  auto* neededLayout = new QVBoxLayout(needed);
  const char* names[kStatisticCount] = {"CBGoukei", "CBHeikin", "CBMax", "CBMin", "CBBunsan", "CBHensa"};
  const char* captions[kStatisticCount] = {"合計", "平均", "最大値", "最小値", "分散", "標準偏差"};
  for (int i = 0; i < kStatisticCount; ++i) {
    CBStatistics[i] = new QCheckBox(captions[i], needed);
    CBStatistics[i]->setObjectName(names[i]);
    neededLayout->addWidget(CBStatistics[i]);
  }
  CBStatistics[static_cast<int>(Statistic::Mean)]->setChecked(true);
  right->addWidget(needed);
  right->addWidget(new QLabel("集計の名前を代入する項目", page));
  CBLabel = ColumnChoice(page, "CBLabel");
  for (int i = 0; i < CBCols->count(); ++i) CBLabel->addItem(CBCols->itemText(i));
  right->addWidget(CBLabel);
  auto* list = new QVBoxLayout;
  list->setObjectName("ListY");
  layout->addLayout(list, 1);
  layout->addLayout(right);
  return page;
}

QWidget* TCalcForm::BuildFormulaPage() {
  auto* page = new QWidget;
  page->setObjectName("TSCalcXX");
  auto* layout = new QVBoxLayout(page);
  auto* help = new QLabel(
      "計算式の欄に入力された式を計算して、\n結果の代入先に指定された列の値を置換します。\n（例）\n"
      "　　TRUNC( ( [列1] + [列2] + [列3] ) / 3 * 10 + 0.5 ) / 10\n"
      "　　→　列１～列３の平均を小数第２位で四捨五入します。",
      page);
  help->setObjectName("SText2");
  layout->addWidget(help);
  layout->addStretch(1);  // spare height goes above the field, which stays with its label
  layout->addWidget(new QLabel("計算式", page));
  CBCalcLine = new QComboBox(page);
  CBCalcLine->setObjectName("CBCalcLine");
  CBCalcLine->setEditable(true);
  CBCalcLine->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& entry : m_history) CBCalcLine->addItem(ShownProgramText(entry));
  CBCalcLine->setEditText(QString());
  layout->addWidget(CBCalcLine);
  auto* buttons = new QHBoxLayout;
  btnColName = new QPushButton("項目名入力", page);
  btnColName->setObjectName("btnColName");
  btnFuncName = new QPushButton("関数名入力", page);
  btnFuncName->setObjectName("btnFuncName");
  btnTest = new QPushButton("テスト", page);
  btnTest->setObjectName("btnTest");
  PanelResult = new QLabel(page);
  PanelResult->setObjectName("PanelResult");
  PanelResult->setFrameShape(QFrame::StyledPanel);
  PanelResult->setAutoFillBackground(true);
  PanelResult->setMinimumWidth(160);
  for (QWidget* widget : std::initializer_list<QWidget*>{btnColName, btnFuncName, btnTest, PanelResult}) {
    buttons->addWidget(widget);
  }
  layout->addLayout(buttons);
  layout->addSpacing(8);
  auto* shared = new QHBoxLayout;
  shared->setObjectName("SharedXX");
  layout->addLayout(shared);
  m_menus = new FormulaMenus(FormulaMenuOwner::Dialog, CBCalcLine->lineEdit(), this);
  return page;
}

void TCalcForm::ConnectEvents() {
  connect(PageControl, &QTabWidget::currentChanged, this, &TCalcForm::PageChanged);
  connect(btnCalc, &QPushButton::clicked, this, &TCalcForm::btnCalcClick);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtnHelp, &QPushButton::clicked, this, [this] { m_services.help.ShowContext(help::kHelpCalcDialog); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { m_services.help.ShowContext(help::kHelpCalcDialog); });
  connect(btnTest, &QPushButton::clicked, this, &TCalcForm::btnTestClick);
  connect(btnColName, &QPushButton::clicked, this, [this] {
    // Built when first asked for (the grid does not change while the dialog
    // is open, so later calls keep it): a file of many thousand columns
    // would otherwise slow down every opening of the dialog.
    m_menus->RebuildColumnMenu(m_grid);
    FormulaMenus::PopUpBelow(m_menus->ColumnMenu(), CBCalcLine);
  });
  connect(btnFuncName, &QPushButton::clicked, this, [this] { m_menus->PopUpFunctionsBelow(CBCalcLine); });
  connect(CBCalcLine, &QComboBox::editTextChanged, this, &TCalcForm::CBCalcLineChange);
  for (QButtonGroup* group : {RG1, RG2, RG3, RG4}) {
    connect(group, &QButtonGroup::idToggled, this, &TCalcForm::UpdateColours);
  }
  for (QCheckBox* box : CBStatistics) connect(box, &QCheckBox::toggled, this, &TCalcForm::UpdateColours);
  connect(CBNewCol, &QCheckBox::toggled, this, &TCalcForm::UpdateColours);
}

void TCalcForm::SetPage(Page page) { PageControl->setCurrentIndex(page); }

void TCalcForm::PageChanged(int page) {
  // The shared groups move to the page being shown.
  const auto place = [](QWidget* widget, QWidget* onto, const char* layoutName) {
    if (auto* layout = onto->findChild<QBoxLayout*>(layoutName)) {
      widget->setParent(onto);
      layout->addWidget(widget);
      widget->show();
    }
  };
  if (page == PageAcross || page == PageFormula) {
    QWidget* target = page == PageAcross ? TSCalcX : TSCalcXX;
    const char* layout = page == PageAcross ? "SharedX" : "SharedXX";
    place(GBRange, target, layout);
    place(GBTarget, target, layout);
  }
  if (page == PageAcross) {
    GBKoumoku->setParent(TSCalcX);
    static_cast<QBoxLayout*>(TSCalcX->layout())->insertWidget(0, GBKoumoku, 1);
    GBKoumoku->show();
  } else if (page == PageDown) {
    place(GBKoumoku, TSCalcY, "ListY");
  }
}

void TCalcForm::UpdateColours() {
  for (QButtonGroup* group : {RG1, RG2, RG3, RG4}) {
    for (QAbstractButton* button : group->buttons()) SetTextColour(button, button->isChecked());
  }
  for (QCheckBox* box : CBStatistics) SetTextColour(box, box->isChecked());
  const bool newColumn = CBNewCol->isChecked() && CBNewCol->isVisible();
  SetTextColour(CBNewCol, CBNewCol->isChecked());
  CBCols->setEnabled(!newColumn);
  SetTextColour(LabelCols, !newColumn);  // the column list is the target: its label is blue
}

void TCalcForm::CBCalcLineChange() {
  bool compiles = false;
  if (const auto formula = Formula()) {
    try {
      m_engine.SetExpression(*formula);
      compiles = true;
    } catch (const TabuloError&) {
    }
  }
  QPalette palette = CBCalcLine->lineEdit()->palette();
  palette.setColor(QPalette::Base, compiles ? style()->standardPalette().color(QPalette::Base) : QColor(255, 255, 0));
  CBCalcLine->lineEdit()->setPalette(palette);
}

}  // namespace tabulo::ui
