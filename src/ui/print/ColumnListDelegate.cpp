#include "ui/print/ColumnListDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <array>

#include "ui/print/ColumnFieldTexts.h"
#include "ui/print/ColumnListModel.h"

namespace tabulo::ui {
namespace {

struct FieldPlace {
  int left;
  int width;
  Qt::Alignment alignment;
};

// In ListField order.
constexpr std::array<FieldPlace, FieldCount> kFieldPlaces = {{
    {30, 140, Qt::AlignLeft},
    {170, 50, Qt::AlignHCenter},
    {220, 80, Qt::AlignRight},
    {300, 50, Qt::AlignHCenter},
    {350, 50, Qt::AlignHCenter},
    {400, 70, Qt::AlignHCenter},
}};

constexpr int kPictureLeft = 2;
constexpr int kPictureSize = 16;

QPalette::ColorGroup GroupOf(const QStyleOptionViewItem& option) {
  if (!option.state.testFlag(QStyle::State_Enabled)) return QPalette::Disabled;
  return option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

}  // namespace

void DrawPrintPicture(QPainter& painter, QPoint topLeft, bool printed) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(topLeft);
  const QColor outline = printed ? QColor(40, 40, 40) : QColor(128, 128, 128);
  const QColor body = printed ? QColor(200, 200, 200) : QColor(225, 225, 225);
  painter.setPen(QPen(outline, 1));
  // The sheet going in, the printer's body, and the printed sheet coming out.
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(4.5, 1.5, 7, 5));
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 5), 1.5, 1.5);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(4.5, 10.5, 7, 4));
  painter.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
  if (printed) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 170, 0));
    painter.drawEllipse(QPointF(12.5, 8.5), 1, 1);
  } else {
    painter.setPen(QPen(QColor(220, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 2), QPointF(14, 14));
    painter.drawLine(QPointF(14, 2), QPointF(2, 14));
  }
  painter.restore();
}

void ColumnListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QPalette::ColorGroup group = GroupOf(option);
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const bool printed = index.data(ColumnListModel::PrintedRole).toBool();
  QColor textColour = option.palette.color(group, QPalette::WindowText);
  if (selected) {
    textColour = option.palette.color(group, QPalette::HighlightedText);
  } else if (printed) {
    textColour = QColor(0, 0, 255);
  }

  painter->save();
  if (selected) painter->fillRect(option.rect, option.palette.color(group, QPalette::Highlight));
  const QRect line = option.rect;
  DrawPrintPicture(*painter, {line.left() + kPictureLeft, line.top() + (line.height() - kPictureSize) / 2}, printed);

  const QStringList texts = index.data(ColumnListModel::FieldTextsRole).toStringList();
  painter->setFont(option.font);
  painter->setPen(textColour);
  for (int field = 0; field < FieldCount && field < texts.size(); ++field) {
    const FieldPlace& place = kFieldPlaces[static_cast<std::size_t>(field)];
    const QRect box(line.left() + place.left, line.top(), place.width, line.height());
    painter->setClipRect(box);
    painter->drawText(box, static_cast<int>(place.alignment | Qt::AlignVCenter) | Qt::TextSingleLine, texts[field]);
  }
  painter->setClipping(false);

  if (option.state.testFlag(QStyle::State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
  painter->restore();
}

QSize ColumnListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {kLineWidth, std::max(kLineHeight, option.fontMetrics.height())};
}

}  // namespace tabulo::ui
