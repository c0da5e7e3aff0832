#pragma once

#include <filesystem>

#include "core/base/Prompter.h"
#include "core/document/Delimiter.h"
#include "core/document/TableDocument.h"
#include "core/locale/EncodingDetection.h"

namespace tabulo {

class ByteSource;
class ProgressSink;

struct LoadResult {
  Delimiter delimiter = Delimiter::None;
  int linesStored = 0;
  FileEncoding encoding;  // the encoding the text was read in
};

// Reads delimited text into the grid. With `replace` the grid is emptied
// (its history too, outside an edit step) and filled from row 1, and it
// widens to the longest line; otherwise the lines
// become rows after the last one and fields beyond the existing columns are
// dropped.
//
// The delimiter is found over the whole text: a tab outside quoted fields
// wins (tabs inside the quoted fields of a comma file are that file's data),
// else a comma; otherwise the user is asked whether to split at blanks (no:
// each line is one cell of column 1). A line ends at CR, LF or CR LF (each one
// break); a quoted field of comma or blank text may hold line breaks (see
// ReadRecords); zero bytes are kept as data; an empty line gives an empty
// row; a last line without a break is kept. Progress runs over the last pass.
//
// The text's encoding is found in the first pass too (see EncodingSniffer),
// unless `choice` names it; a UTF-8 byte-order mark is no data. The cells
// keep the file's bytes: a replaced grid takes the file's encoding, while
// lines appended in another encoding than the grid's are converted to it
// (ConvertError for a character code page 932 cannot hold; the lines before
// stay).
//
// Throws FileError when the text cannot be read (rows read so far stay) and
// TabuloError when a line has more fields than a document can have columns.
LoadResult LoadTextIntoGrid(ByteSource& source, TableDocument& grid, bool replace, Prompter& prompter,
                            ProgressSink* progress, EncodingChoice choice = EncodingChoice::Auto);
LoadResult LoadTextIntoGrid(const std::filesystem::path& path, TableDocument& grid, bool replace,
                            Prompter& prompter, ProgressSink* progress,
                            EncodingChoice choice = EncodingChoice::Auto);

}  // namespace tabulo
