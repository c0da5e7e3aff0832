#pragma once

#include <optional>

#include <QFont>
#include <QString>
#include <QStringList>

#include "platform/Services.h"

namespace tabulo::platform {

// The settings file keeps font names as the Japanese desktop of old knew them
// ("ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝", …). Those fonts do not exist here, so each is
// shown in an installed Japanese font of the same kind, while the stored name
// stays as it was and goes back into the settings file unchanged.

enum class JapaneseFontKind { Gothic, FixedGothic, Mincho };

// The kind of a stored name that stands for a Japanese system font, or
// nothing for any other name.
std::optional<JapaneseFontKind> KindOfStoredName(const QString& storedName);

// The family to use for `kind`, chosen from `installed` (every family there
// is) and `japanese` (those that can write Japanese): the preferred Noto face,
// else a Japanese family whose name tells the same kind, else any Japanese
// family, else the preferred name, which leaves the choice to Qt's fallback.
QString ChooseJapaneseFamily(JapaneseFontKind kind, const QStringList& installed, const QStringList& japanese);

// The family that shows `storedName` on this machine: the mapped family for a
// Japanese system font, the name itself for anything else.
QString DisplayFamily(const QString& storedName);

// The font to show for a stored choice (name in code page 932 bytes).
QFont QFontFromChoice(const FontChoice& choice);

// The font to print a stored choice with: like QFontFromChoice, but a
// Japanese system font becomes an installed face whose printed text a PDF
// reader can search and copy, when there is one.
QFont PrintQFontFromChoice(const FontChoice& choice);

// The stored choice for a font picked in a dialog: the family the user chose
// becomes the name (also when it is the family a stored Windows name maps to,
// so that the next start shows exactly that family). A family that code page
// 932 cannot hold keeps the previous name, since the settings file could not
// store it. The character set is kept, as Qt has none.
FontChoice ChoiceFromQFont(const QFont& font, const FontChoice& previous);

}  // namespace tabulo::platform
