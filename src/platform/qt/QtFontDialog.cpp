#include "platform/qt/QtFontDialog.h"

#include <QFontDialog>

#include "platform/qt/FontMapping.h"

namespace tabulo::platform {

std::optional<FontChoice> QtFontDialog::Choose(const FontChoice& current, FontUse use) {
  QFontDialog dialog(use == FontUse::Print ? PrintQFontFromChoice(current) : QFontFromChoice(current), m_parent);
  dialog.setWindowTitle(QStringLiteral("フォントの指定"));
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ChoiceFromQFont(dialog.selectedFont(), current);
}

}  // namespace tabulo::platform
