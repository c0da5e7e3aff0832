#pragma once

#include <cstdint>
#include <string_view>

#include "core/document/GPItem.h"

namespace tabulo {

// How a sort key compares its column's cells. The codes are the kind buttons'
// tags.
enum class SortKind : std::uint8_t {
  Text = 0,      // "文字(a=A)": collation for Japanese, letter case ignored
  TextCase = 1,  // "文字(a<A)": collation with case, lower case first
  Bytes = 2,     // "文字(a>A)": the code page 932 bytes, upper case first
  Number = 3,    // "数値"
  Date = 4,      // "日付型": the short date format
  Time = 5,      // "時間型"
};

// One sort key: a data column, how it compares and its direction.
struct TKeyItem {
  int column = 1;
  SortKind kind = SortKind::Text;
  bool ascending = true;
  friend bool operator==(const TKeyItem&, const TKeyItem&) = default;
};

// Only this many keys take part in a sort; any further ones are ignored.
inline constexpr int kMaxSortKeys = 10;

// The kind a key on a column starts with, from the column's data type:
// string → Text, date → Date, time → Time, integer, numeric and currency →
// Number.
SortKind DefaultSortKind(const TGPItem& item);

// The kind's name as the key list shows it (code page 932): "文字(a=A)",
// "文字(a<A)", "文字(a>A)", "数値", "日付型", "時間型".
std::string_view SortKindName(SortKind kind);

}  // namespace tabulo
