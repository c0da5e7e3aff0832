#include <ostream>

#include "cli/BatchOpen.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/base/Errors.h"
#include "core/calc/GridCalcEngine.h"
#include "core/document/DocumentOperations.h"
#include "core/locale/TextConverter.h"
#include "core/locale/NumberFormat.h"

namespace tabulo::cli {
namespace {

int RowArgument(const std::string& value) {
  if (const auto index = ParseInt32(value)) return *index;
  throw UsageError(FormatMessage(MessageId::NotAnInteger, {value}));
}

}  // namespace

std::vector<CliOption> EvalOptions() {
  std::vector<CliOption> options{{"--col", "", {}, "1"}, {"--row", "", {}, "1"}};
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  return options;
}

int RunEval(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.empty() || args.files.size() > 2) {
    throw UsageError(std::string(MessageText(MessageId::CliEvalArguments)));
  }
  const std::string& formulaText = args.files[0];

  Document document;
  if (args.files.size() == 2) {
    OpenInput(document, args.files[1], args, err);
  } else {
    NewDocument(document);
  }
  const TableDocument& grid = document.grid;
  TextConverter converter(grid.Encoding().encoding);
  const std::string formula = converter.FromUtf8(formulaText);
  const int col = ResolveColumn(grid, args.Value("--col"), 0);
  const int row = RowArgument(args.Value("--row"));
  if (col < 0 || col >= grid.ColCount() || row < 0 || row >= grid.RowCount()) {
    throw UsageError(FormatMessage(MessageId::CliCellOutsideGrid, {std::to_string(col), std::to_string(row)}));
  }

  TGridCalcEngine engine(&grid);
  try {
    engine.SetExpression(formula);
  } catch (const SilentAbort&) {
    err << FormatMessage(MessageId::CliFormulaRejected, {formulaText}) << '\n';
    return 1;
  } catch (const TabuloError& error) {
    err << FormatMessage(MessageId::CliFormulaRejected, {formulaText}) << '\n' << error.what() << '\n';
    return 1;
  }

  std::string result;
  try {
    result = engine.Evaluate(col, row);
  } catch (const TabuloError&) {
    out << "Error\n";
    return 1;
  }
  out << converter.ToUtf8(result) << '\n';
  return 0;
}

}  // namespace tabulo::cli
