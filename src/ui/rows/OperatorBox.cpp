#include "ui/rows/OperatorBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace tabulo::ui {
namespace {

constexpr int kEqual = 2;
constexpr int kLess = 3;
constexpr int kGreater = 4;

// The open list: every entry centred on its background colour.
class OperatorDelegate final : public QStyledItemDelegate {
 public:
  OperatorDelegate(const OperatorBox& box, QObject* parent) : QStyledItemDelegate(parent), m_box(box) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    look.displayAlignment = Qt::AlignCenter;
    const QColor colour = m_box.EntryColour(index.row());
    if (colour.isValid() && (option.state & QStyle::State_Selected) == 0) {
      painter->fillRect(option.rect, colour);
      look.backgroundBrush = colour;
      look.palette.setColor(QPalette::Text, Qt::black);
    }
    QStyledItemDelegate::paint(painter, look, index);
  }

 private:
  const OperatorBox& m_box;
};

}  // namespace

OperatorBox::OperatorBox(QWidget* parent) : QComboBox(parent) {
  addItems({QStringLiteral("含む"), QStringLiteral("含まない"), QStringLiteral("＝"), QStringLiteral("＜"),
            QStringLiteral("＞")});
  view()->setItemDelegate(new OperatorDelegate(*this, this));
}

void OperatorBox::SetCondition(bool allColumns, bool stringTreatment) {
  m_allColumns = allColumns;
  m_stringTreatment = stringTreatment;
  update();
  view()->viewport()->update();
}

QColor OperatorBox::EntryColour(int index) const {
  if (m_allColumns && (index == kEqual || index == kLess || index == kGreater)) return QColor(Qt::red);
  if (!m_allColumns && m_stringTreatment && (index == kLess || index == kGreater)) return QColor(Qt::yellow);
  return {};
}

void OperatorBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox look;
  initStyleOption(&look);
  painter.drawComplexControl(QStyle::CC_ComboBox, look);
  // The chosen entry in the box itself, centred on its colour.
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &look, QStyle::SC_ComboBoxEditField, this);
  const QColor colour = EntryColour(currentIndex());
  if (colour.isValid()) painter.fillRect(field, colour);
  painter.setPen(colour.isValid() ? QColor(Qt::black) : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                                         QPalette::ButtonText));
  painter.drawText(field, Qt::AlignCenter, currentText());
}

}  // namespace tabulo::ui
