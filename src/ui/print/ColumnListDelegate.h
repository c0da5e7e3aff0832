#pragma once

#include <QStyledItemDelegate>

namespace tabulo::ui {

// Draws a line of the column attribute list: the print picture, then the six
// fields at fixed places (name from x 30, type 170, width 220, horizontal 300,
// vertical 350, input method 400), each on one line, vertically centred and
// cut at its right edge. Printed columns are written in blue; a selected line
// takes the highlight colours.
class ColumnListDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Where the last field ends: the width a line needs.
  static constexpr int kLineWidth = 470;
  // Lines are 16 pixels high, or the font's height when that is more.
  static constexpr int kLineHeight = 16;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The picture in front of a line, 16 × 16 pixels at `topLeft`: a printer,
// crossed out in red when the column is not printed.
void DrawPrintPicture(QPainter& painter, QPoint topLeft, bool printed);

}  // namespace tabulo::ui
