#pragma once

#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "core/document/TableDocument.h"

namespace tabulo::cli {

// A column named on the command line: a title (UTF-8) matched as formulas
// match titles (letter case ignored, the first from the left wins), else a
// column number (1 = the first data column; 0, the row numbers, only when
// `firstColumn` is 0). A title equal to the name wins over the column at
// that position, so titles such as 2020 name their own column. Throws
// UsageError for a column that is not there.
int ResolveColumn(const TableDocument& grid, const std::string& name, int firstColumn = 1);

// "all" or FIRST-LAST in grid indexes within the data rows; throws UsageError.
struct RowSpan {
  int first = 1;
  int last = 1;
};
RowSpan ResolveRows(const TableDocument& grid, const std::string& text);

// Comma-separated columns.
std::vector<int> ResolveColumns(const TableDocument& grid, const std::string& names);

// The options that choose a range command's selection: --columns (default:
// every data column) and --rows (default: all).
std::vector<CliOption> SelectionOptions();

// The selection those options give: the listed columns over the rows, as one
// one-column range per column from left to right, as the window walks a
// selection; a column listed twice is walked once. Throws UsageError.
std::vector<TGridRect> ResolveSelection(const TableDocument& grid, const ParsedArgs& args);

// Splits a comma-separated list.
std::vector<std::string> SplitList(const std::string& text);

}  // namespace tabulo::cli
