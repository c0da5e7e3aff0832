#include "core/rows/SortKeys.h"

namespace tabulo {

SortKind DefaultSortKind(const TGPItem& item) {
  switch (item.Type()) {
    case ColumnType::String: return SortKind::Text;
    case ColumnType::Date: return SortKind::Date;
    case ColumnType::Time: return SortKind::Time;
    case ColumnType::Integer:
    case ColumnType::Numeric:
    case ColumnType::Currency: return SortKind::Number;
  }
  return SortKind::Text;
}

std::string_view SortKindName(SortKind kind) {
  switch (kind) {
    case SortKind::Text: return "\x95\xB6\x8E\x9A(a=A)";      // 文字(a=A)
    case SortKind::TextCase: return "\x95\xB6\x8E\x9A(a<A)";  // 文字(a<A)
    case SortKind::Bytes: return "\x95\xB6\x8E\x9A(a>A)";     // 文字(a>A)
    case SortKind::Number: return "\x90\x94\x92\x6C";         // 数値
    case SortKind::Date: return "\x93\xFA\x95\x74\x8C\x5E";   // 日付型
    case SortKind::Time: return "\x8E\x9E\x8A\xD4\x8C\x5E";   // 時間型
  }
  return {};
}

}  // namespace tabulo
