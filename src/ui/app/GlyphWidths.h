#pragma once

#include <QFont>

#include <vector>

#include "core/app/ColumnWidths.h"

namespace tabulo::ui {

// Text widths of code page 932 text in one font, from the advance of each
// character, all measured once up front: fitting a million rows of widths
// then costs a table lookup per character instead of a font-engine call per
// cell, and the table can be read from several threads.
class GlyphWidths final : public TextMeasure {
 public:
  explicit GlyphWidths(const QFont& font);
  int Width(std::string_view text) const override;
  int MaxWidthPerByte() const override { return m_maxPerByte; }
  const QFont& Font() const noexcept { return m_font; }

 private:
  QFont m_font;
  std::vector<std::uint16_t> m_advances;  // by character code: a byte, or lead << 8 | trail
  int m_maxPerByte = 0;
};

}  // namespace tabulo::ui
