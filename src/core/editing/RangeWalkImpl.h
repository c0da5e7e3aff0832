#pragma once

// The template part of RangeWalk.h.

#include "core/base/Progress.h"

namespace tabulo {

template <typename Convert>
int ConvertRange(TableDocument& grid, const TGridRect& range, ProgressSink* progress, Convert convert) {
  ProgressScope scope(progress);
  RangeWalk walk(grid, range);
  if (walk.Empty()) return 0;
  const TGridRect& r = walk.Range();
  int failures = 0;
  std::string out;
  for (int col = r.Left; col <= r.Right; ++col) {
    for (int row = r.Top; row <= r.Bottom; ++row) {
      out.clear();
      switch (convert(static_cast<const RangeWalk&>(walk), col, row, walk.Cell(col, row), out)) {
        case CellOutcome::Keep: break;
        case CellOutcome::Write: walk.Set(col, row, out); break;
        case CellOutcome::Fail: ++failures; break;
      }
    }
    scope.Update(static_cast<std::uint64_t>(col - r.Left + 1), static_cast<std::uint64_t>(r.Right - r.Left + 1));
  }
  walk.Finish();
  return failures;
}

}  // namespace tabulo
