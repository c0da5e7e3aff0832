#include "cli/ColumnArgument.h"

#include "cli/ArgParser.h"
#include "core/base/Errors.h"
#include "core/base/Messages.h"
#include "core/calc/GridCalcEngine.h"
#include "core/locale/TextConverter.h"
#include "core/locale/NumberFormat.h"

namespace tabulo::cli {

namespace {

// The column titled `name`, or -1; a name the document's encoding cannot
// hold is no title.
int TitledColumn(const TableDocument& grid, const std::string& name) {
  try {
    return FindTitleColumn(grid, TextConverter(grid.Encoding().encoding).FromUtf8(name));
  } catch (const ConvertError&) {
    return -1;
  }
}

}  // namespace

int ResolveColumn(const TableDocument& grid, const std::string& name, int firstColumn) {
  // Years and codes are common titles: a title equal to the name wins over
  // the column at that position.
  if (const int col = TitledColumn(grid, name); col >= firstColumn) return col;
  if (const auto index = ParseInt32(name)) {
    if (*index >= firstColumn && *index < grid.ColCount()) return *index;
  }
  throw UsageError(FormatMessage(MessageId::CliColumnNotFound, {name}));
}

RowSpan ResolveRows(const TableDocument& grid, const std::string& text) {
  const int last = grid.RowCount() - 1;
  if (text == "all") return {1, last};
  const std::size_t dash = text.find('-');
  if (dash != std::string::npos) {
    const auto first = ParseInt32(text.substr(0, dash));
    const auto end = ParseInt32(text.substr(dash + 1));
    if (first && end && *first >= 1 && *first <= *end && *end <= last) return {*first, *end};
  }
  throw UsageError(FormatMessage(MessageId::CliBadRows, {text}));
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

std::vector<CliOption> SelectionOptions() { return {{"--columns", "", {}, ""}, {"--rows", "", {}, "all"}}; }

std::vector<TGridRect> ResolveSelection(const TableDocument& grid, const ParsedArgs& args) {
  std::vector<int> columns;
  if (args.Value("--columns").empty()) {
    for (int col = 1; col < grid.ColCount(); ++col) columns.push_back(col);
  } else {
    columns = ResolveColumns(grid, args.Value("--columns"));
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
  }
  const RowSpan rows = ResolveRows(grid, args.Value("--rows"));
  std::vector<TGridRect> ranges;
  for (const int col : columns) ranges.push_back({col, rows.first, col, rows.last});
  return ranges;
}

}  // namespace tabulo::cli
