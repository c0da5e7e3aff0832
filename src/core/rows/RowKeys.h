#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/base/LargeAllocator.h"
#include "core/rows/SortKeys.h"

namespace tabulo {

class ProgressSink;
class TableDocument;

// One data row while it is sorted: which row it is and its first key. The
// cells stay where they are; the other keys are kept by row in TRowKeys.
struct TRowItem {
  std::uint64_t key = 0;  // the first key, as TRowKeys encodes it
  std::uint32_t row = 0;  // the row's place in the grid before sorting
};

// The keys of every data row of a grid, converted once before sorting so
// that comparing two rows does no parsing. Every key becomes a 64-bit
// integer that orders as the key does:
// - text kinds: the rank of the cell's text among the column's texts (see
//   TextKeys), equal texts sharing a rank;
// - number, date and time: the value as a 64-bit floating-point number when
//   the cell converts (a number as calculation reads it, a date in the short
//   date format, a time in the time format), its bits arranged to order as
//   the values do; a cell that does not convert gets 0, below every value.
// A descending key has its integers turned around (every bit inverted), so
// the cells without a value come last.
// Each row costs 16 bytes for its TRowItem and 8 for each further key; text
// keys need their stored keys and 8 bytes per distinct text while they are
// ranked, and nothing afterwards.
class TRowKeys {
 public:
  // Converts the cells of data rows 1 .. RowCount()-1 for the first
  // kMaxSortKeys of `keys`, reporting progress by rows (`progress` may be
  // null). `keys` must not be empty and their columns must lie within
  // 1 .. ColCount()-1: std::invalid_argument otherwise.
  TRowKeys(const TableDocument& grid, std::span<const TKeyItem> keys, ProgressSink* progress);

  // One item per data row, in grid order, ready to be sorted.
  std::span<TRowItem> Items() noexcept { return m_items; }

  // Negative, zero or positive as row `a` sorts before, with or after row
  // `b`: the keys in priority order, the first that differs decides. For
  // numbers, dates and times: two values compare as they are, two cells
  // without one are equal, and a cell without one comes before a value
  // (after it when the key is descending).
  int CompareRows(const TRowItem& a, const TRowItem& b) const noexcept {
    if (a.key != b.key) return a.key < b.key ? -1 : 1;
    if (m_restWidth == 0) return 0;
    const std::uint64_t* x = &m_rest[(a.row - 1) * m_restWidth];
    const std::uint64_t* y = &m_rest[(b.row - 1) * m_restWidth];
    for (std::size_t k = 0; k < m_restWidth; ++k) {
      if (x[k] != y[k]) return x[k] < y[k] ? -1 : 1;
    }
    return 0;
  }

  // The most bytes this held at once while converting, for measurements.
  std::size_t PeakBytes() const noexcept { return m_peakBytes; }

 private:
  template <typename T>
  using BigVector = std::vector<T, LargeAllocator<T>>;

  BigVector<TRowItem> m_items;
  BigVector<std::uint64_t> m_rest;  // the keys after the first, row by row
  std::size_t m_restWidth = 0;      // how many keys follow the first
  std::size_t m_peakBytes = 0;
};

}  // namespace tabulo
