#include "ui/app/FixedPitchFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace tabulo::ui {

QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setFamilies(QStringList{QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"),
                    QStringLiteral("MS Gothic"), font.family()});
  return font;
}

}  // namespace tabulo::ui
