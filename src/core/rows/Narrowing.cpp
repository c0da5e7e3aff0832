#include "core/rows/Narrowing.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/base/Progress.h"
#include "core/document/DocumentOperations.h"

namespace tabulo {
namespace {

constexpr int kProgressStride = 4096;

// Whether two rows hold the same texts. Rows copied and left alone keep
// their block byte for byte, which the first test finds at once.
bool SameCells(const PackedRow& a, const PackedRow& b) {
  if (a.Count() == b.Count() && a.BlockSize() == b.BlockSize() &&
      (a.BlockSize() == 0 || std::memcmp(a.Data(), b.Data(), a.BlockSize()) == 0)) {
    return true;
  }
  const std::uint32_t count = std::max(a.Count(), b.Count());
  for (std::uint32_t i = 0; i < count; ++i) {
    if (a.Cell(i) != b.Cell(i)) return false;
  }
  return true;
}

// What became of each source row in a write-back.
enum class RowFate : std::uint8_t { NotListed, Listed, WrittenBack, Marked };

void WriteBackColumns(TableDocument& source, const TableDocument& narrowed, ProgressSink* progress) {
  ProgressScope scope(progress);
  // The narrowed window cannot add or remove columns; should the counts
  // differ all the same, the columns both have go back.
  const int cols = std::min(source.ColCount(), narrowed.ColCount());
  for (int col = 0; col < cols; ++col) {
    if (std::as_const(source).Item(col) != narrowed.Item(col)) source.Item(col) = narrowed.Item(col);
    if (source.ColWidth(col) != narrowed.ColWidth(col)) source.SetColWidth(col, narrowed.ColWidth(col));
    scope.Update(static_cast<std::uint64_t>(col) + 1, static_cast<std::uint64_t>(cols));
  }
}

void WriteBackRows(TableDocument& source, const TableDocument& narrowed, std::vector<RowFate>& fates,
                   ProgressSink* progress) {
  ProgressScope scope(progress);
  const int sourceRows = static_cast<int>(fates.size());
  std::vector<int> appended;
  for (int row = 1; row < narrowed.RowCount(); ++row) {
    const int link = narrowed.RowLink(row);
    if (link >= 1 && link < sourceRows && fates[static_cast<std::size_t>(link)] == RowFate::Listed) {
      fates[static_cast<std::size_t>(link)] = RowFate::WrittenBack;
      const PackedRow cells = narrowed.RowCells(row);
      if (!SameCells(source.RowCells(link), cells)) source.CopyRowCells(link, cells);
    } else if (!narrowed.IsTotalsRow(row)) {
      appended.push_back(row);
    }
    if (row % kProgressStride == 0) {
      scope.Update(static_cast<std::uint64_t>(row), static_cast<std::uint64_t>(narrowed.RowCount()));
    }
  }
  // New rows go to the end, in their order; their numbers come with the
  // renumbering that follows.
  if (appended.empty()) return;
  const int first = source.RowCount();
  source.SetRowCount(first + static_cast<int>(appended.size()));
  for (std::size_t i = 0; i < appended.size(); ++i) {
    source.CopyRowCells(first + static_cast<int>(i), narrowed.RowCells(appended[i]));
  }
}

}  // namespace

TableDocument MakeNarrowedGrid(const TableDocument& source, std::span<const int> rows) {
  for (const int row : rows) {
    if (row < 1 || row >= source.RowCount()) throw std::invalid_argument("not a data row of the source");
  }
  TableDocument narrowed;
  narrowed.SetEncoding(source.Encoding());
  narrowed.SetDefaultColWidth(source.DefaultColWidth());
  narrowed.SetDefaultRowHeight(source.DefaultRowHeight());
  narrowed.SetColCount(source.ColCount());
  for (int col = 0; col < source.ColCount(); ++col) {
    narrowed.Item(col) = source.Item(col);
    narrowed.SetColWidth(col, source.ColWidth(col));
  }
  narrowed.ReserveRows(static_cast<int>(rows.size()) + 1);
  narrowed.SetRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    narrowed.CopyRowCells(row, source.RowCells(rows[i]));
    if (source.IsTotalsRow(rows[i])) narrowed.SetCell(0, row, kTotalsRowLabel);
    narrowed.SetRowLink(row, rows[i]);
  }
  RenumberRows(narrowed);
  narrowed.SetCurrentCell(1, 1);
  return narrowed;
}

void WriteBackNarrowed(TableDocument& source, const TableDocument& narrowed, std::span<const int> rows,
                       ProgressSink* progress) {
  std::vector<RowFate> fates(static_cast<std::size_t>(source.RowCount()), RowFate::NotListed);
  for (const int row : rows) {
    if (row >= 1 && row < source.RowCount()) fates[static_cast<std::size_t>(row)] = RowFate::Listed;
  }
  WriteBackColumns(source, narrowed, progress);
  WriteBackRows(source, narrowed, fates, progress);

  ProgressScope scope(progress);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = rows[i];
    if (row >= 1 && row < static_cast<int>(fates.size()) && fates[static_cast<std::size_t>(row)] == RowFate::Listed) {
      source.SetCell(0, row, kDeletedRowLabel);
      fates[static_cast<std::size_t>(row)] = RowFate::Marked;
    }
    if (i % kProgressStride == 0) scope.Update(i + 1, rows.size());
  }
}

void DeleteMarkedRows(TableDocument& grid, ProgressSink* progress) {
  ProgressScope scope(progress);
  std::vector<int> marked;
  for (int row = 1; row < grid.RowCount(); ++row) {
    if (grid.Cell(0, row) == kDeletedRowLabel) marked.push_back(row);
  }
  scope.Update(1, 2);
  grid.DeleteRowSet(marked);
  if (grid.RowCount() < 2) grid.SetRowCount(2);
  RenumberRows(grid);
  grid.SetCurrentCell(1, 1);
  grid.SetTopRow(1);
  grid.SetLeftCol(1);
  scope.Update(2, 2);
}

}  // namespace tabulo
