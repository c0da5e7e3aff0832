#include "ui/app/CellText.h"

namespace tabulo::ui {

QString CellDisplayText(const TGPItem& item, std::string_view stored, bool grouped, TextConverter& converter) {
  return QString::fromStdU16String(CellShownText(item, stored, grouped, converter));
}

QColor ToQColor(const Color& color) {
  if (color.system != Color::System::None) return {};
  return QColor(color.r, color.g, color.b);
}

}  // namespace tabulo::ui
