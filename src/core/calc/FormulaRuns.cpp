#include "core/calc/FormulaRuns.h"

#include <algorithm>
#include <string>

#include "core/base/Errors.h"
#include "core/base/Progress.h"
#include "core/calc/GridCalcEngine.h"

namespace tabulo {
namespace {

// One cell's result, or "Error" when it fails (a failure of one cell never
// stops the run).
std::string ResultOf(const TGridCalcEngine& engine, int col, int row, int& failures) {
  try {
    return engine.Evaluate(col, row);
  } catch (const TabuloError&) {
    ++failures;
    return std::string(kCalcErrorText);
  }
}

}  // namespace

int CalculateRange(TableDocument& grid, const TGridCalcEngine& engine, const TGridRect& range, ProgressSink* progress) {
  ProgressScope scope(progress);
  const int left = std::max(range.Left, 1);
  const int right = std::min(range.Right, grid.ColCount() - 1);
  const int top = std::max(range.Top, 1);
  const int bottom = std::min(range.Bottom, grid.RowCount() - 1);
  int failures = 0;
  for (int col = left; col <= right; ++col) {
    for (int row = top; row <= bottom; ++row) {
      const std::string result = ResultOf(engine, col, row, failures);
      const std::string_view value = result;
      grid.ReplaceRowCells(row, col, {&value, 1});
    }
    scope.Update(static_cast<std::uint64_t>(col - left + 1), static_cast<std::uint64_t>(right - left + 1));
  }
  return failures;
}

int CalculateColumn(TableDocument& grid, const TGridCalcEngine& engine, int target, RowRange rows,
                    ProgressSink* progress) {
  ProgressScope scope(progress);
  const int first = std::max(rows.first, 1);
  const int last = std::min(rows.last, grid.RowCount() - 1);
  int failures = 0;
  for (int row = first; row <= last; ++row) {
    const std::string result = ResultOf(engine, target, row, failures);
    const std::string_view value = result;
    grid.ReplaceRowCells(row, target, {&value, 1});
    scope.Update(static_cast<std::uint64_t>(row - first + 1), static_cast<std::uint64_t>(last - first + 1));
  }
  return failures;
}

}  // namespace tabulo
