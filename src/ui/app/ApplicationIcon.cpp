#include "ui/app/ApplicationIcon.h"

#include <QPainter>

#include <algorithm>

namespace tabulo {
namespace {

constexpr int kRows = 4;     // the title row and three data rows
constexpr int kColumns = 3;  // the row-number column and two data columns

}  // namespace

QPixmap PaintApplicationIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);

  // The sheet leaves a small margin and a darker edge for its shadow.
  const double margin = size / 16.0;
  const QRectF sheet(margin, margin * 2, size - margin * 2, size - margin * 4);
  painter.fillRect(sheet.translated(margin / 2, margin / 2), QColor(0, 0, 0, 80));
  painter.fillRect(sheet, QColor(255, 255, 255));

  const double rowHeight = sheet.height() / kRows;
  const double numberWidth = sheet.width() / 4;
  const double columnWidth = (sheet.width() - numberWidth) / (kColumns - 1);
  painter.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), rowHeight), QColor(30, 80, 200));
  painter.fillRect(QRectF(sheet.left(), sheet.top() + rowHeight, numberWidth, sheet.height() - rowHeight),
                   QColor(200, 200, 200));

  QPen line(QColor(90, 90, 90));
  line.setWidthF(std::max(1.0, size / 32.0));
  painter.setPen(line);
  for (int row = 1; row < kRows; ++row) {
    const double y = sheet.top() + row * rowHeight;
    painter.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
  }
  for (int column = 0; column < kColumns - 1; ++column) {
    const double x = sheet.left() + numberWidth + column * columnWidth;
    painter.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(sheet);
  return pixmap;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(PaintApplicationIcon(size));
  return icon;
}

}  // namespace tabulo
