#include "core/document/CsvOpen.h"

#include "core/base/FileIo.h"
#include "core/document/DocumentOperations.h"
#include "core/document/SideFile.h"

namespace tabulo {

OpenResult LoadCsvDocument(Document& document, const std::filesystem::path& path, bool askTitleRow,
                           Prompter& prompter, ProgressSink* progress, EncodingChoice encoding) {
  InputFile file(path);  // a file that cannot be opened leaves the document as it was
  return LoadCsvDocument(document, file, path, askTitleRow, prompter, progress, encoding);
}

OpenResult LoadCsvDocument(Document& document, ByteSource& text, const std::filesystem::path& path,
                           bool askTitleRow, Prompter& prompter, ProgressSink* progress, EncodingChoice encoding) {
  OpenResult result;
  ReleaseColumns(document);
  TableDocument& grid = document.grid;
  result.load = LoadTextIntoGrid(text, grid, true, prompter, progress, encoding);
  result.sideFileRead = ReadSideFile(document, path);
  if (!result.sideFileRead) {
    BuildDefaultColumns(grid);
    document.printInfo.SetDefaults();
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetColWidth(c, grid.DefaultColWidth());
    if (askTitleRow) {
      if (prompter.Ask(MessageId::UseFirstLineAsTitlesQuestion) == Answer::Yes) AdoptFirstLineAsTitles(grid);
    }
  }
  RenumberRows(grid);
  grid.SetCurrentCell(1, 1);
  return result;
}

}  // namespace tabulo
