#include "ui/print/paint/GlyphWidths.h"

#include <QFontMetricsF>
#include <QHash>

#include <algorithm>
#include <cmath>

#include "core/locale/Cp932.h"
#include "core/locale/Encoding.h"
#include "core/document/ShownText.h"

namespace tabulo::ui {
namespace {

constexpr std::uint32_t kUnitsPerPixel = 64;

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

std::uint32_t Units(qreal pixels) {
  return static_cast<std::uint32_t>(std::ceil(std::max<qreal>(pixels, 0) * kUnitsPerPixel));
}

}  // namespace

QFont GridFont(QFont font) {
  font.setKerning(false);
  return font;
}

GlyphWidths::GlyphWidths(const QFont& font, TextEncoding encoding)
    : m_font(font), m_encoding(encoding), m_advances(0x10000, 0) {
  // Each code is decoded on its own: a code is never taken for a separator
  // between codes, and an undecodable one cannot swallow its neighbour.
  Cp932Converter converter;
  const QFontMetricsF metrics(font);
  QHash<QString, std::uint32_t> measured;  // every undecodable code is the same U+FFFD
  for (const unsigned code : AllCodes()) {
    std::string bytes;
    if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
    const QString character = QString::fromStdU16String(converter.ToUtf16(bytes));
    auto found = measured.constFind(character);
    if (found == measured.constEnd()) found = measured.insert(character, Units(metrics.horizontalAdvance(character)));
    m_advances[code] = *found;
    if (encoding == TextEncoding::Utf8 && character.size() == 1 && character != QChar(0xFFFD)) {
      if (m_unicodeAdvances.empty()) m_unicodeAdvances.assign(0x10000, 0);
      m_unicodeAdvances[character.front().unicode()] = *found;
      if (bytes.size() == 2) m_otherAdvance = std::max(m_otherAdvance, *found);
    }
    const auto length = static_cast<std::uint32_t>(bytes.size());
    const std::uint32_t perByte = (*found + length * kUnitsPerPixel - 1) / (length * kUnitsPerPixel);
    m_maxPerByte = std::max(m_maxPerByte, static_cast<int>(perByte));
  }
  const std::uint32_t yen = Units(metrics.horizontalAdvance(QString(QChar(kYenSign))));
  m_advances['\\'] = std::max(m_advances['\\'], yen);
  m_maxPerByte = std::max(m_maxPerByte, static_cast<int>((yen + kUnitsPerPixel - 1) / kUnitsPerPixel));
  if (encoding == TextEncoding::Utf8) {
    for (unsigned byte = 0; byte < 0x80; ++byte) m_unicodeAdvances[byte] = m_advances[byte];
    // Emoji come from a font of their own, often wider than a kanji: a
    // character outside code page 932 is taken as wide as the widest of them.
    for (const char32_t emoji : {U'\U0001F600', U'\U0001F363', U'\U0001F44D', U'\u2764', U'\U0001F1EF'}) {
      m_otherAdvance = std::max(m_otherAdvance, Units(metrics.horizontalAdvance(QString::fromUcs4(&emoji, 1))));
    }
    // The shortest such character takes two bytes.
    m_maxPerByte = std::max(m_maxPerByte, static_cast<int>((m_otherAdvance + 2 * kUnitsPerPixel - 1) / (2 * kUnitsPerPixel)));
  }
}

int GlyphWidths::Utf8Width(std::string_view text) const {
  std::uint64_t units = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8CharLength(text, pos);
    const char32_t code = Utf8CodePoint(text.substr(pos, length));
    pos += length;
    const std::uint32_t advance = code < m_unicodeAdvances.size() ? m_unicodeAdvances[code] : 0;
    units += advance != 0 || code < 0x80 ? advance : m_otherAdvance;
  }
  return static_cast<int>((units + kUnitsPerPixel - 1) / kUnitsPerPixel);
}

int GlyphWidths::Width(std::string_view text) const {
  return m_encoding == TextEncoding::Utf8 ? Utf8Width(text) : Cp932Width(text);
}

int GlyphWidths::Cp932Width(std::string_view text) const {
  // Without branches on the kind of character: a pair counts only when
  // CharLength would take it as one character.
  std::uint64_t units = 0;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* const end = p + text.size();
  while (p + 1 < end) {
    const unsigned pair = static_cast<unsigned>(IsLeadByte(p[0])) & static_cast<unsigned>(IsTrailByte(static_cast<char>(p[1])));
    units += m_advances[pair ? (p[0] << 8 | p[1]) : p[0]];
    p += 1 + pair;
  }
  if (p < end) units += m_advances[*p];
  return static_cast<int>((units + kUnitsPerPixel - 1) / kUnitsPerPixel);
}

}  // namespace tabulo::ui
