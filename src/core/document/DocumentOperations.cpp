#include "core/document/DocumentOperations.h"

#include <charconv>
#include <cstdio>

#include "core/base/Progress.h"
#include "core/fixed/FixedImport.h"

namespace tabulo {

std::string DefaultColumnTitle(int index, TextEncoding encoding) {
  char number[16];
  std::snprintf(number, sizeof number, "%4d", index);
  return (encoding == TextEncoding::Utf8 ? "\xE5\x88\x97" : "\x97\xF1") + std::string(number);  // "列"
}

void RenumberRows(TableDocument& grid) {
  grid.SetCell(0, 0, kRowNumberTitle);
  char number[16];
  for (int r = 1; r < grid.RowCount(); ++r) {
    if (grid.IsTotalsRow(r)) continue;
    const auto result = std::to_chars(number, number + sizeof number, r);
    grid.SetCell(0, r, std::string_view(number, static_cast<std::size_t>(result.ptr - number)));
  }
}

void BuildDefaultColumns(TableDocument& grid) {
  for (int c = 0; c < grid.ColCount(); ++c) {
    TGPItem item;
    if (c == 0) {
      item.Title = std::string(kRowNumberTitle);
      item.Printed = 0;
      item.DrawFlags = draw_flags::kCenterDefault;
    } else {
      item.Title = DefaultColumnTitle(c, grid.Encoding().encoding);
    }
    grid.Item(c) = std::move(item);
  }
}

void ReleaseColumns(Document& document) {
  if (document.FixedDefinitionActive && !document.FixedDefinitionName.empty()) {
    WriteBackFixedDefinition(document.grid, document.printInfo, document.FixedDefinitionFolder,
                             document.FixedDefinitionName);
  }
  document.FixedDefinitionActive = false;
  document.FixedDefinitionName.clear();
  for (int c = 0; c < document.grid.ColCount(); ++c) document.grid.Item(c) = TGPItem();
}

void ClearCells(TableDocument& grid, ProgressSink* progress) {
  ProgressScope scope(progress);
  grid.ClearAllCells();
  scope.Update(1, 1);
}

void NewDocument(Document& document, ProgressSink* progress) {
  ReleaseColumns(document);
  TableDocument& grid = document.grid;
  if (!grid.InStep()) grid.ClearHistory();
  ClearCells(grid, progress);
  grid.SetColCount(10);
  grid.SetRowCount(10);
  BuildDefaultColumns(grid);
  RenumberRows(grid);
  for (int r = 0; r < grid.RowCount(); ++r) grid.SetRowHeight(r, grid.DefaultRowHeight());
  for (int c = 1; c < grid.ColCount(); ++c) grid.SetColWidth(c, grid.DefaultColWidth());
  grid.SetCurrentCell(1, 1);
  grid.SetTopRow(1);
  grid.SetLeftCol(1);
  grid.SetEncoding({});
  document.printInfo.SetDefaults();
}

void AdoptFirstLineAsTitles(TableDocument& grid) {
  if (grid.RowCount() < 2) return;  // an empty file has no first line
  for (int c = 0; c < grid.ColCount(); ++c) grid.Item(c).Title = std::string(grid.Cell(c, 1));
  grid.DeleteRows(1, 1);
  grid.SetRow(1);
}

}  // namespace tabulo
