#pragma once

#include "core/base/Prompter.h"
#include "core/document/TableDocument.h"

namespace tabulo {

// Where a new row or column goes: before the current one, or after the last.
enum class AddPosition { AtCurrent = 0, AtEnd = 1 };

// Inserts an empty row at the current row (or appends one), renumbers the
// rows and makes the new row current.
void AddRow(TableDocument& grid, AddPosition position);

// Inserts an empty column at the current column (or appends one), with a
// fresh record titled after the new number of data columns, and makes it the
// current column. Other titles stay as they are.
void AddColumn(TableDocument& grid, AddPosition position);

// Deletes the rows of the selection (whole rows, whatever columns were
// selected) after the user confirms. A grid left without data rows gets one
// empty row. Returns false, with the selection as it was, when the user says
// no.
bool DeleteSelectedRows(TableDocument& grid, Prompter& prompter);

// Deletes the columns of the selection, with their records, after the user
// confirms; a grid left without data columns gets one new column. Remaining
// titles are not renumbered. Returns false when the user says no.
bool DeleteSelectedColumns(TableDocument& grid, Prompter& prompter);

}  // namespace tabulo
