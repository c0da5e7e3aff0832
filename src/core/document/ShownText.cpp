#include "core/document/ShownText.h"

#include <algorithm>

#include "core/document/NumberText.h"
#include "core/locale/LocaleConventions.h"

namespace tabulo {

std::u16string CellShownText(const TGPItem& item, std::string_view stored, bool grouped, TextConverter& converter) {
  if (!grouped || stored.empty()) return converter.ToUtf16(stored);
  if (item.Type() != ColumnType::Currency) return converter.ToUtf16(item.GetDisplayText(stored));
  // A currency cell that groups is written by the number formatter: digits,
  // signs, separators and the currency string, whose bytes are all ASCII and
  // so are never part of a double-byte character.
  const std::optional<std::string> shown = GroupForDisplay(stored, ColumnType::Currency);
  if (!shown) return converter.ToUtf16(stored);
  std::u16string text = converter.ToUtf16(*shown);
  const std::u16string currency = converter.ToUtf16(locale::kCurrencyString);
  if (currency.size() == 1) std::replace(text.begin(), text.end(), currency.front(), kYenSign);
  return text;
}

}  // namespace tabulo
