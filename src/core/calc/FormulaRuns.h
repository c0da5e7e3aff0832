#pragma once

#include "core/calc/Aggregation.h"
#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;
class TGridCalcEngine;

// The text written into a cell whose formula failed.
inline constexpr std::string_view kCalcErrorText = "Error";

// Replaces every cell of `range` by the engine's result for it, column by
// column from the left and top to bottom within each; a cell whose
// evaluation fails gets "Error". The engine must hold a compiled formula
// over `grid`. Returns the number of failures.
int CalculateRange(TableDocument& grid, const TGridCalcEngine& engine, const TGridRect& range, ProgressSink* progress);

// Writes the engine's result for (target, row) into that cell for every row
// of `rows`, top to bottom; failures as above.
int CalculateColumn(TableDocument& grid, const TGridCalcEngine& engine, int target, RowRange rows,
                    ProgressSink* progress);

}  // namespace tabulo
