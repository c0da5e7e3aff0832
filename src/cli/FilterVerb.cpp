#include <algorithm>
#include <ostream>
#include <string>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/base/Errors.h"
#include "core/document/CsvWriter.h"
#include "core/locale/TextConverter.h"
#include "core/rows/Filter.h"

namespace tabulo::cli {
namespace {

// In the order of the dialog's lists, so a name's position is its value.
const std::vector<std::string>& TreatmentNames() {
  static const std::vector<std::string> names{"string", "number", "date", "time"};
  return names;
}

const std::vector<std::string>& OperatorNames() {
  static const std::vector<std::string> names{"contains", "excludes", "eq", "lt", "gt"};
  return names;
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

std::string Numbered(const char* option, std::size_t n) { return option + std::to_string(n + 1); }

// Condition row n (0-based) from --whereN, --asN, --opN and --textN, with the
// dialog's presets: all columns, the column type's treatment, "含む".
FilterCondition ConditionArgument(const TableDocument& grid, const ParsedArgs& args, std::size_t n) {
  FilterCondition condition;
  const std::string& where = args.Value(Numbered("--where", n));
  const std::string& treatment = args.Value(Numbered("--as", n));
  if (where != "all") {
    condition.column = ResolveColumn(grid, where);
    condition.treatment = DefaultTreatment(grid.Item(condition.column));
  } else if (!treatment.empty()) {
    // The dialog offers no treatment for all columns: the row's text is text.
    throw UsageError(FormatMessage(MessageId::CliConflictingOptions, {Numbered("--as", n), Numbered("--where", n) + " all"}));
  }
  if (!treatment.empty()) condition.treatment = static_cast<FilterTreatment>(IndexOf(TreatmentNames(), treatment));
  condition.op = static_cast<FilterOperator>(IndexOf(OperatorNames(), args.Value(Numbered("--op", n))));
  try {
    condition.text = TextConverter(grid.Encoding().encoding).FromUtf8(args.Value(Numbered("--text", n)));
  } catch (const ConvertError& error) {
    throw UsageError(error.what());
  }
  return condition;
}

}  // namespace

std::vector<CliOption> FilterOptionsSpec() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  for (std::size_t n = 0; n < 3; ++n) {
    options.push_back({Numbered("--where", n), "", {}, "all"});
    options.push_back({Numbered("--as", n), "", TreatmentNames(), ""});
    options.push_back({Numbered("--op", n), "", OperatorNames(), "contains"});
    options.push_back({Numbered("--text", n), "", {}, ""});
  }
  options.push_back({"--or", "", {}, "", true});
  options.push_back({"--ignore-kana", "", YesNo(), "no"});
  options.push_back({"--ignore-width", "", YesNo(), "no"});
  options.push_back({"--ignore-case", "", YesNo(), "yes"});
  return options;
}

int RunFilter(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  if (args.Value("--text1").empty() && args.Value("--text2").empty() && args.Value("--text3").empty()) {
    throw UsageError(std::string(MessageText(MessageId::CliFilterNeedsText)));
  }
  Document document;
  OpenInput(document, args.files[0], args, err);
  const TableDocument& grid = document.grid;

  FilterOptions options;
  for (std::size_t n = 0; n < options.conditions.size(); ++n) options.conditions[n] = ConditionArgument(grid, args, n);
  options.useOr = args.Yes("--or");
  options.ignoreKana = args.Yes("--ignore-kana");
  options.ignoreWidth = args.Yes("--ignore-width");
  options.ignoreCase = args.Yes("--ignore-case");
  // As the dialog checks them: a forbidden condition stops, a dubious one
  // goes ahead as the question's default answer would have it.
  switch (CheckConditions(options)) {
    case ConditionCheck::Forbidden: err << MessageText(MessageId::FilterAllColumnsOperator) << '\n'; return 2;
    case ConditionCheck::Dubious: err << MessageText(MessageId::FilterDubiousConditionQuestion) << '\n'; break;
    case ConditionCheck::Fine: break;
  }

  const std::vector<int> rows = FindMatchingRows(grid, options, nullptr);
  if (rows.empty()) {
    err << MessageText(MessageId::FilterNoMatch) << '\n';
    return 1;
  }
  const SaveOptions save = SaveOptionsArgument(args);
  const std::string& output = args.Value("--output");
  if (output == "-") {
    StreamSink sink(out);
    WriteDelimitedRows(grid, rows, save.Format(), save.WithTitle, save.WithRowNumbers, sink, nullptr);
    out.flush();
  } else {
    WriteFilteredRows(output, document, rows, save);
  }
  return 0;
}

}  // namespace tabulo::cli
