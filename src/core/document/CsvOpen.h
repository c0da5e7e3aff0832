#pragma once

#include <filesystem>

#include "core/base/Prompter.h"
#include "core/document/CsvReader.h"
#include "core/document/Document.h"

namespace tabulo {

class ByteSource;
class ProgressSink;

struct OpenResult {
  LoadResult load;
  bool sideFileRead = false;  // attributes and widths came from the side file
};

// Replaces the document by a delimited file as the open command does: reads
// the text, then the side file (".cfg", else ".ctl"). Without a usable side
// file the columns get default records and widths and, when `askTitleRow`,
// the user is asked whether the first line holds the titles. Rows are
// renumbered. The caller fits the column widths when no side file was read.
// Throws what LoadTextIntoGrid throws; a file that cannot be opened changes
// nothing.
OpenResult LoadCsvDocument(Document& document, const std::filesystem::path& path, bool askTitleRow,
                           Prompter& prompter, ProgressSink* progress,
                           EncodingChoice encoding = EncodingChoice::Auto);
// The same over a text already opened (`path` locates the side file).
OpenResult LoadCsvDocument(Document& document, ByteSource& text, const std::filesystem::path& path,
                           bool askTitleRow, Prompter& prompter, ProgressSink* progress,
                           EncodingChoice encoding = EncodingChoice::Auto);

}  // namespace tabulo
