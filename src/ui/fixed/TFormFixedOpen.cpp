#include "ui/fixed/TFormFixedOpen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <charconv>

#include "core/document/DocumentOperations.h"
#include "core/fixed/FixedImport.h"
#include "core/locale/Encoding.h"
#include "ui/app/ChosenCaption.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/FixedPitchFont.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/app/OwnerCentre.h"
#include "ui/app/ProgressBarSink.h"
#include "ui/fixed/FixedPreviewModel.h"
#include "ui/fixed/RawTextPane.h"

namespace tabulo::ui {
namespace {

constexpr const char* kNewDefinition = "新規設定";
constexpr const char* kUnnamedDefinition = "NoNameCnf";

// The type popup's items, types 0-5.
constexpr std::array<const char*, 6> kTypeItems = {"文字列", "整数", "数値", "日付", "時刻", "通貨"};

// How row 1 of the layout grid names a type.
QString TypeCaption(std::uint8_t type) {
  switch (type) {
    case 1: return QStringLiteral("整数");
    case 2: return QStringLiteral("数値");
    case 3: return QStringLiteral("日付");
    case 4: return QStringLiteral("時刻");
    case 5: return QStringLiteral("通貨");
    case 6: return QStringLiteral("文章");
    default: return QStringLiteral("文字");
  }
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, const char* hint = "") {
  auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
  if (*hint != '\0') button->setToolTip(QString::fromUtf8(hint));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TFormFixedOpen::TFormFixedOpen(QWidget* parent, platform::Services& services, Document& document, TextLines lines,
                               std::filesystem::path definitionFolder, QWidget* gridView)
    : QDialog(parent),
      m_services(services),
      m_document(document),
      m_lines(std::move(lines)),
      m_definition(document.printInfo, std::move(definitionFolder)),
      m_gridView(gridView) {
  setWindowTitle(QStringLiteral("固定長ﾌｨｰﾙﾄﾞデータの読込"));
  setMinimumSize(550, 440);
  for (int i = 0; i < kStartColumns; ++i) m_definition.AddField();
  BuildControls();
  ConnectEvents();
  FillDefinitionNames();
  FillLayoutGrid();
  RefreshWidths();
  PaintChoices();
  resize(800, 600);
  // Typing a number sets the first field's length.
  DG2->setCurrentCell(0, 0);
  DG2->setFocus();
}

TFormFixedOpen::~TFormFixedOpen() {
  // The views and the model read the lines and the layout, which go before
  // the dialog's own children would: they go first.
  delete DG1;
  delete m_preview;
  delete m_rawScroll;
}

int TFormFixedOpen::CharWidth() const { return DG1->fontMetrics().horizontalAdvance(QLatin1Char('W')); }

void TFormFixedOpen::BuildControls() {
  m_rawPane = new RawTextPane(m_lines, this);
  m_rawScroll = new QScrollArea(this);
  m_rawScroll->setWidget(m_rawPane);
  m_rawScroll->setWidgetResizable(true);  // as high as the pane, as wide as the longest line
  m_rawScroll->setMinimumHeight(3 * m_rawPane->LineHeight() + m_rawScroll->horizontalScrollBar()->sizeHint().height());
  m_rawScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_rawScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  m_preview = new FixedPreviewModel(m_lines, m_definition, this);
  DG1 = Named(new QTableView(this), "DG1");
  DG1->setModel(m_preview);
  DG1->setFocusPolicy(Qt::NoFocus);
  DG1->setSelectionMode(QAbstractItemView::NoSelection);
  DG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DG1->verticalHeader()->setDefaultSectionSize(DG1->fontMetrics().height() + 6);
  DG1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DG1->setWordWrap(false);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(m_rawScroll);
  splitter->addWidget(DG1);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 2);
  splitter->setSizes({160, 320});
  splitter->setChildrenCollapsible(false);

  DG2 = Named(new QTableWidget(2, 0, this), "DG2");
  DG2->setVerticalHeaderLabels({QStringLiteral("ﾌｨｰﾙﾄﾞ長"), QStringLiteral("ﾃﾞｰﾀﾀｲﾌﾟ")});
  DG2->horizontalHeader()->hide();
  DG2->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DG2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DG2->setSelectionMode(QAbstractItemView::SingleSelection);
  DG2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DG2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int rowHeight = DG2->fontMetrics().height() + 8;
  DG2->verticalHeader()->setDefaultSectionSize(rowHeight);
  DG2->setFixedHeight(2 * rowHeight + 2 * DG2->frameWidth());
  DG2->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  DG2->installEventFilter(this);

  m_progressBar = new QProgressBar(this);
  m_progressBar->setRange(0, 100);
  m_progressBar->hide();

  BtnInsert = NewButton(this, "BtnInsert", "列の挿入", "列を挿入します。");
  BtnDelete = NewButton(this, "BtnDelete", "列の削除", "列を削除します。");
  BtnAdd = NewButton(this, "BtnAdd", "列の追加", "列を追加します。");
  btnOk = NewButton(this, "btnOk", "OK");
  btnCancel = NewButton(this, "btnCancel", "キャンセル");
  BtnHelp = NewButton(this, "BtnHelp", "ヘルプ(&H)");
  btnOk->setDefault(true);

  auto* definitionBox = new QGroupBox(QStringLiteral("固定長ファイル設定名"), this);
  CBCnf = Named(new QComboBox(definitionBox), "CBCnf");
  CBCnf->setEditable(true);
  CBCnf->setInsertPolicy(QComboBox::NoInsert);
  CBCnf->setMinimumWidth(180);
  BtnCnfDelete = NewButton(definitionBox, "BtnCnfDelete", "削除", "選択されている設定を削除します。");
  CBCnfSave = Named(new QCheckBox(QStringLiteral("設定を保存"), definitionBox), "CBCnfSave");
  CBCnfSave->setChecked(true);
  auto* definitionLayout = new QHBoxLayout(definitionBox);
  definitionLayout->addWidget(CBCnf, 1);
  definitionLayout->addWidget(BtnCnfDelete);
  definitionLayout->addWidget(CBCnfSave);

  CBTrim = Named(new QCheckBox(QStringLiteral("前後の空白を除去"), this), "CBTrim");
  CBDelZero = Named(new QCheckBox(QStringLiteral("数値のゼロスペース除去"), this), "CBDelZero");
  CBCommaChange = Named(new QCheckBox(QStringLiteral("カンマを変換 （ ，→、 ）"), this), "CBCommaChange");

  auto* columnButtons = new QHBoxLayout;
  columnButtons->addWidget(BtnInsert);
  columnButtons->addWidget(BtnDelete);
  columnButtons->addWidget(BtnAdd);
  columnButtons->addStretch();
  columnButtons->addWidget(btnOk);
  columnButtons->addWidget(btnCancel);
  columnButtons->addWidget(BtnHelp);
  auto* cleanUp = new QHBoxLayout;
  cleanUp->addWidget(CBTrim);
  cleanUp->addWidget(CBDelZero);
  cleanUp->addWidget(CBCommaChange);
  cleanUp->addStretch();
  auto* bottom = new QVBoxLayout;
  bottom->addLayout(columnButtons);
  bottom->addWidget(definitionBox);
  bottom->addLayout(cleanUp);

  auto* formLayout = new QVBoxLayout(this);
  formLayout->addWidget(splitter, 1);
  formLayout->addWidget(DG2);
  formLayout->addWidget(m_progressBar);
  formLayout->addLayout(bottom);
  new QShortcut(QKeySequence::HelpContents, this, [this] { BtnHelpClick(); });
}

void TFormFixedOpen::ConnectEvents() {
  connect(DG2, &QTableWidget::cellChanged, this, &TFormFixedOpen::LengthEdited);
  connect(DG2, &QTableWidget::cellClicked, this, [this](int row, int column) {
    if (row == 1) ShowTypePopup(column);
  });
  // The preview follows the layout grid sideways, and the raw lines follow
  // the preview down.
  connect(DG2->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    DG1->horizontalScrollBar()->setValue(value);
  });
  connect(DG1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (DG2->horizontalScrollBar()->value() != value) DG2->horizontalScrollBar()->setValue(value);
  });
  connect(DG1->verticalScrollBar(), &QScrollBar::valueChanged, this, &TFormFixedOpen::SyncRawPane);
  connect(BtnInsert, &QPushButton::clicked, this, &TFormFixedOpen::BtnInsertClick);
  connect(BtnAdd, &QPushButton::clicked, this, &TFormFixedOpen::BtnAddClick);
  connect(BtnDelete, &QPushButton::clicked, this, &TFormFixedOpen::BtnDeleteClick);
  for (QCheckBox* box : {CBTrim, CBDelZero, CBCommaChange}) {
    connect(box, &QCheckBox::clicked, this, &TFormFixedOpen::CleanUpClick);
  }
  connect(CBCnfSave, &QCheckBox::clicked, this, &TFormFixedOpen::CBCnfSaveClick);
  connect(CBCnf, &QComboBox::activated, this, &TFormFixedOpen::CBCnfChoose);
  connect(BtnCnfDelete, &QPushButton::clicked, this, &TFormFixedOpen::BtnCnfDeleteClick);
  connect(btnOk, &QPushButton::clicked, this, &TFormFixedOpen::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtnHelp, &QPushButton::clicked, this, &TFormFixedOpen::BtnHelpClick);
}

