// How a column's record judges and shows the text of its cells.

#include "core/document/GPItem.h"
#include "core/document/NumberText.h"
#include "core/locale/DateTime.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

bool IsNumberColumn(ColumnType type) {
  return type == ColumnType::Integer || type == ColumnType::Numeric || type == ColumnType::Currency;
}

}  // namespace

bool TGPItem::IsValidValue(std::string_view text) const {
  const ColumnType type = Type();
  if (type == ColumnType::String) return true;
  if (text.empty()) return false;
  switch (type) {
    case ColumnType::Integer: return ParseInt32(StripNumberDecoration(text)).has_value();
    case ColumnType::Numeric:
    case ColumnType::Currency: return ParseReal(StripNumberDecoration(text)).has_value();
    case ColumnType::Date: return ParseShortDate(text, Today().year).has_value();
    case ColumnType::Time: return ParseTime(text).has_value();
    case ColumnType::String: break;
  }
  return true;
}

std::string TGPItem::GetDisplayText(std::string_view text) const {
  if (IsNumberColumn(Type())) {
    if (auto grouped = GroupForDisplay(text, Type())) return std::move(*grouped);
  }
  return std::string(text);
}

CellColors TGPItem::GetCellColors(std::string_view text) const {
  return IsValidValue(text) ? kValidCellColors : kInvalidCellColors;
}

CellColors TGPItem::AdjustForDisplay(std::string& text) const {
  const CellColors colors = GetCellColors(text);
  if (IsNumberColumn(Type())) {
    if (auto grouped = GroupForDisplay(text, Type())) text = std::move(*grouped);
  }
  return colors;
}

}  // namespace tabulo
