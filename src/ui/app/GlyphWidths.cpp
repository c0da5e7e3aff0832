#include "ui/app/GlyphWidths.h"

#include <QFontMetrics>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>

#include "core/locale/Cp932.h"
#include "core/locale/Encoding.h"

namespace tabulo::ui {
namespace {

// Every character code CharLength can produce: single bytes, and lead byte
// << 8 | trail byte for the pairs.
std::vector<unsigned> AllCodes() {
  std::vector<unsigned> codes;
  for (unsigned byte = 0; byte < 0x100; ++byte) codes.push_back(byte);
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (IsTrailByte(static_cast<char>(trail))) codes.push_back(lead << 8 | trail);
    }
  }
  return codes;
}

}  // namespace

GlyphWidths::GlyphWidths(const QFont& font) : m_font(font), m_advances(0x10000, 0) {
  // Decode every code at once; each character is then one lookup in the
  // font engine's own cache of advances.
  const std::vector<unsigned> codes = AllCodes();
  std::string bytes;
  for (const unsigned code : codes) {
    if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
    bytes.push_back('\n');  // keeps a lone lead byte from pairing with the next code
  }
  const QString text = QString::fromStdU16String(Cp932Converter().ToUtf16(bytes));
  const QStringList characters = text.split(QChar('\n'));
  const QFontMetrics metrics(font);
  const std::size_t count = std::min(codes.size(), static_cast<std::size_t>(characters.size()));
  QHash<QString, std::uint16_t> measured;  // every undecodable code is the same U+FFFD
  for (std::size_t i = 0; i < count; ++i) {
    const QString& character = characters[static_cast<qsizetype>(i)];
    auto found = measured.constFind(character);
    if (found == measured.constEnd()) {
      const int advance = metrics.horizontalAdvance(character);
      found = measured.insert(character, static_cast<std::uint16_t>(std::clamp(advance, 0, 0xFFFF)));
    }
    m_advances[codes[i]] = *found;
  }
  for (const unsigned code : codes) {
    const int length = code > 0xFF ? 2 : 1;
    m_maxPerByte = std::max(m_maxPerByte, (m_advances[code] + length - 1) / length);
  }
}

int GlyphWidths::Width(std::string_view text) const {
  // Without branches on the kind of character: a pair counts only when
  // CharLength would take it as one character.
  int width = 0;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* const end = p + text.size();
  while (p + 1 < end) {
    const unsigned pair = static_cast<unsigned>(IsLeadByte(p[0])) & static_cast<unsigned>(IsTrailByte(static_cast<char>(p[1])));
    width += m_advances[pair ? (p[0] << 8 | p[1]) : p[0]];
    p += 1 + pair;
  }
  if (p < end) width += m_advances[*p];
  return width;
}

}  // namespace tabulo::ui
