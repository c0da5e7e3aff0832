#include "core/document/DocumentWriter.h"

#include <optional>

#include "core/base/FileIo.h"
#include "core/document/CsvWriter.h"
#include "core/document/SideFile.h"

namespace tabulo {

void WriteDocument(Document& document, const std::filesystem::path& path, const SaveOptions& options,
                   ProgressSink* progress) {
  const bool withTitle = options.WithTitle && !options.SaveAttributes;
  const bool withRowNumbers = options.WithRowNumbers && !options.SaveAttributes;

  AtomicFileWriter text(path);
  WriteDelimitedText(document.grid, options.Format(), withTitle, withRowNumbers, text, progress);
  text.Close();

  const std::filesystem::path sidePath = SideFilePath(text.Target());
  std::optional<AtomicFileWriter> side;
  if (options.SaveAttributes) {
    side.emplace(sidePath);
    side->Write(BuildSideFile(document));
    side->Close();
  }

  text.Commit();
  if (side) {
    side->Commit();
  } else {
    RemoveFileIfExists(sidePath);
  }
}

}  // namespace tabulo
