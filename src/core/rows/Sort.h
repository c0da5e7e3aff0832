#pragma once

#include <span>

#include "core/rows/RowKeys.h"
#include "core/rows/SortKeys.h"

namespace tabulo {

class ProgressSink;
class TableDocument;

// Sorts data rows 1 .. RowCount()-1, totals rows included, by the first
// kMaxSortKeys of `keys` (in priority order). Each row moves whole: its
// cells, its row-number text, height and link. The rows' keys are converted
// once (TRowKeys), the list of rows is sorted with QuickSortItems, and the
// rows are put in their new order in one pass (TableDocument::ReorderRows);
// rows with equal keys come out in the order that quicksort gives them.
// Does not renumber the rows: the caller calls RenumberRows. Within an edit
// step the new order is one record of it, so undo puts the rows back.
// Nothing changes without keys, with fewer than two data rows, or when the
// rows are in order already. `progress` (may be null) follows the
// conversion of the keys. Throws std::invalid_argument for a key column
// outside 1 .. ColCount()-1 when there are rows to sort, std::bad_alloc when
// memory runs out (the document is then unchanged).
void SortRows(TableDocument& grid, std::span<const TKeyItem> keys, ProgressSink* progress);

}  // namespace tabulo
