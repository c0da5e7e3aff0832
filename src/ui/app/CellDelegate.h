#pragma once

#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace tabulo::ui {

// Draws a data cell: filled with its colours (the selection's highlight
// first, then the model's colours, else the palette's), its text on one line
// inside a margin of 0.7 mm with the column's alignment, and a focus frame
// on the current cell. A text too wide for its cell is cut at its end and
// marked with "…", whatever its alignment, so that a right-aligned number
// never shows its last digits alone and reads as another number.
class CellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit CellDelegate(QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The editor leaves its context menu to the grid, whose popup then acts on it.
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  int Margin() const noexcept { return m_margin; }

 private:
  int m_margin;
};

// The text drawn for `text` in a cell whose text area is `width` wide: the
// text itself when it fits, else its beginning followed by "…".
QString FittedCellText(const QString& text, const QFontMetrics& metrics, int width);

// The cell text margin: 0.7 mm in screen pixels, rounded.
int CellTextMargin(double dotsPerInch);

}  // namespace tabulo::ui
