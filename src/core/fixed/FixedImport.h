#pragma once

#include <filesystem>
#include <span>
#include <string_view>

#include "core/document/TableDocument.h"
#include "core/document/TextLines.h"
#include "core/fixed/FixedFieldCnf.h"

namespace tabulo {

class ProgressSink;

// Converts a fixed-length file into the table as the import dialog's OK
// does. The grid is emptied and gets one column per entry of the definition
// and one data row per line. Column p takes a copy of entry p (a fresh
// record for an empty entry): with DrawFlags 0 the default alignment of its
// type, with DisplayWidth 0 `widths[p]` (when given), the column width from
// DisplayWidth, its Title in the title cell. Each line's field of column p is
// cut (CutField) and cleaned (CleanField) into row i. Column 0 holds no
// field; the caller numbers the rows. The grid's history is cleared unless
// this runs inside an edit step.
void ImportFixedLines(const TextLines& lines, const TFixedFieldCnf& definition, std::span<const int> widths,
                      TableDocument& grid, ProgressSink* progress);

// Keeps the layout of a table imported with the definition saved as `name`
// in `folder`: its columns' records with their current widths, the print
// layout record, and the field lengths and clean-up options of the saved
// file, saved again under the same name. Errors are ignored.
void WriteBackFixedDefinition(const TableDocument& grid, TGridPrintInfo& printInfo, const std::filesystem::path& folder,
                              std::string_view name) noexcept;

// The column width a field of `length` bytes titled `title` needs at
// `charWidth` pixels a character: one character more than the longer of the
// two.
int FixedFieldWidth(int length, std::size_t titleBytes, int charWidth) noexcept;

}  // namespace tabulo
