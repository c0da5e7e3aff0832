#include "ui/calc/FunctionList.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tabulo::ui {
namespace {

constexpr int kPadding = 6;
constexpr int kNameRole = Qt::UserRole;
constexpr int kDescriptionRole = Qt::UserRole + 1;

// Draws the name, and the description from where the widest name ends.
class EntryDelegate final : public QStyledItemDelegate {
 public:
  explicit EntryDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
  void SetNameWidth(int width) { m_nameWidth = width; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    look.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &look, painter, widget);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text = option.rect.adjusted(kPadding, 0, -kPadding, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->drawText(text, flags, index.data(kNameRole).toString());
    painter->drawText(text.adjusted(m_nameWidth, 0, 0, 0), flags, index.data(kDescriptionRole).toString());
    painter->restore();
  }

 private:
  int m_nameWidth = 0;
};

}  // namespace

FunctionList::FunctionList(QWidget* parent) : QListWidget(parent) {
  setObjectName("FunctionList");
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::NoFrame);
  setMouseTracking(true);
  setItemDelegate(new EntryDelegate(this));
  connect(this, &QListWidget::clicked, this, &FunctionList::Choose);
}

void FunctionList::AddEntry(const QString& caption, std::function<void()> choose) {
  const qsizetype tab = caption.indexOf('\t');
  auto* item = new QListWidgetItem(QString(caption).replace('\t', ' '), this);
  item->setData(kNameRole, caption.left(tab).trimmed());
  item->setData(kDescriptionRole, tab < 0 ? QString() : caption.mid(tab + 1).trimmed());
  m_choices.push_back(std::move(choose));
}

void FunctionList::AddGap() {
  auto* item = new QListWidgetItem(this);
  item->setFlags(Qt::NoItemFlags);
  m_choices.emplace_back();
}

void FunctionList::FitHeight(int height) {
  const QFontMetrics metrics = fontMetrics();
  int nameWidth = 0;
  int descriptionWidth = 0;
  for (int row = 0; row < count(); ++row) {
    nameWidth = std::max(nameWidth, metrics.horizontalAdvance(item(row)->data(kNameRole).toString()));
    descriptionWidth = std::max(descriptionWidth, metrics.horizontalAdvance(item(row)->data(kDescriptionRole).toString()));
  }
  nameWidth += 2 * kPadding;
  static_cast<EntryDelegate*>(itemDelegate())->SetNameWidth(nameWidth);
  const QSize cell(nameWidth + descriptionWidth + 3 * kPadding, metrics.height() + kPadding);
  setGridSize(cell);
  const int rows = std::clamp(height / cell.height(), 1, std::max(count(), 1));
  const int columns = (count() + rows - 1) / rows;
  setFixedSize(columns * cell.width() + 2 * frameWidth(), rows * cell.height() + 2 * frameWidth());
}

void FunctionList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Choose(currentIndex());
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FunctionList::mouseMoveEvent(QMouseEvent* event) {
  // As in a menu, the item under the pointer is the one picked.
  if (const QModelIndex under = indexAt(event->position().toPoint()); under.isValid() && (under.flags() & Qt::ItemIsEnabled)) {
    setCurrentIndex(under);
  }
  QListWidget::mouseMoveEvent(event);
}

void FunctionList::Choose(const QModelIndex& index) {
  if (!index.isValid()) return;
  const auto row = static_cast<std::size_t>(index.row());
  if (row >= m_choices.size() || !m_choices[row]) return;
  emit Chosen();
  m_choices[row]();
}

}  // namespace tabulo::ui
