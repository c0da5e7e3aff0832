// Compiles arbitrary bytes as a formula against a small grid and, when they
// compile, evaluates them for every cell. Rejections and per-cell failures
// are fine; a crash, a stack overrun or leftover floating-point flags are not.
#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/base/Errors.h"
#include "core/calc/GridCalcEngine.h"
#include "core/document/DocumentOperations.h"

namespace {

// Titles with a trail byte "[" (ゼ) and "]" (ゾ), a duplicate, and cells that
// are numbers, decorated numbers, text, empty, and too large to be numbers.
const tabulo::TableDocument& SampleGrid() {
  static const tabulo::TableDocument grid = [] {
    tabulo::TableDocument built;
    built.SetColCount(6);
    built.SetRowCount(4);
    tabulo::BuildDefaultColumns(built);
    const std::string_view titles[] = {"A", "b", "\x83\x5B\x83\x8D", "\x83\x5D", "A"};
    const std::string_view cells[3][5] = {{"1,000", "-2.5", "abc", "", "\\1,500"},
                                          {"1e5000", "0", "4", "9223372036854775808", "1e-4950"},
                                          {"2147483647.5", "-1", "0.1", "x", "3"}};
    for (int c = 1; c <= 5; ++c) {
      built.SetCell(c, 0, titles[c - 1]);
      for (int r = 1; r <= 3; ++r) built.SetCell(c, r, cells[r - 1][c - 1]);
    }
    tabulo::RenumberRows(built);
    built.SetCell(0, 3, tabulo::kTotalsRowLabel);
    return built;
  }();
  return grid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view formula(reinterpret_cast<const char*>(data), size);
  const tabulo::TableDocument& grid = SampleGrid();
  tabulo::TGridCalcEngine engine(&grid);
  try {
    engine.SetExpression(formula);
  } catch (const tabulo::TabuloError&) {
    if (engine.HasProgram()) std::abort();
    return 0;
  }
  std::feclearexcept(FE_ALL_EXCEPT);
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      try {
        engine.Evaluate(col, row);
      } catch (const tabulo::TabuloError&) {
      }
      if (std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO) != 0) std::abort();
    }
  }
  return 0;
}
