#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// Rows that agree in chosen columns ("重複行の抽出").
//
// The key of a data row is, for each chosen column from left to right, a TAB
// and the cell's text, normalised as a whole by NormalizeForCompare with the
// three flags. Rows whose keys are equal byte for byte form a group. The
// cells stay apart even when a cell itself holds a TAB: "a<TAB>b" and "c" is
// not the same key as "a" and "b<TAB>c".
struct DuplicateOptions {
  std::vector<int> columns;  // data columns, left to right
  bool ignoreKana = false;
  bool ignoreWidth = false;
  bool ignoreCase = false;
};

// Every group of two rows or more: the members of each group in ascending
// row order, one group after another.
struct DuplicateGroups {
  std::vector<int> rows;
  // Where each group starts in `rows`; a group ends where the next starts.
  std::vector<std::size_t> starts;

  std::size_t GroupCount() const noexcept { return starts.size(); }
  bool Empty() const noexcept { return rows.empty(); }
};

// "[" title "]" of each chosen column, joined by ",". Code page 932.
std::string DuplicateKeyDescription(const TableDocument& grid, std::span<const int> columns);

// The groups among data rows 1 to the last (totals rows included). With
// `ordered` the groups follow one another in the Japanese collation of their
// keys with letter case ignored, keys that collate equal in byte order; without,
// in the order of their first rows (enough for deleting). The progress sink,
// which may be null, follows the scan. Throws std::invalid_argument for a
// column that is not a data column, std::runtime_error when ICU lacks the
// collation data.
DuplicateGroups FindDuplicateGroups(const TableDocument& grid, const DuplicateOptions& options, bool ordered,
                                    ProgressSink* progress);

// The rows the delete mode removes: every member of a group but its first
// (topmost), in ascending order.
std::vector<int> LaterDuplicateRows(const DuplicateGroups& groups);

// Writes "消去" into the row-number cell of each listed row, for
// DeleteMarkedRows.
void MarkRowsForDeletion(TableDocument& grid, std::span<const int> rows);

}  // namespace tabulo
