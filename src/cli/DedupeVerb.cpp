#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/rows/Duplicates.h"
#include "core/rows/Narrowing.h"

namespace tabulo::cli {

std::vector<CliOption> DedupeOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  options.push_back({"--columns", "", {}, ""});
  options.push_back({"--mode", "", {"delete", "show"}, ""});
  options.push_back({"--ignore-kana", "", YesNo(), "no"});
  options.push_back({"--ignore-width", "", YesNo(), "no"});
  options.push_back({"--ignore-case", "", YesNo(), "no"});
  return options;
}

int RunDedupe(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  for (const char* required : {"--columns", "--mode"}) {
    if (args.Value(required).empty()) throw UsageError(FormatMessage(MessageId::CliMissingValue, {required}));
  }
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;

  DuplicateOptions options;
  // Left to right, as the dialog's list gives them, each column once.
  for (int col : ResolveColumns(grid, args.Value("--columns"))) options.columns.push_back(col);
  std::sort(options.columns.begin(), options.columns.end());
  options.columns.erase(std::unique(options.columns.begin(), options.columns.end()), options.columns.end());
  options.ignoreKana = args.Yes("--ignore-kana");
  options.ignoreWidth = args.Yes("--ignore-width");
  options.ignoreCase = args.Yes("--ignore-case");

  const bool show = args.Value("--mode") == "show";
  const DuplicateGroups groups = FindDuplicateGroups(grid, options, show, nullptr);
  if (groups.Empty()) {
    err << MessageText(MessageId::DuplicatesNotFound) << '\n';
    return 1;
  }
  if (show) {
    Document shown;
    shown.grid = MakeNarrowedGrid(grid, groups.rows);
    shown.printInfo = document.printInfo;
    SaveOutput(shown, args, out);
    return 0;
  }
  const std::vector<int> later = LaterDuplicateRows(groups);
  const std::string question = FormatMessage(MessageId::DuplicatesDeleteQuestion, {std::to_string(later.size())});
  err << question.substr(0, question.find('\n')) << '\n';
  MarkRowsForDeletion(grid, later);
  DeleteMarkedRows(grid, nullptr);
  SaveOutput(document, args, out);
  return 0;
}

}  // namespace tabulo::cli
