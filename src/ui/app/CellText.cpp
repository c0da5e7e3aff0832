#include "ui/app/CellText.h"

#include "core/document/NumberText.h"
#include "core/locale/LocaleConventions.h"

namespace tabulo::ui {

QString CellDisplayText(const TGPItem& item, std::string_view stored, bool grouped, Cp932Converter& converter) {
  const auto decode = [&converter](std::string_view bytes) { return QString::fromStdU16String(converter.ToUtf16(bytes)); };
  if (!grouped || stored.empty()) return decode(stored);
  if (item.Type() != ColumnType::Currency) return decode(item.GetDisplayText(stored));
  // A currency cell that groups is written by the number formatter: digits,
  // signs, separators and the currency string, whose bytes are all ASCII and
  // so are never part of a double-byte character.
  const std::optional<std::string> shown = GroupForDisplay(stored, ColumnType::Currency);
  if (!shown) return decode(stored);
  QString text = decode(*shown);
  text.replace(decode(locale::kCurrencyString), QString(QChar(kYenSign)));
  return text;
}

Qt::Alignment AlignmentOf(std::uint16_t drawFlags) {
  Qt::Alignment alignment = Qt::AlignLeft;
  if (drawFlags & draw_flags::kCenter) alignment = Qt::AlignHCenter;
  if (drawFlags & draw_flags::kRight) alignment = Qt::AlignRight;
  if (drawFlags & draw_flags::kVCenter) return alignment | Qt::AlignVCenter;
  if (drawFlags & draw_flags::kBottom) return alignment | Qt::AlignBottom;
  return alignment | Qt::AlignTop;
}

QColor ToQColor(const Color& color) {
  if (color.system != Color::System::None) return {};
  return QColor(color.r, color.g, color.b);
}

}  // namespace tabulo::ui
