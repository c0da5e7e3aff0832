#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo::test {

using Cells = std::vector<std::string>;

// The cells of `row` from column `fromCol` to the last column.
Cells RowCells(const TableDocument& grid, int row, int fromCol = 1);

// Every data row's cells from column 1, dropping each row's trailing empty
// cells, for compact comparisons.
std::vector<Cells> DataRows(const TableDocument& grid);

// A grid holding `rows` as data rows (row 1 on), sized to fit, with default
// records and numbered rows.
TableDocument GridOf(const std::vector<Cells>& rows, int colCount = 0);

}  // namespace tabulo::test
