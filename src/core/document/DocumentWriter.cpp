#include "core/document/DocumentWriter.h"

#include <optional>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "core/document/CsvWriter.h"
#include "core/document/SideFile.h"

namespace tabulo {

void WriteDocument(Document& document, const std::filesystem::path& path, const SaveOptions& options,
                   ProgressSink* progress, const std::filesystem::path& documentFile) {
  if (IsSideFileName(path)) throw TabuloError(FormatMessage(MessageId::TargetIsSideFileName, {path.string()}));
  const bool withTitle = options.WithTitle && !options.SaveAttributes;
  const bool withRowNumbers = options.WithRowNumbers && !options.SaveAttributes;

  AtomicFileWriter text(path);
  WriteDelimitedText(document.grid, options.Format(), withTitle, withRowNumbers, text, progress);
  text.Close();

  const std::filesystem::path sidePath = SideFilePath(text.Target());
  std::optional<AtomicFileWriter> side;
  bool deleteSide = false;
  if (options.SaveAttributes) {
    side.emplace(sidePath);
    side->Write(BuildSideFile(document));
    side->Close();
  } else if (FileExists(sidePath) && MayDeleteSideFileOf(text.Target(), documentFile)) {
    RequireReplaceable(sidePath);
    deleteSide = true;
  }

  text.Commit();
  if (side) side->Commit();
  if (deleteSide) RemoveFileIfExists(sidePath);
}

}  // namespace tabulo
