#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/document/Document.h"
#include "core/document/SaveOptions.h"
#include "core/document/TableDocument.h"
#include "core/rows/FilterConditions.h"

namespace tabulo {

class ProgressSink;

// The narrowing search: the data rows that satisfy a FilterOptions.
//
// Each condition with a search text looks at its subject: the cell of its
// column, or for all columns the whole row's text (every cell, the row
// number first, each followed by CR LF). Subject and search text are both
// normalised by NormalizeForCompare with the options' three flags. "含む" and
// "含まない" look for the search text on whole characters; "＝", "＜" and "＞"
// compare the values under the treatment (numbers, dates, times), or for
// texts byte for byte ("＝") and in the locale's collation ("＜", "＞"). A
// text that does not convert fails the condition.

// The description the narrowed window's caption shows: "[" title, blank,
// operator, blank, normalised search text "]" for each condition with a
// search text ("[全項目 …]" for all columns), joined by " and " or " or ".
// Code page 932.
std::string FilterDescription(const TableDocument& grid, const FilterOptions& options);

// The matching data rows (1 to the last, totals rows included) in document
// order. The progress sink, which may be null, follows the scan.
std::vector<int> FindMatchingRows(const TableDocument& grid, const FilterOptions& options, ProgressSink* progress);

// The file output of a narrowing search: the title row (when the options
// ask for it) and the listed rows, in the options' save format, written as
// the save command writes a whole document. With SaveAttributes the text
// holds neither the title row nor the row numbers, and the attributes go
// into the ".ctl" side file beside it (an older ".cfg" of that name, which
// would be read first, is removed unless another file of the same base name
// may own it); without, a ".ctl" of that name is deleted under the same
// proviso. Nothing is replaced until everything is written: throws FileError
// and leaves the old files as they were when a file cannot be written, and
// TabuloError for a target named like a side file.
void WriteFilteredRows(const std::filesystem::path& path, const Document& document, std::span<const int> rows,
                       const SaveOptions& options, ProgressSink* progress = nullptr);

}  // namespace tabulo