void TFormFixedOpen::FillLayoutGrid() {
  m_filling = true;
  const int fields = std::max(m_definition.Count() - 1, 0);
  DG2->setColumnCount(fields);
  for (int column = 0; column < fields; ++column) {
    const TGPItem* field = m_definition.Field(column + 1);
    auto* length = new QTableWidgetItem(QString::number(field ? field->FieldLength : 0));
    length->setTextAlignment(Qt::AlignCenter);
    DG2->setItem(0, column, length);
    auto* type = new QTableWidgetItem(TypeCaption(field ? field->DataType : 0));
    type->setTextAlignment(Qt::AlignCenter);
    type->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    type->setBackground(palette().button());
    DG2->setItem(1, column, type);
  }
  m_filling = false;
}

void TFormFixedOpen::RefreshWidths() {
  const int charWidth = CharWidth();
  for (int column = 0; column + 1 < m_definition.Count(); ++column) {
    const TGPItem* field = m_definition.Field(column + 1);
    const int width = field ? FixedFieldWidth(field->FieldLength, field->Title.size(), charWidth) : charWidth;
    DG1->setColumnWidth(column, width);
    DG2->setColumnWidth(column, width);
  }
  // The row-number column of both grids is as wide as the wider label.
  const int numbers = std::max({DG1->verticalHeader()->sizeHint().width(), DG2->verticalHeader()->sizeHint().width(),
                                FixedFieldWidth(0, 8, charWidth)});
  DG1->verticalHeader()->setFixedWidth(numbers);
  DG2->verticalHeader()->setFixedWidth(numbers);
}

