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
// "<name>.ctl" (written by the file output of a narrowing search; read when
// there is no ".cfg").
std::filesystem::path ControlSideFilePath(const std::filesystem::path& textPath);
// The side file to read for a text file: ".cfg", else ".ctl"; nullopt when
// neither exists or the text file itself would be its own side file.
std::optional<std::filesystem::path> FindSideFile(const std::filesystem::path& textPath);

// Whether a text file of this name would be its own side file, when written
// (".cfg") or read (".ctl"). Such names are refused as save targets, since the
// side file would overwrite or misread the text.
bool IsSideFileName(const std::filesystem::path& textPath);

// Whether a save of the document to `target` without attributes may delete
// the side file with `extension` (".cfg" or ".ctl") that lies beside
// `target`. It may when the target is the file the document belongs to
// (`documentFile`, read from or last saved to), whose side file it is.
// Otherwise the side file may belong to another file of the same base name
// (the document's own file among them), and it is kept whenever such a file
// exists or the folder cannot be looked at.
bool MayDeleteSideFileOf(const std::filesystem::path& target, const std::filesystem::path& documentFile,
                         std::string_view extension = ".cfg");

// The side file's bytes for the document. Refreshes each column record's
// ColumnIndex and DisplayWidth from the grid first.
std::string BuildSideFile(Document& document);
// The same bytes, leaving the document's records as they are.
std::string SideFileBytes(const Document& document);

// Applies side-file bytes to a freshly read document: fresh default columns,
// the print layout, then the records into the columns in order while bytes
// and columns remain; columns without a record get the default title and
// width. A file whose print record does not read is taken as the older form
// without one (untagged column records, the title line stored as data row 1,
// which is removed), but only when it holds a plausible record for every
// column. Returns false, with the columns reset and no row removed, when a
// column record does not read or the older form is incomplete or implausible;
// the caller then treats the file as having none. Widths of 0 for every data
// column fall back to the default width.
bool ApplySideFile(Document& document, std::string_view bytes);

// Reads and applies the side file of `textPath`; false when there is none or
// it cannot be read or applied. Never throws for a damaged or unreadable file.
bool ReadSideFile(Document& document, const std::filesystem::path& textPath);

}  // namespace tabulo
