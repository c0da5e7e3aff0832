#include "core/fixed/FixedImport.h"

#include <algorithm>

#include "core/base/Progress.h"
#include "core/document/FieldList.h"

namespace tabulo {

int FixedFieldWidth(int length, std::size_t titleBytes, int charWidth) noexcept {
  const int title = static_cast<int>(std::min<std::size_t>(titleBytes, 4096));
  return std::max(charWidth * (std::max(length, 0) + 1), charWidth * (title + 1));
}

void ImportFixedLines(const TextLines& lines, const TFixedFieldCnf& definition, std::span<const int> widths,
                      TableDocument& grid, ProgressSink* progress) {
  if (!grid.InStep()) grid.ClearHistory();
  grid.ClearAllCells();
  grid.SetEncoding({});  // fixed-length records are code page 932 text
  grid.SetRowCount(1);
  const int columns = std::max(definition.Count(), 1);
  grid.SetColCount(columns);
  std::vector<TGPItem> records(static_cast<std::size_t>(columns));
  for (int p = 0; p < columns; ++p) {
    TGPItem& record = records[static_cast<std::size_t>(p)];
    if (const TGPItem* entry = definition.Field(p)) record = *entry;
    if (record.DrawFlags == 0) record.DrawFlags = DefaultDrawFlagsFor(record.Type());
    if (record.DisplayWidth == 0 && static_cast<std::size_t>(p) < widths.size()) {
      record.DisplayWidth = widths[static_cast<std::size_t>(p)];
    }
    if (record.DisplayWidth > 0) grid.SetColWidth(p, record.DisplayWidth);
    grid.Item(p) = record;
  }

  ProgressScope scope(progress);
  // Beyond the most rows a document holds, SetRowCount says so.
  const auto needed = static_cast<int>(std::min<std::size_t>(lines.size() + 1, TableDocument::kMaxRowCount + std::size_t{1}));
  grid.ReserveRows(std::min(needed, TableDocument::kMaxRowCount));
  grid.SetRowCount(needed);
  const int count = needed - 1;
  FieldList fields;
  std::string buffer;
  for (int row = 1; row <= count; ++row) {
    const std::string_view line = lines[static_cast<std::size_t>(row - 1)];
    fields.Clear();
    for (int p = 1; p < columns; ++p) {
      const TGPItem& record = records[static_cast<std::size_t>(p)];
      fields.Add(definition.CleanField(record, CutField(line, record), buffer));
    }
    grid.SetRowCells(row, fields, 0, fields.size());
    if ((row & 0x3FFF) == 0) scope.Update(static_cast<std::uint64_t>(row), static_cast<std::uint64_t>(count));
  }
}

void WriteBackFixedDefinition(const TableDocument& grid, TGridPrintInfo& printInfo, const std::filesystem::path& folder,
                              std::string_view name) noexcept {
  try {
    TFixedFieldCnf definition(printInfo, folder);
    for (int col = 0; col < grid.ColCount(); ++col) {
      TGPItem record = grid.Item(col);
      record.DisplayWidth = grid.ColWidth(col);
      definition.AppendField(record);
    }
    definition.LoadFieldLengths(name);
    definition.SaveDefinition(name);
  } catch (...) {
    // The table is going anyway; its layout is only a convenience.
  }
}

}  // namespace tabulo