void TFormFixedOpen::LengthEdited(int row, int column) {
  if (m_filling || row != 0) return;
  TGPItem* field = m_definition.Field(column + 1);
  if (field == nullptr) return;
  const std::string text = DG2->item(0, column)->text().trimmed().toStdString();
  int length = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
  if (error == std::errc() && end == text.data() + text.size() && length >= 0) field->FieldLength = length;
  m_filling = true;
  DG2->item(0, column)->setText(QString::number(field->FieldLength));  // a text that is no number goes
  m_filling = false;
  m_definition.RecomputePositions();
  RefreshWidths();
  m_preview->Repaint();
  if (column + 1 < DG2->columnCount()) DG2->setCurrentCell(0, column + 1);
}

void TFormFixedOpen::SetFieldType(int type) {
  const int column = DG2->currentColumn();
  TGPItem* field = m_definition.Field(column + 1);
  if (field == nullptr || type < 0 || type >= static_cast<int>(kTypeItems.size())) return;
  field->DataType = static_cast<std::uint8_t>(type);
  m_filling = true;
  DG2->item(1, column)->setText(TypeCaption(field->DataType));
  m_filling = false;
  m_preview->Repaint();
}

void TFormFixedOpen::ShowTypePopup(int column) {
  if (column < 0 || column >= DG2->columnCount()) return;
  DG2->setCurrentCell(1, column);
  QMenu popup(this);
  popup.setObjectName("TypePopup");
  for (std::size_t type = 0; type < kTypeItems.size(); ++type) {
    popup.addAction(QString::fromUtf8(kTypeItems[type]))->setData(static_cast<int>(type));
  }
  const QRect cell = DG2->visualItemRect(DG2->item(1, column));
  if (QAction* chosen = popup.exec(DG2->viewport()->mapToGlobal(cell.bottomLeft()))) SetFieldType(chosen->data().toInt());
}

bool TFormFixedOpen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DG2 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Down:
        ShowTypePopup(DG2->currentColumn());
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // To the next column, as after typing a length; never the dialog's OK.
        if (DG2->currentColumn() + 1 < DG2->columnCount()) DG2->setCurrentCell(0, DG2->currentColumn() + 1);
        return true;
      case Qt::Key_PageDown:
        DG1->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
      case Qt::Key_PageUp:
        DG1->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
      default: break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFormFixedOpen::SyncRawPane() { m_rawPane->SetFirstLine(std::max(DG1->rowAt(0), 0)); }

void TFormFixedOpen::BtnInsertClick() {
  const int column = std::max(DG2->currentColumn(), 0);
  m_definition.InsertField(column + 1);
  m_preview->Reset();
  FillLayoutGrid();
  RefreshWidths();
  DG2->setCurrentCell(0, column);
}

void TFormFixedOpen::BtnAddClick() {
  const int column = std::max(DG2->currentColumn(), 0);
  m_definition.AddField();
  m_preview->Reset();
  FillLayoutGrid();
  RefreshWidths();
  DG2->setCurrentCell(0, column);
}

