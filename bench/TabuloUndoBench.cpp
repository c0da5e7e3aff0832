// Measures undo and redo of whole-column and whole-table commands on the
// million-row corpus:
//   tabulo-undo-bench CORPUS
// For each command: its time as one step, the memory the step keeps, and the
// times of its undo and redo.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "bench/Timing.h"
#include "core/calc/FormulaRuns.h"
#include "core/calc/GridCalcEngine.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/document/EditTransaction.h"
#include "core/document/EncodingConversion.h"
#include "core/editing/RangeOps.h"
#include "core/locale/TextConverter.h"

namespace {

using bench::Seconds;
using bench::YesPrompter;

std::size_t ColumnTextBytes(const tabulo::TableDocument& grid, int col) {
  std::size_t bytes = 0;
  for (int row = 1; row < grid.RowCount(); ++row) bytes += grid.Cell(col, row).size();
  return bytes;
}

void Measure(tabulo::TableDocument& grid, const char* what, const std::function<void()>& command,
             std::size_t budget = 0) {
  const std::size_t before = grid.History().MemoryBytes();
  const double run = Seconds([&] {
    tabulo::EditTransaction edit(grid, what);
    command();
    edit.Commit();
  });
  const std::size_t kept = grid.History().MemoryBytes() - before;
  const double undo = Seconds([&] { grid.Undo(); });
  const double redo = Seconds([&] { grid.Redo(); });
  std::printf("%-32s run %6.3f s  undo %6.3f s  redo %6.3f s  kept %7.1f MB", what, run, undo, redo, kept / 1e6);
  if (budget > 0) std::printf("  (budget %.1f MB)", budget / 1e6);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-undo-bench CORPUS\n");
    return 2;
  }
  YesPrompter prompter;
  auto document = std::make_unique<tabulo::TableDocument>();
  tabulo::TableDocument& grid = *document;
  tabulo::LoadTextIntoGrid(argv[1], grid, true, prompter, nullptr);
  tabulo::AdoptFirstLineAsTitles(grid);
  tabulo::RenumberRows(grid);
  const int rows = grid.RowCount() - 1;
  std::printf("corpus %s: %d rows x %d columns\n", argv[1], rows, grid.ColCount());

  // Saving in the other encoding converts every title and cell as one step.
  const tabulo::FileEncoding other = grid.Encoding().encoding == tabulo::TextEncoding::Utf8
                                         ? tabulo::FileEncoding{}
                                         : tabulo::FileEncoding{tabulo::TextEncoding::Utf8, false};
  Measure(grid, "convert to the other encoding", [&] { tabulo::ConvertDocumentEncoding(grid, other, true); });

  tabulo::TextConverter converter(grid.Encoding().encoding);
  tabulo::TGridCalcEngine engine(&grid);
  engine.SetExpression(converter.FromUtf8("TRUNC( ( [数量] + [数値] ) / 3 * 10 + 0.5 ) / 10"));
  const int target = 6;
  // The step keeps the column's old texts: their bytes and 16 bytes a row at most.
  const std::size_t budget = ColumnTextBytes(grid, target) + 16 * static_cast<std::size_t>(rows);
  Measure(grid, "formula into a whole column", [&] { tabulo::CalculateColumn(grid, engine, target, {1, rows}, nullptr); },
          budget);
  Measure(grid, "clear 10 columns x all rows",
          [&] { tabulo::ClearRange(grid, {1, 1, std::min(10, grid.ColCount() - 1), rows}, nullptr); });
  Measure(grid, "delete half of the rows", [&] {
    grid.DeleteRows(1, rows / 2);
    tabulo::RenumberRows(grid);
  });
  Measure(grid, "type into one cell", [&] { grid.SetCell(2, 500000, "typed"); });
  return 0;
}
