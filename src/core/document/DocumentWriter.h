#pragma once

#include <filesystem>

#include "core/document/Document.h"
#include "core/document/SaveOptions.h"

namespace tabulo {

class ProgressSink;

// The body of both save commands: writes the document as delimited text in
// the options' format and, when attributes are saved, the ".cfg" side file
// beside it. Without attributes an existing ".cfg" is deleted when it is the
// target's own (see MayDeleteSideFileOf; `documentFile` is the file the
// document was read from or last saved to) and kept otherwise. With
// attributes saved the text holds data rows only, since the titles live in
// the side file.
//
// Nothing is replaced until everything has been written: a failure (no
// permission, a read-only target or side file, a full disk, a folder in the
// way) leaves the previous text file and side file exactly as they were and
// throws FileError. A target named like a side file (".cfg", ".ctl") is
// refused with TabuloError before anything is written.
void WriteDocument(Document& document, const std::filesystem::path& path, const SaveOptions& options,
                   ProgressSink* progress, const std::filesystem::path& documentFile);

}  // namespace tabulo
