#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/Document.h"

namespace tabulo {

// The attribute side file beside a text file: the print layout record, then
// one column record per column, column 0 first, with no count.

// "<name>.cfg" (written by the save commands).
std::filesystem::path SideFilePath(const std::filesystem::path& textPath);
// The side file to read for a text file: ".cfg", else ".ctl"; nullopt when
// neither exists.
std::optional<std::filesystem::path> FindSideFile(const std::filesystem::path& textPath);

// The side file's bytes for the document. Refreshes each column record's
// ColumnIndex and DisplayWidth from the grid first.
std::string BuildSideFile(Document& document);

// Applies side-file bytes to a freshly read document: fresh default columns,
// the print layout, then the records into the columns in order while bytes
// and columns remain; columns without a record get the default title and
// width. A file whose print record does not read is taken as the older form
// without one (untagged column records, the title line stored as data row 1,
// which is removed). Returns false, with the columns reset, when a column
// record does not read; the caller then treats the file as having none.
bool ApplySideFile(Document& document, std::string_view bytes);

// Reads and applies the side file of `textPath`; false when there is none or
// it cannot be read or applied. Never throws for a damaged or unreadable file.
bool ReadSideFile(Document& document, const std::filesystem::path& textPath);

}  // namespace tabulo