void TFormFixedOpen::BtnDeleteClick() {
  // The row-number column and one field stay.
  if (m_definition.Count() < 3) return;
  int column = std::max(DG2->currentColumn(), 0);
  m_definition.DeleteField(column + 1);
  if (column >= m_definition.Count() - 1) column = m_definition.Count() - 2;
  m_preview->Reset();
  FillLayoutGrid();
  RefreshWidths();
  DG2->setCurrentCell(0, column);
}

void TFormFixedOpen::CleanUpClick() {
  m_definition.TrimFields = CBTrim->isChecked() ? 1 : 0;
  m_definition.StripZeros = CBDelZero->isChecked() ? 1 : 0;
  m_definition.ConvertCommas = CBCommaChange->isChecked() ? 1 : 0;
  PaintChoices();
  m_preview->Repaint();
  DG2->setFocus();
}

void TFormFixedOpen::CBCnfSaveClick() {
  PaintChoices();
  if (CBCnfSave->isChecked()) {
    CBCnf->setFocus();
  } else {
    DG2->setFocus();
  }
}

void TFormFixedOpen::PaintChoices() {
  for (QCheckBox* box : {CBTrim, CBDelZero, CBCommaChange, CBCnfSave}) PaintCaption(*box, box->isChecked());
}

void TFormFixedOpen::FillDefinitionNames() {
  CBCnf->clear();
  for (const std::string& name : m_definition.ListNames()) CBCnf->addItem(QString::fromStdString(name));
  CBCnf->setEditText(QString::fromUtf8(kNewDefinition));
}

void TFormFixedOpen::CBCnfChoose(int index) {
  if (index < 0) return;
  const std::string name = CBCnf->itemText(index).toStdString();
  RunCommand(m_services.prompter, [&] { m_definition.LoadDefinition(name); });
  // Whatever the file held, the row numbers and one field remain.
  while (m_definition.Count() < 2) m_definition.AddField();
  m_definition.RecomputePositions();
  for (auto [box, flag] : {std::pair{CBTrim, m_definition.TrimFields}, std::pair{CBDelZero, m_definition.StripZeros},
                           std::pair{CBCommaChange, m_definition.ConvertCommas}}) {
    box->setChecked(flag != 0);  // clicked() is not emitted
  }
  PaintChoices();
  m_preview->Reset();
  FillLayoutGrid();
  RefreshWidths();
  DG2->setFocus();
}

void TFormFixedOpen::BtnCnfDeleteClick() {
  if (m_definition.DeleteDefinition(CBCnf->currentText().toStdString())) FillDefinitionNames();
  CBCnf->setEditText(QString::fromUtf8(kNewDefinition));
}

void TFormFixedOpen::btnOkClick() {
  BusyCursor busy;
  const QString caption = windowTitle();
  ProgressBarSink progress(m_progressBar);
  if (m_gridView) m_gridView->hide();
  try {
    setWindowTitle(QStringLiteral("グリッドの初期化中．．．"));
    ReleaseColumns(m_document);
    ClearCells(m_document.grid, &progress);
    setWindowTitle(QStringLiteral("データの変換中．．．"));
    std::vector<int> widths{DG2->verticalHeader()->width()};
    for (int column = 0; column < DG2->columnCount(); ++column) widths.push_back(DG2->columnWidth(column));
    ImportFixedLines(m_lines, m_definition, widths, m_document.grid, &progress);
    if (CBCnfSave->isChecked()) {
      std::string name = CBCnf->currentText().toStdString();
      if (name.empty() || name == kNewDefinition) name = kUnnamedDefinition;
      m_definition.SaveDefinition(name);
      m_definitionName = name;
    }
  } catch (const std::exception&) {
    m_services.prompter.Ask(MessageId::FixedConvertFailed);
  }
  if (m_gridView) m_gridView->show();
  m_progressBar->hide();
  setWindowTitle(caption);
  accept();
}

void TFormFixedOpen::BtnHelpClick() { m_services.help.ShowContext(help::kHelpFixedImport); }

bool AskFixedImport(QWidget* parent, platform::Services& services, Document& document,
                    const std::filesystem::path& path, const std::filesystem::path& definitionFolder,
                    QWidget* gridView, std::string& definitionName) {
  TextLines lines;
  {
    BusyCursor busy;
    lines = TextLines::Read(path);
  }
  TFormFixedOpen dialog(parent, services, document, std::move(lines), definitionFolder, gridView);
  MoveToOwnerCentre(&dialog, parent != nullptr ? parent->window() : nullptr);
  if (dialog.exec() != QDialog::Accepted) return false;
  definitionName = dialog.DefinitionName();
  return true;
}

}  // namespace tabulo::ui
