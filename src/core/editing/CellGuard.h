#pragma once

#include <utility>

#include "core/editing/RangeWalk.h"

namespace tabulo {

// Runs one cell's conversion inside its own guard: whatever the conversion
// throws for this cell (a date it cannot write, memory it cannot get) makes
// the cell a failure of the walk, which leaves it as it was and goes on with
// the next one. The commands count such cells and report the count at the
// end instead of stopping at the first.
template <typename Convert>
CellOutcome GuardCell(Convert&& convert) noexcept {
  try {
    return std::forward<Convert>(convert)();
  } catch (...) {
    return CellOutcome::Fail;
  }
}

}  // namespace tabulo
