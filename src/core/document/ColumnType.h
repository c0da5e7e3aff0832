#pragma once

#include <cstdint>

namespace tabulo {

// The values of a column record's `DataType` byte. A damaged file may hold
// other values; those columns behave as string columns.
enum class ColumnType : std::uint8_t {
  String = 0,    // "文字列"
  Integer = 1,   // "整数"
  Numeric = 2,   // "数値"
  Date = 3,      // "日付型"
  Time = 4,      // "時間型"
  Currency = 5,  // "通貨"
};

inline ColumnType ColumnTypeOf(std::uint8_t dataType) {
  return dataType <= 5 ? static_cast<ColumnType>(dataType) : ColumnType::String;
}

}  // namespace tabulo
