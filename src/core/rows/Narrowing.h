#pragma once

#include <span>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// The narrowed window's document and its way back into the source.
//
// The narrowed copy holds the matching rows of a source document, each
// linked to the row it came from (RowLink). While the narrowed window is
// open the source does not change (the window is modal), so the links stay
// true; the write-back still checks each one and treats a link it cannot
// trust as no link, so that no row of the source is ever overwritten by the
// wrong row.

// The narrowed copy of `source`: the same columns (records with their
// titles, the row-number column's included, and widths), the default sizes,
// and one data row per listed source row, in the list's order, holding a
// copy of that row's cells and linked to it; then numbered (RenumberRows),
// totals rows keeping their "集計". Throws std::invalid_argument for a listed
// row that is not a data row of the source.
TableDocument MakeNarrowedGrid(const TableDocument& source, std::span<const int> rows);

// Writes the narrowed copy back into `source`, the copy having been made
// from `rows`: each column's record, title and width; then each narrowed
// row from the first down: a linked row's cells over its source row (only
// where they differ, so that untouched rows cost nothing in the history),
// the source row keeping its own row number and link; an unlinked row (or
// one whose link is not one of `rows`, or names a row already written)
// appended at the end of the source unless it is a totals row; last, each
// listed source row whose copy is gone marked "消去" in its row-number cell.
// The caller wraps this and DeleteMarkedRows in one edit step.
void WriteBackNarrowed(TableDocument& source, const TableDocument& narrowed, std::span<const int> rows,
                       ProgressSink* progress);

// Deletes every data row marked "消去" in one pass, renumbers the rows and
// puts the cursor at the top left. A grid left without data rows keeps one
// empty row, as after deleting rows by hand.
void DeleteMarkedRows(TableDocument& grid, ProgressSink* progress);

}  // namespace tabulo
