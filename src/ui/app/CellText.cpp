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

}  // namespace tabulo::ui
