#include "ui/rows/TSortOption.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/locale/Cp932.h"
#include "ui/app/CommandButtons.h"
#include "ui/app/DocumentText.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/app/QuestionDialog.h"

namespace tabulo::ui {
namespace {

// What each list entry carries besides its caption.
constexpr int kColumnRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kAscendingRole = Qt::UserRole + 2;

// The key list's three fields, in pixels.
constexpr int kCaptionWidth = 140;
constexpr int kKindWidth = 60;
constexpr int kDirectionWidth = 60;

struct KindButton {
  const char* caption;
  const char* hint;
};
constexpr std::array<KindButton, 6> kKindButtons = {{
    {"文字(a=A)", "現在の Windows ロケールに基づき、大文字小文字を区別しないで処理します。"},
    {"文字(a<A)", "現在の Windows ロケールによって、大文字・小文字を区別して処理します。"},
    {"文字(a>A)", "ASCII コードによって大文字・小文字を区別して文字列を整列します。"},
    {"数値", ""},
    {"日付", "選択されている項目を日付型として処理します。"},
    {"時間", "選択されている項目を時間型として処理します。"},
}};

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
  if (*hint != '\0') button->setToolTip(QString::fromUtf8(hint));
  button->setAutoDefault(false);
  return button;
}

// A key entry on one line: its caption, the kind's name and the direction,
// each in its own field and vertically centred.
class KeyEntryDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    look.text.clear();
    look.widget->style()->drawControl(QStyle::CE_ItemViewItem, &look, painter, look.widget);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect line = option.rect;
    const auto field = [&](int left, int width, Qt::Alignment align, const QString& text) {
      const QRect box(line.left() + left + 2, line.top(), width - 4, line.height());
      painter->drawText(box, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
    };
    field(0, kCaptionWidth, Qt::AlignLeft, index.data(Qt::DisplayRole).toString());
    field(kCaptionWidth, kKindWidth, Qt::AlignHCenter,
          ShownProgramText(SortKindName(static_cast<SortKind>(index.data(kKindRole).toInt()))));
    field(kCaptionWidth + kKindWidth, kDirectionWidth, Qt::AlignHCenter,
          index.data(kAscendingRole).toBool() ? QStringLiteral("昇順") : QStringLiteral("降順"));
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {kCaptionWidth + kKindWidth + kDirectionWidth, size.height()};
  }
};

TKeyItem KeyOf(const QListWidgetItem& item) {
  return {item.data(kColumnRole).toInt(), static_cast<SortKind>(item.data(kKindRole).toInt()),
          item.data(kAscendingRole).toBool()};
}

// The rows of `list` whose entries are selected, top to bottom.
std::vector<int> SelectedRows(const QListWidget& list) {
  std::vector<int> rows;
  for (int row = 0; row < list.count(); ++row) {
    if (list.item(row)->isSelected()) rows.push_back(row);
  }
  return rows;
}

}  // namespace

