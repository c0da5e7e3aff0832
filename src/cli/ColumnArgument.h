#pragma once

#include <string>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo::cli {

// A column named on the command line: a 1-based data column number, or a
// title (UTF-8) matched as formulas match titles (letter case ignored, the
// first from the left wins). Throws UsageError for a column that is not there.
int ResolveColumn(const TableDocument& grid, const std::string& name);

// Comma-separated columns.
std::vector<int> ResolveColumns(const TableDocument& grid, const std::string& names);

// Splits a comma-separated list.
std::vector<std::string> SplitList(const std::string& text);

}  // namespace tabulo::cli
