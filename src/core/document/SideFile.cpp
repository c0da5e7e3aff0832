#include "core/document/SideFile.h"

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Paths.h"
#include "core/document/DocumentOperations.h"
#include "core/document/StoredTitle.h"

namespace tabulo {

std::filesystem::path SideFilePath(const std::filesystem::path& textPath) { return ChangeFileExt(textPath, ".cfg"); }

std::filesystem::path ControlSideFilePath(const std::filesystem::path& textPath) {
  return ChangeFileExt(textPath, ".ctl");
}

std::optional<std::filesystem::path> FindSideFile(const std::filesystem::path& textPath) {
  if (IsSideFileName(textPath)) return std::nullopt;
  for (auto candidate : {SideFilePath(textPath), ControlSideFilePath(textPath)}) {
    if (FileExists(candidate)) return candidate;
  }
  return std::nullopt;
}

bool IsSideFileName(const std::filesystem::path& textPath) {
  return SideFilePath(textPath) == textPath || ControlSideFilePath(textPath) == textPath;
}

bool MayDeleteSideFileOf(const std::filesystem::path& target, const std::filesystem::path& documentFile,
                         std::string_view extension) {
  if (!documentFile.empty() && SameFile(target, documentFile)) return true;
  const std::filesystem::path side = ChangeFileExt(target, extension);
  if (!documentFile.empty() && SameFile(ChangeFileExt(documentFile, extension), side)) return false;
  std::error_code ec;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  for (std::filesystem::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
    const std::filesystem::path& other = entry->path();
    if (other.filename() == target.filename() || IsSideFileName(other)) continue;
    if (ChangeFileExt(other, extension).filename() == side.filename()) return false;
  }
  return !ec;
}

std::string BuildSideFile(Document& document) {
  TableDocument& grid = document.grid;
  for (int c = 0; c < grid.ColCount(); ++c) {
    TGPItem& item = grid.Item(c);
    item.ColumnIndex = c;
    item.DisplayWidth = grid.ColWidth(c);
  }
  return SideFileBytes(document);
}

std::string SideFileBytes(const Document& document) {
  const TableDocument& grid = document.grid;
  ByteWriter writer;
  document.printInfo.SaveToStream(writer);
  for (int c = 0; c < grid.ColCount(); ++c) {
    TGPItem item = grid.Item(c);
    item.ColumnIndex = c;
    item.DisplayWidth = grid.ColWidth(c);
    // Column 0's title is the program's own text, always code page 932.
    if (c > 0) item.Title = StoredTitle(item.Title, grid.Encoding().encoding);
    item.SaveToStream(writer);
  }
  return writer.TakeBytes();
}

namespace {

// Whether an untagged record read for column `col` looks like one an earlier
// version wrote. That form has no tag to check, so without this any bytes
// (an empty or zeroed file) would pass for it and cost the document its
// first data row.
bool IsPlausibleOldRecord(const TGPItem& item, int col) {
  return item.DataType <= static_cast<std::uint8_t>(ColumnType::Currency) && item.ImeMode >= 1 &&
         item.ImeMode <= 8 && item.Printed <= 1 && item.ColumnIndex == col && item.DisplayWidth >= 0 &&
         item.DisplayWidth <= 0xFFFF && item.PrintWidth >= 0;
}

// A side file never hides every data column: widths of 0 throughout come
// from damage, not from a choice anyone could work with.
void ShowColumnsIfAllHidden(TableDocument& grid) {
  for (int col = TableDocument::FixedCols(); col < grid.ColCount(); ++col) {
    if (grid.ColWidth(col) > 0) return;
  }
  for (int col = TableDocument::FixedCols(); col < grid.ColCount(); ++col) grid.SetColWidth(col, grid.DefaultColWidth());
}

}  // namespace

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
        if (!IsPlausibleOldRecord(item, col)) throw SilentAbort();
      } else {
        item.LoadFromStream(reader);
      }
      if (col > 0) item.Title = TitleFromStored(item.Title, grid.Encoding().encoding);
      grid.SetColWidth(col, item.DisplayWidth);
    }
    // The older form removes a data row, so only a complete set of records
    // (one per column) counts as such a file; anything less is damage.
    if (oldForm && col < grid.ColCount()) throw SilentAbort();
  } catch (const TabuloError&) {
    BuildDefaultColumns(grid);
    return false;
  }
  for (; col < grid.ColCount(); ++col) {
    grid.Item(col).Title = DefaultColumnTitle(col, grid.Encoding().encoding);
    grid.SetColWidth(col, grid.DefaultColWidth());
  }
  ShowColumnsIfAllHidden(grid);
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