TSortOption::TSortOption(QWidget* parent, platform::Services& services, const TableDocument& grid)
    : QDialog(parent), m_services(services) {
  setWindowTitle(QStringLiteral("ソートの設定"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls(grid);
  ConnectEvents();
  UpdateSortButton();
  layout()->activate();  // fixes the size now, so the caller can place the dialog
}

void TSortOption::BuildControls(const TableDocument& grid) {
  auto* noSortTitle = new QLabel(QStringLiteral("項目名　　　　：１行目のデータ"), this);
  LBNoSort = Named(new QListWidget(this), "LBNoSort");
  LBNoSort->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Each column as "%-10.10s:%s": the title padded or cut to ten bytes (whole
  // characters only), then the first data row's text.
  for (int col = 1; col < grid.ColCount(); ++col) {
    const std::string caption =
        PadOrCut(grid.Cell(col, 0), 10, grid.Encoding().encoding) + ":" + std::string(grid.Cell(col, 1));
    auto* item = new QListWidgetItem(ShownText(grid, caption), LBNoSort);
    item->setData(kColumnRole, col);
    item->setData(kKindRole, static_cast<int>(DefaultSortKind(grid.Item(col))));
    item->setData(kAscendingRole, true);
  }
  auto* sortTitle = new QLabel(QStringLiteral("比較する項目（ 同時に %1 項目まで指定できます。）").arg(kMaxSortKeys), this);
  LBSort = Named(new QListWidget(this), "LBSort");
  LBSort->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LBSort->setItemDelegate(new KeyEntryDelegate(LBSort));
  LBSort->setMinimumWidth(kCaptionWidth + kKindWidth + kDirectionWidth + 24);
  const int listHeight = 16 * LBNoSort->fontMetrics().height();
  LBNoSort->setMinimumSize(kCaptionWidth + 100, listHeight);
  LBSort->setMinimumHeight(listHeight);

  BtnGoWrite = NewButton(this, "BtnGoWrite", "設定", "ソート項目に設定します。");
  BtnGoNoWrite = NewButton(this, "BtnGoNoWrite", "解除", "設定を解除します。");
  BtnUp = NewButton(this, "BtnUp", "上に", "選択した項目を移動します。");
  BtnDown = NewButton(this, "BtnDown", "下に", "選択した項目を移動します。");
  const char* kindNames[6] = {"BtnKind0", "BtnKind1", "BtnKind2", "BtnKind3", "BtnKind4", "BtnKind5"};
  for (std::size_t kind = 0; kind < kKindButtons.size(); ++kind) {
    BtnKind[kind] = NewButton(this, kindNames[kind], kKindButtons[kind].caption, kKindButtons[kind].hint);
  }
  BtnAscending = NewButton(this, "BtnAscending", "昇順", "");
  BtnDescending = NewButton(this, "BtnDescending", "降順", "");
  const CommandButtons buttons = NewCommandButtons(this, {QStringLiteral("整列"), QStringLiteral("中止(&A)"), false});
  BtnHelp = buttons.help;
  btnAbort = buttons.abort;
  btnOk = buttons.ok;
  m_helpKey = buttons.helpKey;

  auto* noSortLayout = new QVBoxLayout;
  noSortLayout->addWidget(noSortTitle);
  noSortLayout->addWidget(LBNoSort);
  auto* moveLayout = new QVBoxLayout;
  moveLayout->addStretch();
  moveLayout->addWidget(BtnGoWrite);
  moveLayout->addWidget(BtnGoNoWrite);
  moveLayout->addStretch();
  auto* orderLayout = new QHBoxLayout;
  orderLayout->addWidget(BtnUp);
  orderLayout->addWidget(BtnDown);
  orderLayout->addStretch();
  auto* kindLayout = new QGridLayout;
  for (int kind = 0; kind < 6; ++kind) kindLayout->addWidget(BtnKind[kind], kind / 3, kind % 3);
  kindLayout->addWidget(BtnAscending, 2, 0);
  kindLayout->addWidget(BtnDescending, 2, 1);
  auto* sortLayout = new QVBoxLayout;
  sortLayout->addWidget(sortTitle);
  sortLayout->addWidget(LBSort);
  sortLayout->addLayout(orderLayout);
  sortLayout->addLayout(kindLayout);
  auto* listsLayout = new QHBoxLayout;
  listsLayout->addLayout(noSortLayout);
  listsLayout->addLayout(moveLayout);
  listsLayout->addLayout(sortLayout);

  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addLayout(listsLayout);
  formLayout->addLayout(buttons.row);
}

void TSortOption::ConnectEvents() {
  connect(BtnGoWrite, &QPushButton::clicked, this, &TSortOption::BtnGoWriteClick);
  connect(BtnGoNoWrite, &QPushButton::clicked, this, &TSortOption::BtnGoNoWriteClick);
  connect(BtnUp, &QPushButton::clicked, this, &TSortOption::BtnUpClick);
  connect(BtnDown, &QPushButton::clicked, this, &TSortOption::BtnDownClick);
  for (int kind = 0; kind < 6; ++kind) {
    connect(BtnKind[kind], &QPushButton::clicked, this, [this, kind] { KindClick(static_cast<SortKind>(kind)); });
  }
  connect(BtnAscending, &QPushButton::clicked, this, [this] { DirectionClick(true); });
  connect(BtnDescending, &QPushButton::clicked, this, [this] { DirectionClick(false); });
  // A double click moves an entry across, as "設定" and "解除" do.
  connect(LBNoSort, &QListWidget::itemDoubleClicked, this, &TSortOption::BtnGoWriteClick);
  connect(LBSort, &QListWidget::itemDoubleClicked, this, &TSortOption::BtnGoNoWriteClick);
  connect(BtnHelp, &QPushButton::clicked, this, &TSortOption::BtnHelpClick);
  connect(m_helpKey, &QShortcut::activated, this, &TSortOption::BtnHelpClick);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnOk, &QPushButton::clicked, this, [this] {
    if (LBSort->count() > 0) accept();
  });
}

std::vector<TKeyItem> TSortOption::Keys() const {
  std::vector<TKeyItem> keys;
  for (int row = 0; row < LBSort->count(); ++row) keys.push_back(KeyOf(*LBSort->item(row)));
  return keys;
}

void TSortOption::BtnGoWriteClick() {
  LBSort->clearSelection();
  const std::vector<int> rows = SelectedRows(*LBNoSort);
  // Taken from the bottom so the rows above keep their places; appended in
  // list order.
  std::vector<QListWidgetItem*> moving;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) moving.push_back(LBNoSort->takeItem(*row));
  std::reverse(moving.begin(), moving.end());
  for (QListWidgetItem* item : moving) {
    LBSort->addItem(item);
    item->setSelected(true);
  }
  UpdateSortButton();
}

void TSortOption::BtnGoNoWriteClick() {
  const std::vector<int> rows = SelectedRows(*LBSort);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    QListWidgetItem* item = LBSort->takeItem(*row);
    item->setSelected(false);
    // Back in column order: before the first entry of a later column.
    const int col = item->data(kColumnRole).toInt();
    int place = 0;
    while (place < LBNoSort->count() && LBNoSort->item(place)->data(kColumnRole).toInt() <= col) ++place;
    LBNoSort->insertItem(place, item);
  }
  UpdateSortButton();
}

