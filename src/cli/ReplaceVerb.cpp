#include <algorithm>
#include <ostream>
#include <string>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/base/Errors.h"
#include "core/editing/Replace.h"
#include "core/locale/TextConverter.h"

namespace tabulo::cli {
namespace {

// In the order of the dialog's radio group, so a name's position is its method.
const std::vector<std::string>& MethodNames() {
  static const std::vector<std::string> names{"fixed", "search", "concat", "number", "row", "rank"};
  return names;
}

// What each method needs before it may run, for the message when it is missing.
const char* RequiredValues(ReplaceMethod method) {
  switch (method) {
    case ReplaceMethod::Search: return "--upper (--upper-column)";
    case ReplaceMethod::Concat: return "--upper, --lower (--upper-column, --lower-column)";
    case ReplaceMethod::Rank: return "--lower-column";
    default: return "";
  }
}

// One of the dialog's combo boxes: typed text (UTF-8 on the command line,
// the document's encoding in the cells) or the list entry of a column. The list holds
// column 0 too, so COLUMN may be 0.
ReplaceValue ValueArgument(const TableDocument& grid, const ParsedArgs& args, const std::string& textOption,
                           const std::string& columnOption) {
  const std::string& column = args.Value(columnOption);
  if (!column.empty()) return ReplaceValue::Entry(grid, ResolveColumn(grid, column, 0));
  try {
    return ReplaceValue::Typed(TextConverter(grid.Encoding().encoding).FromUtf8(args.Value(textOption)));
  } catch (const ConvertError& error) {
    throw UsageError(error.what());
  }
}

void RejectBoth(const ParsedArgs& args, const std::string& textOption, const std::string& columnOption) {
  if (!args.Value(textOption).empty() && !args.Value(columnOption).empty()) {
    throw UsageError(FormatMessage(MessageId::CliConflictingOptions, {textOption, columnOption}));
  }
}

}  // namespace

std::vector<CliOption> ReplaceOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  for (CliOption& option : SelectionOptions()) options.push_back(std::move(option));
  options.push_back({"--method", "", MethodNames(), ""});
  options.push_back({"--upper", "", {}, ""});
  options.push_back({"--upper-column", "", {}, ""});
  options.push_back({"--lower", "", {}, ""});
  options.push_back({"--lower-column", "", {}, ""});
  return options;
}

int RunReplace(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  const std::string& methodName = args.Value("--method");
  if (methodName.empty()) throw UsageError(FormatMessage(MessageId::CliMissingValue, {"--method"}));
  RejectBoth(args, "--upper", "--upper-column");
  RejectBoth(args, "--lower", "--lower-column");
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;

  ReplaceRequest request;
  const auto& names = MethodNames();
  request.method = static_cast<ReplaceMethod>(std::find(names.begin(), names.end(), methodName) - names.begin());
  request.upper = ValueArgument(grid, args, "--upper", "--upper-column");
  request.lower = ValueArgument(grid, args, "--lower", "--lower-column");
  if (!ReplaceAllowed(request)) {
    throw UsageError(FormatMessage(MessageId::CliReplaceNeeds, {methodName, RequiredValues(request.method)}));
  }
  const std::vector<TGridRect> selection = ResolveSelection(grid, args);

  // No history: the batch tool has nothing to undo, and a history of a
  // whole column would only cost memory.
  for (const TGridRect& range : selection) ReplaceRange(grid, range, request, nullptr);
  SaveOutput(document, args, out);
  return 0;
}

}  // namespace tabulo::cli
