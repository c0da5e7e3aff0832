#include "ui/fixed/RawTextPane.h"

#include <QPainter>

#include "core/locale/Encoding.h"
#include "ui/app/FixedPitchFont.h"

namespace tabulo::ui {

RawTextPane::RawTextPane(const TextLines& lines, QWidget* parent) : QWidget(parent), m_lines(lines) {
  setFont(FixedPitchFont());
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  // The scroll range: the longest line and two characters more.
  const int width = static_cast<int>(std::min<std::size_t>(m_lines.LongestLine() + 2, 20000)) *
                    fontMetrics().horizontalAdvance(QLatin1Char('W'));
  setMinimumWidth(width);
}

void RawTextPane::SetFirstLine(int line) {
  if (line == m_firstLine) return;
  m_firstLine = line;
  update();
}

int RawTextPane::LineHeight() const { return fontMetrics().boundingRect(QStringLiteral("Wg")).height(); }

QSize RawTextPane::sizeHint() const { return {minimumWidth(), LineHeight() * 6}; }

void RawTextPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  const int lineHeight = std::max(LineHeight(), 1);
  const int count = height() / lineHeight + 1;
  Cp932Converter converter;
  for (int i = 0; i < count; ++i) {
    const std::size_t line = static_cast<std::size_t>(m_firstLine) + static_cast<std::size_t>(i);
    if (line >= m_lines.size()) break;
    const QString text = QString::fromStdU16String(converter.ToUtf16(m_lines[line]));
    painter.drawText(QRect(0, i * lineHeight, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     text);
  }
}

}  // namespace tabulo::ui
