#include "ui/app/CellDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tabulo::ui {

QString FittedCellText(const QString& text, const QFontMetrics& metrics, int width) {
  return metrics.elidedText(text, Qt::ElideRight, std::max(width, 0), Qt::TextSingleLine);
}

int CellTextMargin(double dotsPerInch) { return static_cast<int>(std::lround(dotsPerInch * 0.7 / 25.3999)); }

CellDelegate::CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  m_margin = CellTextMargin(screen ? screen->logicalDotsPerInch() : 96.0);
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (editor != nullptr) editor->setContextMenuPolicy(Qt::NoContextMenu);
  return editor;
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const QPalette& palette = option.palette;
  QColor brush = palette.color(QPalette::Base);
  QColor font = palette.color(QPalette::Text);
  if (selected) {
    brush = palette.color(QPalette::Highlight);
    font = palette.color(QPalette::HighlightedText);
  } else {
    if (const QVariant background = index.data(Qt::BackgroundRole); background.canConvert<QColor>()) {
      brush = background.value<QColor>();
    }
    if (const QVariant foreground = index.data(Qt::ForegroundRole); foreground.canConvert<QColor>()) {
      font = foreground.value<QColor>();
    }
  }
  painter->save();
  painter->fillRect(option.rect, brush);
  const QRect textRect = option.rect.adjusted(m_margin, m_margin, -m_margin, -m_margin);
  const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
  painter->setClipRect(option.rect);
  painter->setPen(font);
  painter->setFont(option.font);
  painter->drawText(textRect, static_cast<int>(alignment | Qt::TextSingleLine),
                    FittedCellText(index.data(Qt::DisplayRole).toString(), painter->fontMetrics(), textRect.width()));
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = option.rect.adjusted(1, 1, -1, -1);
    focus.backgroundColor = brush;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
  painter->restore();
}

}  // namespace tabulo::ui
