#include "core/editing/RangeOps.h"

#include <algorithm>

#include "core/base/Progress.h"
#include "core/document/DocumentOperations.h"
#include "core/document/SplitLine.h"
#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

// Every trailing byte up to and including the blank goes.
void TrimRight(std::string& line) { line.resize(TrimRightBlanks(line).size()); }

void DeleteCrLfPairs(std::string& line) {
  std::size_t out = 0;
  for (std::size_t in = 0; in < line.size(); ++in) {
    if (line[in] == '\r' && in + 1 < line.size() && line[in + 1] == '\n') {
      ++in;
      continue;
    }
    line[out++] = line[in];
  }
  line.resize(out);
}

TGridRect Clamp(const TableDocument& grid, const TGridRect& range) {
  return {std::max(range.Left, 1), std::max(range.Top, 1), std::min(range.Right, grid.ColCount() - 1),
          std::min(range.Bottom, grid.RowCount() - 1)};
}

std::size_t TabCount(std::string_view line) { return static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')); }

}  // namespace

std::string CopyRangeText(const TableDocument& grid, const TGridRect& range, ProgressSink* progress) {
  ProgressScope scope(progress);
  const TGridRect r = Clamp(grid, range);
  std::string text;
  std::string line;
  for (int row = r.Top; row <= r.Bottom; ++row) {
    line.clear();
    const PackedRow cells = grid.RowCells(row);
    for (int col = r.Left; col <= r.Right; ++col) {
      line += cells.Cell(static_cast<std::uint32_t>(col - 1));
      line += '\t';
    }
    DeleteCrLfPairs(line);
    TrimRight(line);
    text += line;
    text += "\r\n";
    scope.Update(static_cast<std::uint64_t>(row - r.Top + 1), static_cast<std::uint64_t>(r.Bottom - r.Top + 1));
  }
  return text;
}

void ClearRange(TableDocument& grid, const TGridRect& range, ProgressSink* progress) {
  ProgressScope scope(progress);
  const TGridRect r = Clamp(grid, range);
  if (r.Left > r.Right) return;
  const std::vector<std::string_view> empty(static_cast<std::size_t>(r.Right - r.Left + 1));
  for (int row = r.Top; row <= r.Bottom; ++row) {
    if (r.Left == 1 && r.Right == grid.ColCount() - 1) {
      grid.ClearRowCells(row);
    } else {
      grid.ReplaceRowCells(row, r.Left, empty);
    }
    scope.Update(static_cast<std::uint64_t>(row - r.Top + 1), static_cast<std::uint64_t>(r.Bottom - r.Top + 1));
  }
}

std::vector<std::string_view> ClipboardLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

void PasteRange(TableDocument& grid, std::string_view text, const TGridRect& selection, PasteMode mode,
                ProgressSink* progress) {
  ProgressScope scope(progress);
  const bool single = selection.Left == selection.Right && selection.Top == selection.Bottom;
  const TGridRect target = Clamp(grid, single ? TGridRect{selection.Left, selection.Top, grid.ColCount() - 1,
                                                          grid.RowCount() - 1}
                                              : selection);
  const std::vector<std::string_view> lines = ClipboardLines(text);
  FieldList fields;
  std::vector<std::string> combined;
  std::vector<std::string_view> values;
  const auto width = static_cast<std::size_t>(target.Right - target.Left + 1);
  for (std::size_t k = 0; k < lines.size() && target.Top + static_cast<int>(k) <= target.Bottom; ++k) {
    const int row = target.Top + static_cast<int>(k);
    SplitLine(lines[k], Delimiter::Tab, fields, 0, width);
    values.assign(fields.size(), std::string_view());
    combined.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::string_view cell = grid.Cell(target.Left + static_cast<int>(i), row);
      switch (mode) {
        case PasteMode::Replace: values[i] = fields[i]; continue;
        case PasteMode::Behind: combined[i].assign(cell).append(fields[i]); break;
        case PasteMode::InFront: combined[i].assign(fields[i]).append(cell); break;
      }
      values[i] = combined[i];
    }
    if (!values.empty()) grid.ReplaceRowCells(row, target.Left, values);
    scope.Update(k + 1, lines.size());
  }
}

PastePlan PlanSingleCellPaste(const TableDocument& grid, std::string_view text, int col, int row, bool narrowed) {
  PastePlan plan;
  const std::vector<std::string_view> lines = ClipboardLines(text);
  std::size_t width = 1;
  for (const std::string_view line : lines) width = std::max(width, TabCount(line) + 1);
  const auto lineCount = static_cast<int>(std::min<std::size_t>(lines.size(), TableDocument::kMaxRowCount));
  const auto needed = static_cast<int>(std::min<std::size_t>(width, TableDocument::kMaxColCount));
  plan.rowCount = lineCount + row;
  plan.colCount = col + needed;
  plan.rowsShort = grid.RowCount() < plan.rowCount;
  plan.columnsShort = !narrowed && grid.ColCount() < plan.colCount;
  plan.covered = {col, row, std::min(col + needed - 1, grid.ColCount() - 1),
                  std::min(row + std::max(lineCount, 1) - 1, grid.RowCount() - 1)};
  if (lines.size() <= 1 && width == 1) {
    plan.kind = PastePlan::Kind::IntoCell;
  } else if (plan.rowsShort || plan.columnsShort) {
    plan.kind = PastePlan::Kind::Grow;
  } else {
    plan.kind = PastePlan::Kind::Confirm;
  }
  return plan;
}

void GrowForPaste(TableDocument& grid, const PastePlan& plan) {
  if (plan.rowsShort) {
    grid.SetRowCount(plan.rowCount);
    RenumberRows(grid);
  }
  if (plan.columnsShort) {
    const int old = grid.ColCount();
    grid.SetColCount(plan.colCount);
    for (int col = old; col < grid.ColCount(); ++col) {
      TGPItem item;
      item.Title = DefaultColumnTitle(col, grid.Encoding().encoding);
      grid.Item(col) = std::move(item);
      grid.SetColWidth(col, grid.DefaultColWidth());
    }
  }
}

}  // namespace tabulo
