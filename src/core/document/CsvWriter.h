#pragma once

#include <filesystem>
#include <span>

#include "core/document/SaveOptions.h"
#include "core/document/TableDocument.h"

namespace tabulo {

class ByteSink;
class ProgressSink;

// Writes the grid as delimited text in one of the five save formats: every
// row from the title row (when `withTitle`) or row 1, each with the fields of
// column 0 (when `withRowNumbers`) or 1 to the last column, trailing empty
// ones included, ended by CR LF. Cell bytes are written unchanged.
// - Comma: a field holding a byte 0x01..0x20, a double quote or a comma is
//   quoted; a row of one empty field is written as two double quotes.
// - Tab: never quoted.
// - Typed: quoted unless the column is of integer, numeric or currency type
//   and the field holds no comma, double quote, tab or line break.
// - Quoted: always quoted. Plain: never quoted.
// Quoting doubles the field's double quotes. Comma, typed and quoted text
// read back every cell exactly, tabs and line breaks included; tab and plain
// text write such cells as they are, so they gain fields or lines. The text
// starts with a byte-order mark when the grid's UTF-8 file had one, and its
// lines end in LF alone when that file's did. Throws
// what the sink throws.
void WriteDelimitedText(const TableDocument& grid, SaveFormat format, bool withTitle, bool withRowNumbers,
                        ByteSink& sink, ProgressSink* progress);
// The same for the title row (when `withTitle`) and then the data rows
// listed in `rows`, in the list's order: a part of the table written without
// copying it. A listed row outside the grid is written as empty fields.
void WriteDelimitedRows(const TableDocument& grid, std::span<const int> rows, SaveFormat format, bool withTitle,
                        bool withRowNumbers, ByteSink& sink, ProgressSink* progress);

// The five writers, each creating or replacing `path` safely (see
// AtomicFileWriter); they throw FileError when the file cannot be written.
void WriteCommaText(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                    ProgressSink* progress, bool withRowNumbers);
void WriteTabText(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                  ProgressSink* progress, bool withRowNumbers);
void WriteTypedCsv(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                   ProgressSink* progress, bool withRowNumbers);
void WriteQuotedCsv(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                    ProgressSink* progress, bool withRowNumbers);
void WritePlainCsv(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                   ProgressSink* progress, bool withRowNumbers);

}  // namespace tabulo
