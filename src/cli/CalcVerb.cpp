#include <ostream>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/base/Errors.h"
#include "core/calc/FormulaRuns.h"
#include "core/calc/GridCalcEngine.h"
#include "core/locale/TextConverter.h"

namespace tabulo::cli {
namespace {

const char* const kFormulaResultTitle = "\x8C\x76\x8E\x5A\x8C\x8B\x89\xCA";  // 計算結果

}  // namespace

std::vector<CliOption> CalcOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  options.push_back({"--formula", "", {}, ""});
  options.push_back({"--target", "", {}, ""});
  options.push_back({"--new-column", "", {}, "", true});
  options.push_back({"--rows", "", {}, "all"});
  return options;
}

int RunCalc(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  const bool newColumn = args.Yes("--new-column");
  if (newColumn == !args.Value("--target").empty()) {
    throw UsageError(FormatMessage(MessageId::CliMissingValue, {"--target / --new-column"}));
  }
  const std::string& formulaText = args.Value("--formula");
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;
  const RowSpan rows = ResolveRows(grid, args.Value("--rows"));
  int target = newColumn ? 0 : ResolveColumn(grid, args.Value("--target"));

  TGridCalcEngine engine(&grid);
  try {
    engine.SetExpression(TextConverter(grid.Encoding().encoding).FromUtf8(formulaText));
  } catch (const TabuloError&) {
    err << FormatMessage(MessageId::CliFormulaRejected, {formulaText}) << '\n';
    return 1;
  }
  // Appending a column after compiling leaves the formula's columns where they are.
  if (newColumn) target = AppendResultColumn(grid, kFormulaResultTitle, ColumnType::Numeric);
  const int failures = CalculateColumn(grid, engine, target, {rows.first, rows.last}, nullptr);
  SaveOutput(document, args, out);
  if (failures > 0) err << FormatMessage(MessageId::CalcFailed, {std::to_string(failures)});
  return 0;
}

}  // namespace tabulo::cli
