#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/LargeAllocator.h"
#include "core/rows/SortKeys.h"

namespace tabulo {

class ProgressSink;
class TableDocument;
class TextKeys;

// One data row while it is sorted: which row it is and its first key. The
// cells stay where they are; the other keys are kept by row in TRowKeys.
struct TRowItem {
  std::uint64_t key = 0;  // the first key, as TRowKeys encodes it
  std::uint32_t row = 0;  // the row's place in the grid before sorting
};

// The keys of every data row of a grid, converted once before sorting so
// that comparing two rows does no parsing:
// - text kinds: a stored key of the cell's text (see TextKeys);
// - number, date and time: the value as a 64-bit floating-point number when
//   the cell converts (a number as calculation reads it, a date in the short
//   date format, a time in the time format), else none. The values are kept
//   as 64-bit integers that order as the values do, with "none" below every
//   value, and a descending key keeps them reversed.
// Each row costs 16 bytes for its TRowItem and 8 for each further key, plus
// the stored text keys.
class TRowKeys {
 public:
  // Converts the cells of data rows 1 .. RowCount()-1 for the first
  // kMaxSortKeys of `keys`, reporting progress by rows (`progress` may be
  // null). `keys` must not be empty and their columns must lie within
  // 1 .. ColCount()-1: std::invalid_argument otherwise.
  TRowKeys(const TableDocument& grid, std::span<const TKeyItem> keys, ProgressSink* progress);
  ~TRowKeys();
  TRowKeys(const TRowKeys&) = delete;
  TRowKeys& operator=(const TRowKeys&) = delete;

  // One item per data row, in grid order, ready to be sorted.
  std::span<TRowItem> Items() noexcept { return m_items; }

  // Negative, zero or positive as row `a` sorts before, with or after row
  // `b`: the keys in priority order, the first that differs decides. Text
  // kinds compare their stored keys; numbers, dates and times compare their
  // values, a cell without one before every value (after them when the key
  // is descending); a descending key reverses its result.
  int CompareRows(const TRowItem& a, const TRowItem& b) const noexcept;

  // Bytes held besides the document, for measurements.
  std::size_t MemoryBytes() const noexcept;

 private:
  template <typename T>
  using BigVector = std::vector<T, LargeAllocator<T>>;

  struct Key {
    TKeyItem item;
    std::unique_ptr<TextKeys> texts;     // for the text kinds
    BigVector<std::uint64_t> values;     // by data row, for all keys but the first
  };

  std::uint64_t Encode(Key& key, std::string_view text) const;
  static int CompareValues(const Key& key, std::uint64_t a, std::uint64_t b) noexcept;

  std::vector<Key> m_keys;
  BigVector<TRowItem> m_items;
  int m_currentYear = 0;  // for dates without a year
};

}  // namespace tabulo
