#include <algorithm>
#include <array>
#include <ostream>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/calc/Aggregation.h"

namespace tabulo::cli {
namespace {

const std::vector<std::string>& StatisticNames() {
  static const std::vector<std::string> names{"Sum", "Mean", "Max", "Min", "Variance", "StdDev"};
  return names;
}

const std::vector<std::string>& ModeNames() {
  static const std::vector<std::string> names{"string", "numeric", "date", "time"};
  return names;
}

Statistic StatisticNamed(const std::string& name) {
  const auto& names = StatisticNames();
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) {
    throw UsageError(FormatMessage(MessageId::CliBadValue, {"--stats", name, "Sum, Mean, Max, Min, Variance, StdDev"}));
  }
  return static_cast<Statistic>(found - names.begin());
}

AggregateMode ModeNamed(const std::string& name) {
  const auto& names = ModeNames();
  return static_cast<AggregateMode>(std::find(names.begin(), names.end(), name) - names.begin());
}

void ReportFailures(int failures, std::ostream& err) {
  if (failures > 0) err << FormatMessage(MessageId::AggregateFailed, {std::to_string(failures)});
}

}  // namespace

std::vector<CliOption> AggregateOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  options.push_back({"--across", "", {}, ""});
  options.push_back({"--down", "", {}, ""});
  options.push_back({"--stat", "", StatisticNames(), "Mean"});
  options.push_back({"--stats", "", {}, "Mean"});
  options.push_back({"--mode", "", ModeNames(), "numeric"});
  options.push_back({"--target", "", {}, ""});
  options.push_back({"--new-column", "", {}, "", true});
  options.push_back({"--rows", "", {}, "all"});
  options.push_back({"--label", "", {}, "1"});
  return options;
}

int RunAggregate(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  const bool across = !args.Value("--across").empty();
  if (across == !args.Value("--down").empty()) throw UsageError(std::string(MessageText(MessageId::NoColumnsChosen)));
  const bool newColumn = args.Yes("--new-column");
  if (across && newColumn == !args.Value("--target").empty()) {
    throw UsageError(FormatMessage(MessageId::CliMissingValue, {"--target / --new-column"}));
  }
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;
  const AggregateMode mode = ModeNamed(args.Value("--mode"));
  int failures = 0;
  if (across) {
    const std::vector<int> columns = ResolveColumns(grid, args.Value("--across"));
    const Statistic statistic = StatisticNamed(args.Value("--stat"));
    const RowSpan span = ResolveRows(grid, args.Value("--rows"));
    const RowRange rows{span.first, span.last};
    const int target = newColumn ? AppendResultColumn(grid, StatisticCaption(statistic, grid.Encoding().encoding), ResultColumnType(mode))
                                 : ResolveColumn(grid, args.Value("--target"));
    failures = AggregateAcross(grid, columns, statistic, mode, target, rows, nullptr);
  } else {
    const std::vector<int> columns = ResolveColumns(grid, args.Value("--down"));
    std::array<bool, kStatisticCount> statistics{};
    for (const std::string& name : SplitList(args.Value("--stats"))) {
      statistics[static_cast<std::size_t>(StatisticNamed(name))] = true;
    }
    failures = AggregateDown(grid, columns, statistics, mode, ResolveColumn(grid, args.Value("--label")), nullptr).failures;
  }
  SaveOutput(document, args, out);
  ReportFailures(failures, err);
  return 0;
}

}  // namespace tabulo::cli