void TSortOption::BtnUpClick() {
  const std::vector<int> rows = SelectedRows(*LBSort);
  if (rows.empty() || rows.front() == 0) return;
  for (const int row : rows) {
    QListWidgetItem* item = LBSort->takeItem(row);
    LBSort->insertItem(row - 1, item);
    item->setSelected(true);
  }
}

void TSortOption::BtnDownClick() {
  const std::vector<int> rows = SelectedRows(*LBSort);
  if (rows.empty() || rows.back() == LBSort->count() - 1) return;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    QListWidgetItem* item = LBSort->takeItem(*row);
    LBSort->insertItem(*row + 1, item);
    item->setSelected(true);
  }
}

void TSortOption::KindClick(SortKind kind) {
  for (QListWidgetItem* item : LBSort->selectedItems()) item->setData(kKindRole, static_cast<int>(kind));
}

void TSortOption::DirectionClick(bool ascending) {
  for (QListWidgetItem* item : LBSort->selectedItems()) item->setData(kAscendingRole, ascending);
}

void TSortOption::UpdateSortButton() { btnOk->setEnabled(LBSort->count() > 0); }

void TSortOption::BtnHelpClick() { m_services.help.ShowContext(help::kHelpSort); }

bool AskSortKeys(QWidget* parent, platform::Services& services, const TableDocument& grid, std::vector<TKeyItem>& keys) {
  TSortOption dialog(parent, services, grid);
  if (!ExecQuestionDialog(dialog, parent, services.prompter)) return false;
  keys = dialog.Keys();
  if (keys.size() > static_cast<std::size_t>(kMaxSortKeys)) keys.resize(static_cast<std::size_t>(kMaxSortKeys));
  return true;
}

}  // namespace tabulo::ui
