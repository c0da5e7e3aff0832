#include "platform/qt/FontMapping.h"

#include <QFontDatabase>

#include <cmath>

#include "core/base/Errors.h"
#include "core/locale/Encoding.h"

namespace tabulo::platform {
namespace {

constexpr int kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;

QString PreferredFamily(JapaneseFontKind kind) {
  switch (kind) {
    case JapaneseFontKind::Gothic: return QStringLiteral("Noto Sans CJK JP");
    case JapaneseFontKind::FixedGothic: return QStringLiteral("Noto Sans Mono CJK JP");
    case JapaneseFontKind::Mincho: return QStringLiteral("Noto Serif CJK JP");
  }
  return {};
}

// Words in family names that tell the kind of face, for the fallback search.
QStringList KindWords(JapaneseFontKind kind) {
  if (kind == JapaneseFontKind::Mincho) return {QStringLiteral("Mincho"), QStringLiteral("Serif")};
  return {QStringLiteral("Gothic"), QStringLiteral("Sans")};
}

QString FirstWithWord(const QStringList& families, const QStringList& words) {
  for (const auto& family : families) {
    for (const auto& word : words) {
      if (family.contains(word, Qt::CaseInsensitive)) return family;
    }
  }
  return {};
}

}  // namespace

std::optional<JapaneseFontKind> KindOfStoredName(const QString& storedName) {
  if (storedName == QStringLiteral("ＭＳ Ｐゴシック")) return JapaneseFontKind::Gothic;
  if (storedName == QStringLiteral("ＭＳ ゴシック")) return JapaneseFontKind::FixedGothic;
  if (storedName == QStringLiteral("ＭＳ Ｐ明朝") || storedName == QStringLiteral("ＭＳ 明朝")) {
    return JapaneseFontKind::Mincho;
  }
  return std::nullopt;
}

QString ChooseJapaneseFamily(JapaneseFontKind kind, const QStringList& installed, const QStringList& japanese) {
  if (installed.contains(PreferredFamily(kind))) return PreferredFamily(kind);
  // The fixed-width gothic is a gothic first: the proportional Noto face
  // beats a stranger that happens to be fixed-width.
  if (kind == JapaneseFontKind::FixedGothic && installed.contains(PreferredFamily(JapaneseFontKind::Gothic))) {
    return PreferredFamily(JapaneseFontKind::Gothic);
  }
  if (auto family = FirstWithWord(japanese, KindWords(kind)); !family.isEmpty()) return family;
  if (!japanese.isEmpty()) return japanese.front();
  return PreferredFamily(kind);
}

QString DisplayFamily(const QString& storedName) {
  const auto kind = KindOfStoredName(storedName);
  if (!kind) return storedName;
  return ChooseJapaneseFamily(*kind, QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
}

namespace {

// A PDF reader finds the text of a page through a table from each glyph back
// to one character. A face that draws a kanji and its Kangxi radical with one
// glyph (the Noto faces do) gives the radical there, so 日 and 目 on paper
// would be found as ⽇ and ⽬; the IPA faces have a glyph of their own for each.
QString PrintFamily(const QString& storedName) {
  const auto installed = QFontDatabase::families();
  QString family;
  if (storedName == QStringLiteral("ＭＳ Ｐゴシック")) family = QStringLiteral("IPAPGothic");
  if (storedName == QStringLiteral("ＭＳ ゴシック")) family = QStringLiteral("IPAGothic");
  if (storedName == QStringLiteral("ＭＳ Ｐ明朝")) family = QStringLiteral("IPAPMincho");
  if (storedName == QStringLiteral("ＭＳ 明朝")) family = QStringLiteral("IPAMincho");
  return !family.isEmpty() && installed.contains(family) ? family : DisplayFamily(storedName);
}

QFont FontOf(const QString& family, const FontChoice& choice) {
  QFont font(family);
  if (choice.size > 0) font.setPointSize(choice.size);
  font.setBold((choice.style & kBold) != 0);
  font.setItalic((choice.style & kItalic) != 0);
  font.setUnderline((choice.style & kUnderline) != 0);
  font.setStrikeOut((choice.style & kStrikeOut) != 0);
  return font;
}

QString StoredName(const FontChoice& choice) {
  Cp932Converter converter;
  return QString::fromStdU16String(converter.ToUtf16(choice.name));
}

}  // namespace

QFont QFontFromChoice(const FontChoice& choice) { return FontOf(DisplayFamily(StoredName(choice)), choice); }

QFont PrintQFontFromChoice(const FontChoice& choice) { return FontOf(PrintFamily(StoredName(choice)), choice); }

FontChoice ChoiceFromQFont(const QFont& font, const FontChoice& previous) {
  Cp932Converter converter;
  FontChoice choice = previous;
  try {
    choice.name = converter.FromUtf16(font.family().toStdU16String());
  } catch (const ConvertError&) {
    choice.name = previous.name;
  }
  if (font.pointSize() > 0) {
    choice.size = font.pointSize();
  } else if (font.pointSizeF() > 0) {
    choice.size = static_cast<int>(std::lround(font.pointSizeF()));
  }
  choice.style = (font.bold() ? kBold : 0) | (font.italic() ? kItalic : 0) | (font.underline() ? kUnderline : 0) |
                 (font.strikeOut() ? kStrikeOut : 0);
  return choice;
}

}  // namespace tabulo::platform
