#include "ui/print/TGridPrintOption.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "ui/app/OwnerCentre.h"
#include "ui/print/ColumnListDelegate.h"
#include "ui/print/ColumnListModel.h"

namespace tabulo::ui {
namespace {

constexpr int kVisibleLines = 12;
constexpr int kAirAfterLastField = 4;
// Room around a button's caption; captions are short, and the style's usual
// minimum width would make the rows of buttons far wider than the list.
constexpr int kButtonPadding = 18;
constexpr int kButtonMinimumWidth = 44;

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, const char* hint = "") {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  if (*hint != '\0') button->setToolTip(QString::fromUtf8(hint));
  button->setAutoDefault(false);
  const int captionWidth = button->fontMetrics().horizontalAdvance(button->text());
  button->setFixedWidth(std::max(kButtonMinimumWidth, captionWidth + kButtonPadding));
  return button;
}

// A row of buttons in a titled frame.
QGroupBox* NewGroup(QWidget* parent, const char* title, std::initializer_list<QPushButton*> buttons) {
  auto* group = new QGroupBox(QString::fromUtf8(title), parent);
  auto* row = new QHBoxLayout(group);
  row->setSpacing(2);
  for (QPushButton* button : buttons) row->addWidget(button);
  return group;
}

}  // namespace

