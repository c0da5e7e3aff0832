#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/base/LargeAllocator.h"
#include "core/document/GridParts.h"
#include "core/locale/EncodingDetection.h"

namespace tabulo {

// What one change of an edit step replaced, kept so that applying the record
// puts it back. Applying a record also turns it into its own opposite (the
// record of what it just replaced), so the same records serve undo (applied
// last to first) and redo (first to last).

// Old texts of single cells, row 0 (titles) and column 0 (row numbers)
// included: 12 bytes a cell besides the text.
class CellTexts {
 public:
  struct Entry {
    std::int32_t row;
    std::int32_t col;
    std::uint32_t end;  // the end of this entry's text in the bytes
  };

  void Add(int row, int col, std::string_view text) {
    m_bytes.append(text);
    m_entries.push_back({row, col, static_cast<std::uint32_t>(m_bytes.size())});
  }
  void Reserve(std::size_t entries, std::size_t bytes) {
    m_entries.reserve(entries);
    m_bytes.reserve(bytes);
  }
  std::size_t TextBytes() const noexcept { return m_bytes.size(); }
  bool empty() const noexcept { return m_entries.empty(); }
  std::size_t size() const noexcept { return m_entries.size(); }
  const Entry& operator[](std::size_t i) const noexcept { return m_entries[i]; }
  std::string_view Text(std::size_t i) const noexcept {
    const std::uint32_t begin = i == 0 ? 0 : m_entries[i - 1].end;
    return std::string_view(m_bytes).substr(begin, m_entries[i].end - begin);
  }
  std::size_t MemoryBytes() const noexcept {
    return m_entries.capacity() * sizeof(Entry) + m_bytes.capacity();
  }
  // The texts are kept only while they fit 32-bit offsets; a step that
  // replaces more than 4 GiB of text cannot be undone.
  bool Full() const noexcept { return m_bytes.size() > 0xF0000000u; }

 private:
  // A step over a whole column of a big table keeps millions of texts: huge
  // pages spare the faults of so much fresh memory.
  std::vector<Entry, LargeAllocator<Entry>> m_entries;
  std::basic_string<char, std::char_traits<char>, LargeAllocator<char>> m_bytes;
};

// Whole rows of cells as they were: the rows' old blocks, kept as they are
// (their blocks belong to the record), for changes that replace every cell
// of a row. 24 bytes a row besides the block.
struct RowBlocks {
  struct Entry {
    const char* data;
    std::uint32_t count;
    std::int32_t row;
    std::uint16_t chunk;
  };
  std::vector<Entry> entries;
};

// Rows taken out at `first` (their blocks now belong to the record). Rows
// taken out of many places in one pass list those places instead: rows[i]
// stood at positions[i] (ascending, counted before the removal).
struct RowsRemoved {
  int first = 0;
  std::vector<RowSlot> rows;
  std::vector<int> positions;
};

// Rows put in at `first` (empty, or given back by a RowsRemoved); or, when
// `positions` is not empty, one row at each of those places (ascending,
// counted after the insertion).
struct RowsInserted {
  int first = 0;
  int count = 0;
  std::vector<int> positions;
};

// A row moved from `from` to `to`; applying moves it back.
struct RowMoved {
  int from = 0;
  int to = 0;
};

// The rows put in a new order. Applying puts row i at order[i] when `back`
// (the record of a reordering holds the order it made, to be taken back),
// else row order[i] at i, and turns `back` around.
struct RowsReordered {
  std::vector<int> order;
  bool back = true;
};

// Columns taken out at `first`, with the texts of their cells.
struct ColumnsRemoved {
  int first = 0;
  std::vector<GridColumn> columns;
  CellTexts cells;  // columns counted from `first`
};

struct ColumnsInserted {
  int first = 0;
  int count = 0;
};

struct ColumnMoved {
  int from = 0;
  int to = 0;
};

// The columns put in a new order: applying puts column `order[i]` at i.
struct ColumnsReordered {
  std::vector<int> order;
};

// A column's record and width as they were.
struct ColumnState {
  int col = 0;
  GridColumn column;
};

// A data row's height and link as they were.
struct RowState {
  int row = 0;
  std::uint16_t height = 0;
  std::int32_t link = -1;
};

// The document's encoding as it was, before its cells were converted.
struct EncodingState {
  FileEncoding encoding;
};

using EditRecord = std::variant<CellTexts, RowBlocks, RowsRemoved, RowsInserted, RowMoved, RowsReordered, ColumnsRemoved,
                                ColumnsInserted, ColumnMoved, ColumnsReordered, ColumnState, RowState, EncodingState>;

}  // namespace tabulo
