#pragma once

#include <QFontMetrics>

#include <array>
#include <vector>

#include "core/app/ColumnWidths.h"
#include "core/locale/Encoding.h"

namespace tabulo::ui {

// Text widths of code page 932 text in one font, from the advance of each
// character, measured once and cached: fitting a million rows of widths then
// costs a table lookup per character instead of a font-engine call per cell.
class GlyphWidths final : public TextMeasure {
 public:
  explicit GlyphWidths(const QFont& font);
  int Width(std::string_view text) const override;

 private:
  int Advance(unsigned code) const;

  QFontMetrics m_metrics;
  mutable Cp932Converter m_converter;
  mutable std::vector<std::int16_t> m_advances;  // by character code; -1 = not measured yet
};

}  // namespace tabulo::ui
