#include "core/document/SideFile.h"

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Paths.h"
#include "core/document/DocumentOperations.h"

namespace tabulo {

std::filesystem::path SideFilePath(const std::filesystem::path& textPath) { return ChangeFileExt(textPath, ".cfg"); }

std::optional<std::filesystem::path> FindSideFile(const std::filesystem::path& textPath) {
  for (const char* extension : {".cfg", ".ctl"}) {
    auto candidate = ChangeFileExt(textPath, extension);
    if (FileExists(candidate)) return candidate;
  }
  return std::nullopt;
}

std::string BuildSideFile(Document& document) {
  TableDocument& grid = document.grid;
  ByteWriter writer;
  document.printInfo.SaveToStream(writer);
  for (int c = 0; c < grid.ColCount(); ++c) {
    TGPItem& item = grid.Item(c);
    item.ColumnIndex = c;
    item.DisplayWidth = grid.ColWidth(c);
    item.SaveToStream(writer);
  }
  return writer.TakeBytes();
}

bool ApplySideFile(Document& document, std::string_view bytes) {
  TableDocument& grid = document.grid;
  BuildDefaultColumns(grid);
  ByteReader reader(bytes);
  bool oldForm = false;
  try {
    document.printInfo.LoadFromStream(reader);
  } catch (const TabuloError&) {
    document.printInfo.SetDefaults();
    oldForm = true;
    reader.Seek(0);
  }
  int col = 0;
  try {
    for (; col < grid.ColCount() && !reader.AtEnd(); ++col) {
      TGPItem& item = grid.Item(col);
      if (oldForm) {
        item.LoadOldFromStream(reader);
      } else {
        item.LoadFromStream(reader);
      }
      grid.SetColWidth(col, item.DisplayWidth);
    }
  } catch (const TabuloError&) {
    BuildDefaultColumns(grid);
    return false;
  }
  for (; col < grid.ColCount(); ++col) {
    grid.Item(col).Title = DefaultColumnTitle(col);
    grid.SetColWidth(col, grid.DefaultColWidth());
  }
  if (oldForm && grid.RowCount() > 1) grid.DeleteRows(1, 1);
  return true;
}

bool ReadSideFile(Document& document, const std::filesystem::path& textPath) {
  const auto path = FindSideFile(textPath);
  if (!path) return false;
  std::string bytes;
  try {
    bytes = ReadWholeFile(*path);
  } catch (const FileError&) {
    return false;
  }
  return ApplySideFile(document, bytes);
}

}  // namespace tabulo
