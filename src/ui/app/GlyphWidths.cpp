#include "ui/app/GlyphWidths.h"

#include "core/locale/Cp932.h"

namespace tabulo::ui {

GlyphWidths::GlyphWidths(const QFont& font) : m_metrics(font), m_advances(0x10000, -1) {}

int GlyphWidths::Advance(unsigned code) const {
  std::int16_t& advance = m_advances[code];
  if (advance < 0) {
    char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    const std::string_view text = code > 0xFF ? std::string_view(bytes, 2) : std::string_view(bytes + 1, 1);
    const QString character = QString::fromStdU16String(m_converter.ToUtf16(text));
    advance = static_cast<std::int16_t>(std::min(m_metrics.horizontalAdvance(character), 0x7FFF));
  }
  return advance;
}

int GlyphWidths::Width(std::string_view text) const {
  int width = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharLength(text, pos);
    const auto first = static_cast<unsigned char>(text[pos]);
    width += length == 2 ? Advance((first << 8) | static_cast<unsigned char>(text[pos + 1])) : Advance(first);
    pos += length;
  }
  return width;
}

}  // namespace tabulo::ui