TGridPrintOption::TGridPrintOption(QWidget* parent, platform::Services& services, AttributeDialogMode mode,
                                   std::vector<ColumnEntry> entries, TextEncoding encoding)
    : QDialog(parent), m_services(services), m_mode(mode), m_encoding(encoding), m_entries(std::move(entries)) {
  setWindowTitle(QStringLiteral("列属性の設定（Ｆ１でヘルプを表示）"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls();
  ConnectEvents();
  if (!m_entries.empty()) {
    std::vector<bool> selected(m_entries.size(), false);
    selected[0] = true;
    SelectLines(selected, m_entries[0].item);
  }
  layout()->activate();  // fixes the size now, so the dialog can be placed
  PlaceOverParent();
}

void TGridPrintOption::BuildControls() {
  m_model = new ColumnListModel(m_entries, m_mode, m_encoding, this);
  LBPrintOption = new QListView(this);
  LBPrintOption->setObjectName(QStringLiteral("LBPrintOption"));
  LBPrintOption->setModel(m_model);
  LBPrintOption->setItemDelegate(new ColumnListDelegate(LBPrintOption));
  LBPrintOption->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LBPrintOption->setUniformItemSizes(true);
  LBPrintOption->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LBPrintOption->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  const int lineHeight = std::max(ColumnListDelegate::kLineHeight, LBPrintOption->fontMetrics().height());
  const int frame = 2 * LBPrintOption->frameWidth();
  LBPrintOption->setFixedSize(
      ColumnListDelegate::kLineWidth + kAirAfterLastField + LBPrintOption->verticalScrollBar()->sizeHint().width() + frame,
      kVisibleLines * lineHeight + frame);

  btnPrint = NewButton(this, "btnPrint", "印刷");
  btnNoPrint = NewButton(this, "btnNoPrint", "非印");
  btnTitle = NewButton(this, "btnTitle", "タイトル変更");
  btnWidth = NewButton(this, "btnWidth", m_mode == AttributeDialogMode::Print ? "印刷幅変更" : "表示幅変更");
  btnStr = NewButton(this, "btnStr", "文字列");
  btnInt = NewButton(this, "btnInt", "整数");
  btnFloat = NewButton(this, "btnFloat", "数値");
  btnCurr = NewButton(this, "btnCurr", "通貨");
  btnDate = NewButton(this, "btnDate", "日付型");
  btnTime = NewButton(this, "btnTime", "時間型");
  btnLeft = NewButton(this, "btnLeft", "左寄せ");
  btnCenter = NewButton(this, "btnCenter", "中央揃え");
  btnRight = NewButton(this, "btnRight", "右寄せ");
  btnTop = NewButton(this, "btnTop", "上寄せ");
  btnVCenter = NewButton(this, "btnVCenter", "中央揃え");
  btnBottom = NewButton(this, "btnBottom", "下寄せ");
  btnDontCare = NewButton(this, "btnDontCare", "無操作");
  btnOn = NewButton(this, "btnOn", "ON");
  btnOff = NewButton(this, "btnOff", "OFF");
  btnHira = NewButton(this, "btnHira", "ひらがな");
  btnSKata = NewButton(this, "btnSKata", "ｶﾀｶﾅ(半)");
  btnKata = NewButton(this, "btnKata", "ｶﾀｶﾅ(全)");
  btnSAlpha = NewButton(this, "btnSAlpha", "ｱﾙﾌｧ(半)");
  btnAlpha = NewButton(this, "btnAlpha", "ｱﾙﾌｧ(全)");
  BtnUp = NewButton(this, "BtnUp", "上に", "選択した項目を移動します。");
  BtnDown = NewButton(this, "BtnDown", "下に", "選択した項目を移動します。");
  BtnClose = NewButton(this, "BtnClose", "終了", "書式設定を終了します。");
  QPalette closePalette;  // every other colour comes from the dialog
  closePalette.setColor(QPalette::ButtonText, Qt::blue);
  BtnClose->setPalette(closePalette);
  m_helpKey = new QShortcut(QKeySequence::HelpContents, this);

  // The close button sits in the last row, at the bottom right.
  auto* printRow = new QHBoxLayout;
  printRow->addWidget(NewGroup(this, "印刷", {btnPrint, btnNoPrint}));
  printRow->addWidget(NewGroup(this, "タイトル・幅", {btnTitle, btnWidth}));
  printRow->addWidget(NewGroup(this, "移動", {BtnUp, BtnDown}));
  printRow->addStretch();
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(NewGroup(this, "データタイプ", {btnStr, btnInt, btnFloat, btnCurr, btnDate, btnTime}));
  typeRow->addStretch();
  auto* imeRow = new QHBoxLayout;
  imeRow->addWidget(NewGroup(this, "IME Mode",
                             {btnDontCare, btnOn, btnOff, btnHira, btnSKata, btnKata, btnSAlpha, btnAlpha}));
  imeRow->addStretch();
  auto* alignRow = new QHBoxLayout;
  alignRow->addWidget(NewGroup(this, "横位置", {btnLeft, btnCenter, btnRight}));
  alignRow->addWidget(NewGroup(this, "縦位置", {btnTop, btnVCenter, btnBottom}));
  alignRow->addStretch();
  alignRow->addWidget(BtnClose, 0, Qt::AlignBottom);

  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addWidget(LBPrintOption);
  formLayout->addLayout(printRow);
  formLayout->addLayout(typeRow);
  formLayout->addLayout(imeRow);
  formLayout->addLayout(alignRow);
}

void TGridPrintOption::ConnectEvents() {
  connect(btnPrint, &QPushButton::clicked, this, &TGridPrintOption::btnPrintClick);
  connect(btnNoPrint, &QPushButton::clicked, this, &TGridPrintOption::btnNoPrintClick);
  connect(btnTitle, &QPushButton::clicked, this, &TGridPrintOption::btnTitleClick);
  connect(btnStr, &QPushButton::clicked, this, &TGridPrintOption::btnStrClick);
  connect(btnInt, &QPushButton::clicked, this, &TGridPrintOption::btnIntClick);
  connect(btnFloat, &QPushButton::clicked, this, &TGridPrintOption::btnFloatClick);
  connect(btnCurr, &QPushButton::clicked, this, &TGridPrintOption::btnCurrClick);
  connect(btnDate, &QPushButton::clicked, this, &TGridPrintOption::btnDateClick);
  connect(btnTime, &QPushButton::clicked, this, &TGridPrintOption::btnTimeClick);
  connect(btnWidth, &QPushButton::clicked, this, &TGridPrintOption::btnWidthClick);
  connect(btnLeft, &QPushButton::clicked, this, &TGridPrintOption::btnLeftClick);
  connect(btnCenter, &QPushButton::clicked, this, &TGridPrintOption::btnCenterClick);
  connect(btnRight, &QPushButton::clicked, this, &TGridPrintOption::btnRightClick);
  connect(btnTop, &QPushButton::clicked, this, &TGridPrintOption::btnTopClick);
  connect(btnVCenter, &QPushButton::clicked, this, &TGridPrintOption::btnVCenterClick);
  connect(btnBottom, &QPushButton::clicked, this, &TGridPrintOption::btnBottomClick);
  connect(btnDontCare, &QPushButton::clicked, this, &TGridPrintOption::btnDontCareClick);
  connect(btnOn, &QPushButton::clicked, this, &TGridPrintOption::btnOnClick);
  connect(btnOff, &QPushButton::clicked, this, &TGridPrintOption::btnOffClick);
  connect(btnHira, &QPushButton::clicked, this, &TGridPrintOption::btnHiraClick);
  connect(btnSKata, &QPushButton::clicked, this, &TGridPrintOption::btnSKataClick);
  connect(btnKata, &QPushButton::clicked, this, &TGridPrintOption::btnKataClick);
  connect(btnSAlpha, &QPushButton::clicked, this, &TGridPrintOption::btnSAlphaClick);
  connect(btnAlpha, &QPushButton::clicked, this, &TGridPrintOption::btnAlphaClick);
  connect(BtnUp, &QPushButton::clicked, this, &TGridPrintOption::BtnUpClick);
  connect(BtnDown, &QPushButton::clicked, this, &TGridPrintOption::BtnDownClick);
  connect(BtnClose, &QPushButton::clicked, this, &TGridPrintOption::BtnCloseClick);
  connect(m_helpKey, &QShortcut::activated, this, &TGridPrintOption::FormHelpKey);
}

// Centred over the window that opens the dialog, but kept on that window's
// screen, so that a window near an edge does not push the dialog out of sight.
void TGridPrintOption::PlaceOverParent() {
  if (parentWidget() == nullptr) return;
  const QWidget* owner = parentWidget()->window();
  QPoint corner = CentredOverOwner(owner->frameGeometry(), size());
  if (const QScreen* screen = owner->screen()) {
    const QRect area = screen->availableGeometry();
    corner.setX(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
    corner.setY(std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
  }
  move(corner);
}

void TGridPrintOption::HideMoveButtons() {
  BtnUp->parentWidget()->hide();  // the whole "移動" frame
}

std::vector<bool> TGridPrintOption::SelectedFlags() const {
  std::vector<bool> selected(m_entries.size(), false);
  for (const QModelIndex& index : LBPrintOption->selectionModel()->selectedIndexes()) {
    selected[static_cast<std::size_t>(index.row())] = true;
  }
  return selected;
}

bool TGridPrintOption::AnySelected() const { return LBPrintOption->selectionModel()->hasSelection(); }

// Selects the flagged lines and makes the line of `current` the current one.
// Runs of flagged lines go in as one range each: a range per line makes
// selecting thousands of columns take seconds.
void TGridPrintOption::SelectLines(const std::vector<bool>& selected, const TGPItem* current) {
  QItemSelection selection;
  for (std::size_t row = 0; row < selected.size();) {
    if (!selected[row]) {
      ++row;
      continue;
    }
    std::size_t last = row;
    while (last + 1 < selected.size() && selected[last + 1]) ++last;
    selection.select(m_model->index(static_cast<int>(row)), m_model->index(static_cast<int>(last)));
    row = last + 1;
  }
  QItemSelectionModel* model = LBPrintOption->selectionModel();
  const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                  [current](const ColumnEntry& entry) { return entry.item == current; });
  if (found != m_entries.end()) {
    const QModelIndex index = m_model->index(static_cast<int>(found - m_entries.begin()));
    model->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    LBPrintOption->scrollTo(index);
  }
  model->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TGridPrintOption::ChangeSelected(const std::function<void(TGPItem&)>& change) {
  const std::vector<bool> selected = SelectedFlags();
  for (std::size_t row = 0; row < m_entries.size(); ++row) {
    if (selected[row]) change(*m_entries[row].item);
  }
  m_model->EntriesChanged();
}

void TGridPrintOption::SetDataType(ColumnType type) {
  ChangeSelected([type](TGPItem& item) { item.DataType = static_cast<std::uint8_t>(type); });
}

void TGridPrintOption::SetAlignment(HorizontalAlignment alignment) {
  ChangeSelected([alignment](TGPItem& item) { SetHorizontalAlignment(item, alignment); });
}

void TGridPrintOption::SetAlignment(VerticalAlignment alignment) {
  ChangeSelected([alignment](TGPItem& item) { SetVerticalAlignment(item, alignment); });
}

void TGridPrintOption::SetImeMode(std::uint8_t mode) {
  ChangeSelected([mode](TGPItem& item) { item.ImeMode = mode; });
}

void TGridPrintOption::MoveSelected(void (*moveEntries)(std::vector<ColumnEntry>&, std::vector<bool>&)) {
  const QModelIndex currentIndex = LBPrintOption->currentIndex();
  const TGPItem* current =
      currentIndex.isValid() ? m_entries[static_cast<std::size_t>(currentIndex.row())].item : nullptr;
  std::vector<bool> selected = SelectedFlags();
  moveEntries(m_entries, selected);
  m_model->EntriesChanged();
  SelectLines(selected, current);
}

}  // namespace tabulo::ui
