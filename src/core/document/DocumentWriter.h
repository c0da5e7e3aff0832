#pragma once

#include <filesystem>

#include "core/document/Document.h"
#include "core/document/SaveOptions.h"

namespace tabulo {

class ProgressSink;

// The body of both save commands: writes the document as delimited text in
// the options' format and, when attributes are saved, the ".cfg" side file
// beside it (otherwise an existing ".cfg" is deleted). With attributes saved
// the text holds data rows only, since the titles live in the side file.
//
// Nothing is replaced until everything has been written: a failure (no
// permission, a full disk, a folder in the way) leaves the previous text file
// and side file exactly as they were and throws FileError.
void WriteDocument(Document& document, const std::filesystem::path& path, const SaveOptions& options,
                   ProgressSink* progress);

}  // namespace tabulo
