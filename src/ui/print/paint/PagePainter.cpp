#include "ui/print/paint/PagePainter.h"

#include <QPainter>
#include <QPen>

#include "ui/print/paint/DrawFlags.h"

namespace tabulo::ui {

QRect ToDevice(const PrintBox& box, const DeviceScale& scale) {
  const auto x = [&](std::int32_t tenths) { return TenthMmToPixels(static_cast<double>(tenths) - scale.originX, scale.dpiX); };
  const auto y = [&](std::int32_t tenths) { return TenthMmToPixels(static_cast<double>(tenths) - scale.originY, scale.dpiY); };
  return QRect(QPoint(x(box.left), y(box.top)), QPoint(x(box.right) - 1, y(box.bottom) - 1));
}

void PaintPage(QPainter& painter, const PageLayout& layout, const DeviceScale& scale, const QFont& font) {
  painter.save();
  painter.setFont(font);
  QPen pen(Qt::black);
  pen.setWidth(0);  // the device's thinnest line, as a printer draws a rectangle
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const int padX = TenthMmToPixels(PageLayout::kPadding, scale.dpiX);
  const int padY = TenthMmToPixels(PageLayout::kPadding, scale.dpiY);
  for (const PrintText& text : layout.texts) {
    QRect box = ToDevice(text.box, scale);
    if (text.framed) {
      painter.drawRect(box);
      box.adjust(padX, padY, -padX, -padY);
    }
    if (text.text.empty() || box.width() <= 0 || box.height() <= 0) continue;
    const int flags = static_cast<int>(AlignmentOf(text.drawFlags)) | Qt::TextSingleLine;
    // Clipped to its box, as a cell too narrow for its text is on the screen.
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, flags, QString::fromStdU16String(text.text));
    painter.restore();
  }
  painter.restore();
}

}  // namespace tabulo::ui
