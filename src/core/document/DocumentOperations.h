#pragma once

#include <string>

#include "core/document/Document.h"

namespace tabulo {

class ProgressSink;

// The default title of column `index`: "列" and the index right-aligned in
// four places ("列   1", "列 123"), in the document's encoding.
std::string DefaultColumnTitle(int index, TextEncoding encoding = TextEncoding::ShiftJis);

// Sets the corner to "行番" and writes each data row's position into its
// row-number cell, leaving totals rows ("集計") as they are.
void RenumberRows(TableDocument& grid);

// Gives every column a fresh record: column 0 "行番", not printed, centred;
// column c the default title. Titles go into the title cells.
void BuildDefaultColumns(TableDocument& grid);

// Resets every column's record and forgets the fixed-length definition the
// document came through, after keeping the table's layout in that
// definition when it was saved under a name (WriteBackFixedDefinition).
void ReleaseColumns(Document& document);

// Empties every cell, reporting progress per column.
void ClearCells(TableDocument& grid, ProgressSink* progress);

// The state of a new window's document: nine empty data columns with default
// titles and widths, nine empty numbered rows, the default print layout, and
// no history.
void NewDocument(Document& document, ProgressSink* progress = nullptr);

// Makes data row 1 the title row: each column's Title becomes the text of
// its row-1 cell, and row 1 is removed. The current row becomes 1. The caller
// renumbers the rows afterwards.
void AdoptFirstLineAsTitles(TableDocument& grid);

}  // namespace tabulo
