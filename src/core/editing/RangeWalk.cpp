#include "core/editing/RangeWalk.h"

#include <algorithm>

namespace tabulo {

RangeWalk::RangeWalk(TableDocument& grid, const TGridRect& range)
    : m_grid(grid),
      m_range{std::max(range.Left, 1), std::max(range.Top, 1), std::min(range.Right, grid.ColCount() - 1),
              std::min(range.Bottom, grid.RowCount() - 1)} {
  if (!Empty()) m_slots.resize(static_cast<std::size_t>(m_range.Right - m_range.Left + 1));
}

std::uint32_t& RangeWalk::SlotOf(int col, int row) {
  std::vector<std::uint32_t>& column = m_slots[static_cast<std::size_t>(col - m_range.Left)];
  if (column.empty()) column.assign(static_cast<std::size_t>(m_range.Bottom - m_range.Top + 1), 0);
  return column[static_cast<std::size_t>(row - m_range.Top)];
}

std::string_view RangeWalk::Cell(int col, int row) const noexcept {
  if (InRange(col, row)) {
    const std::vector<std::uint32_t>& column = m_slots[static_cast<std::size_t>(col - m_range.Left)];
    if (!column.empty()) {
      const std::uint32_t slot = column[static_cast<std::size_t>(row - m_range.Top)];
      if (slot != 0) {
        const Text& text = m_texts[slot - 1];
        return std::string_view(m_chunks[text.chunk]).substr(text.offset, text.length);
      }
    }
  }
  return m_grid.Cell(col, row);
}

void RangeWalk::Set(int col, int row, std::string_view text) {
  if (!InRange(col, row)) return;
  std::uint32_t& slot = SlotOf(col, row);
  // Chunks of their own spare the copying a single growing buffer would do
  // over a column of a million rows.
  constexpr std::size_t kChunkBytes = std::size_t{1} << 20;
  if (m_chunks.empty() || m_chunks.back().capacity() - m_chunks.back().size() < text.size()) {
    m_chunks.emplace_back().reserve(std::max(kChunkBytes, text.size()));
  }
  std::string& chunk = m_chunks.back();
  m_texts.push_back({static_cast<std::uint32_t>(m_chunks.size() - 1), static_cast<std::uint32_t>(chunk.size()),
                     static_cast<std::uint32_t>(text.size())});
  chunk.append(text);
  slot = static_cast<std::uint32_t>(m_texts.size());
}

void RangeWalk::Finish() {
  if (Empty() || m_texts.empty()) return;
  std::vector<std::string_view> values;
  for (int row = m_range.Top; row <= m_range.Bottom; ++row) {
    // The changed span of this row: its first and last set column.
    int first = 0;
    int last = -1;
    for (int col = m_range.Left; col <= m_range.Right; ++col) {
      const std::vector<std::uint32_t>& column = m_slots[static_cast<std::size_t>(col - m_range.Left)];
      if (column.empty() || column[static_cast<std::size_t>(row - m_range.Top)] == 0) continue;
      if (last < 0) first = col;
      last = col;
    }
    if (last < 0) continue;
    values.clear();
    for (int col = first; col <= last; ++col) values.push_back(Cell(col, row));
    m_grid.ReplaceRowCells(row, first, values);
  }
  m_slots.clear();
  m_texts.clear();
  m_chunks.clear();
}

}  // namespace tabulo
