#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/editing/CharClassCommands.h"
#include "core/editing/DateReformat.h"
#include "core/editing/NumberReformat.h"
#include "core/editing/Trimming.h"

namespace tabulo::cli {
namespace {

// The menus the operations come from; `tag` is the command's tag in its menu
// (for Decimals, the number of decimals).
enum class Family { CharClass, Trim, Number, Decimals, Date };

struct Operation {
  std::string_view name;
  Family family;
  int tag;
};

constexpr std::string_view kDecimalsPrefix = "decimals:";

constexpr Operation kOperations[] = {
    {"upper", Family::CharClass, 0},
    {"lower", Family::CharClass, 1},
    {"katakana", Family::CharClass, 2},
    {"hiragana", Family::CharClass, 3},
    {"fullwidth", Family::CharClass, 4},
    {"halfwidth", Family::CharClass, 5},
    {"trim", Family::Trim, 0},
    {"trim-left", Family::Trim, 1},
    {"trim-right", Family::Trim, 2},
    {"plain-number", Family::Trim, 3},
    {"round", Family::Number, 0},
    {"ceil", Family::Number, 1},
    {"floor", Family::Number, 2},
    {"truncate", Family::Number, 3},
    {"group", Family::Number, 4},
    {"ungroup", Family::Number, 5},
    {"currency", Family::Number, 6},
    {"uncurrency", Family::Number, 7},
    {"wareki", Family::Date, 0},
    {"wareki-era", Family::Date, 1},
    {"meiji", Family::Date, 2},
    {"taisho", Family::Date, 3},
    {"showa", Family::Date, 4},
    {"heisei", Family::Date, 5},
    {"year2", Family::Date, 6},
    {"year4-1900", Family::Date, 7},
    {"year4-2000", Family::Date, 8},
    {"weekday", Family::Date, 9},
    {"weekday-long", Family::Date, 10},
};

std::string OperationNames() {
  std::string names;
  for (const Operation& op : kOperations) names.append(op.name).append(", ");
  return names + std::string(kDecimalsPrefix) + "N";
}

// The operation --op names. "decimals:N" takes N as the decimals box takes
// its answer, and rejects it with that box's message.
Operation OperationNamed(const std::string& name) {
  if (name.empty()) throw UsageError(FormatMessage(MessageId::CliMissingValue, {"--op"}));
  if (name.starts_with(kDecimalsPrefix)) {
    const std::string answer = name.substr(kDecimalsPrefix.size());
    const std::optional<int> decimals = ParseDecimalsAnswer(answer);
    if (!decimals) throw UsageError(FormatMessage(MessageId::DecimalsNotValid, {answer}));
    return {name, Family::Decimals, *decimals};
  }
  for (const Operation& op : kOperations) {
    if (op.name == name) return op;
  }
  throw UsageError(FormatMessage(MessageId::CliBadValue, {"--op", name, OperationNames()}));
}

// Runs the operation over one range; the number of cells that failed.
int Apply(TableDocument& grid, const TGridRect& range, const Operation& op) {
  switch (op.family) {
    case Family::CharClass:
      ConvertCharClass(grid, range, static_cast<CharMapping>(op.tag), nullptr);
      return 0;
    case Family::Trim: return TrimRange(grid, range, static_cast<TrimKind>(op.tag), nullptr);
    case Family::Number: return ReformatNumbers(grid, range, static_cast<NumberCommand>(op.tag), nullptr);
    case Family::Decimals: return SetDecimals(grid, range, op.tag, nullptr);
    case Family::Date: return ReformatDates(grid, range, static_cast<DateCommand>(op.tag), nullptr);
  }
  return 0;
}

}  // namespace

std::vector<CliOption> TransformOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  for (CliOption& option : SelectionOptions()) options.push_back(std::move(option));
  options.push_back({"--op", "", {}, ""});
  return options;
}

int RunTransform(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  const Operation op = OperationNamed(args.Value("--op"));
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;
  const std::vector<TGridRect> selection = ResolveSelection(grid, args);

  int failures = 0;
  // No history: the batch tool has nothing to undo, and a history of a
  // whole column would only cost memory.
  for (const TGridRect& range : selection) failures += Apply(grid, range, op);
  SaveOutput(document, args, out);
  if (failures > 0) err << FormatMessage(MessageId::ConvertFailed, {std::to_string(failures)});
  return 0;
}

}  // namespace tabulo::cli
