#include "cli/ColumnArgument.h"

#include <algorithm>

#include "cli/ArgParser.h"
#include "core/base/Messages.h"
#include "core/locale/CaseMapping.h"
#include "core/locale/Encoding.h"

namespace tabulo::cli {

int ResolveColumn(const TableDocument& grid, const std::string& name) {
  if (!name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
      name.size() < 10) {
    const int col = std::stoi(name);
    if (col >= 1 && col < grid.ColCount()) return col;
  } else {
    const std::string title = UpperCase(Cp932Converter().FromUtf8(name));
    for (int col = 0; col < grid.ColCount(); ++col) {
      if (UpperCase(grid.Cell(col, 0)) == title) return col;
    }
  }
  throw UsageError(FormatMessage(MessageId::CliUnknownColumn, {name}));
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return parts;
}

std::vector<int> ResolveColumns(const TableDocument& grid, const std::string& names) {
  std::vector<int> columns;
  for (const std::string& name : SplitList(names)) columns.push_back(ResolveColumn(grid, name));
  return columns;
}

}  // namespace tabulo::cli
