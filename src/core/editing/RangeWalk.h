#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// The walk every range command makes over the selection: column by column
// from left to right, each column from top to bottom. New texts are gathered
// as the walk sets them and each changed row is rewritten once at the end
// (Finish), so a command over many columns does not rebuild a row per cell
// and allocates nothing per cell beyond the new texts. While the walk goes
// on, Cell gives a cell's new text once it has been set, as if the grid had
// been written cell by cell.
class RangeWalk {
 public:
  // `range` is clamped to the data cells.
  RangeWalk(TableDocument& grid, const TGridRect& range);
  RangeWalk(const RangeWalk&) = delete;
  RangeWalk& operator=(const RangeWalk&) = delete;

  const TGridRect& Range() const noexcept { return m_range; }
  bool Empty() const noexcept { return m_range.Left > m_range.Right || m_range.Top > m_range.Bottom; }
  TableDocument& Grid() noexcept { return m_grid; }
  // The encoding of the grid's text.
  TextEncoding Encoding() const noexcept { return m_grid.Encoding().encoding; }

  // The cell's text as the walk has left it so far (any cell of the grid).
  std::string_view Cell(int col, int row) const noexcept;
  // Sets a cell of the range; the grid changes in Finish.
  void Set(int col, int row, std::string_view text);

  // Writes every changed row once.
  void Finish();

 private:
  // Where a new text lies: texts never straddle chunks, and a chunk never
  // grows beyond the room it was made with, so no text is ever moved.
  struct Text {
    std::uint32_t chunk;
    std::uint32_t offset;
    std::uint32_t length;
  };
  bool InRange(int col, int row) const noexcept {
    return col >= m_range.Left && col <= m_range.Right && row >= m_range.Top && row <= m_range.Bottom;
  }
  std::uint32_t& SlotOf(int col, int row);

  TableDocument& m_grid;
  TGridRect m_range;
  std::vector<std::vector<std::uint32_t>> m_slots;  // per column of the range, per row: 0 or text index + 1
  std::vector<Text> m_texts;
  std::vector<std::string> m_chunks;
};

// What a per-cell conversion did.
enum class CellOutcome { Keep, Write, Fail };

// Runs `convert(walk, col, row, text, out)` over every cell of `range` in the
// walk's order; `out` holds the new text when it says Write, and `walk.Cell`
// reads other cells as the walk has left them. Progress is the share of
// columns done. Returns the number of cells that failed (a failure leaves its
// cell as it was).
template <typename Convert>
int ConvertRange(TableDocument& grid, const TGridRect& range, ProgressSink* progress, Convert convert);

}  // namespace tabulo

#include "core/editing/RangeWalkImpl.h"
