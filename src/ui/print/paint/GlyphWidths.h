#pragma once

#include <QFont>

#include <cstdint>
#include <vector>

#include "core/app/ColumnWidths.h"
#include "core/locale/Cp932.h"

namespace tabulo::ui {

// Text widths of code page 932 text in one font, from the advance of each
// character, all measured once up front: fitting a million rows of widths
// then costs a table lookup per character instead of a font-engine call per
// cell, and the table can be read from several threads.
//
// The sum of the advances is the drawn width only when the font lays out
// characters one after another, so the grid's font is used without kerning
// (see GridFont). Advances are kept in the font engine's own unit, 1/64
// pixel, and a width is the sum rounded up to whole pixels: rounding each
// advance first would make a row of digits several pixels narrower than
// drawn. The byte 0x5C counts as the wider of the backslash and the yen sign,
// since digit grouping draws the currency string as a yen sign.
//
// A UTF-8 measure (`encoding`) takes each character of code page 932's
// repertoire at the same advance, and every other character as wide as the
// widest full-width one or emoji.
class GlyphWidths final : public TextMeasure {
 public:
  explicit GlyphWidths(const QFont& font, TextEncoding encoding = TextEncoding::ShiftJis);
  int Width(std::string_view text) const override;
  int LabelWidth(std::string_view cp932) const override { return Cp932Width(cp932); }
  int MaxWidthPerByte() const override { return m_maxPerByte; }
  const QFont& Font() const noexcept { return m_font; }

 private:
  int Utf8Width(std::string_view text) const;
  int Cp932Width(std::string_view text) const;

  QFont m_font;
  TextEncoding m_encoding;
  std::vector<std::uint32_t> m_advances;  // in 1/64 pixel, by code: a byte, or lead << 8 | trail
  std::vector<std::uint32_t> m_unicodeAdvances;  // UTF-8 only: by code point of the Basic Multilingual Plane
  std::uint32_t m_otherAdvance = 0;              // UTF-8 only: a character outside code page 932
  int m_maxPerByte = 0;
};

// The font the grid draws and measures with: `font` without kerning, so that
// a text is exactly as wide as its characters' advances add up to.
QFont GridFont(QFont font);

}  // namespace tabulo::ui
