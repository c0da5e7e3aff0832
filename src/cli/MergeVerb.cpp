#include <algorithm>
#include <charconv>
#include <ostream>
#include <string>
#include <vector>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/rows/Merge.h"
#include "core/rows/MergeSource.h"

namespace tabulo::cli {
namespace {

// Sets the role of each COLUMN=FIELD of a comma-separated list. A title may
// hold "=": the last one separates the field number.
void PairArgument(const TableDocument& grid, const MergeSource& other, const ParsedArgs& args, const char* option,
                  MergeRole role, MergeOptions& options) {
  if (args.Value(option).empty()) return;
  for (const std::string& pair : SplitList(args.Value(option))) {
    const std::size_t equals = pair.rfind('=');
    int field = -1;
    if (equals != std::string::npos) {
      const char* first = pair.data() + equals + 1;
      const char* last = pair.data() + pair.size();
      const auto [end, error] = std::from_chars(first, last, field);
      if (error != std::errc() || end != last || first == last) field = -1;
    }
    if (field < 0 || field >= std::max(other.FieldCount(), 1)) {
      throw UsageError(FormatMessage(MessageId::CliMergeBadPair, {pair}));
    }
    const int col = ResolveColumn(grid, pair.substr(0, equals), role == MergeRole::Key ? 0 : 1);
    options.items[static_cast<std::size_t>(col)] = {field, role};
  }
}

}  // namespace

std::vector<CliOption> MergeOptionsSpec() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  options.push_back({"--key", "", {}, ""});
  options.push_back({"--replace", "", {}, ""});
  options.push_back({"--append", "", {}, ""});
  options.push_back({"--ignore-kana", "", YesNo(), "no"});
  options.push_back({"--ignore-width", "", YesNo(), "no"});
  options.push_back({"--ignore-case", "", YesNo(), "yes"});
  return options;
}

int RunMerge(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 2) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"2"}));
  RequireOutput(args);
  if (args.Value("--key").empty() || (args.Value("--replace").empty() && args.Value("--append").empty())) {
    throw UsageError(std::string(MessageText(MessageId::CliMergeNeedsColumns)));
  }
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;
  const MergeSource other = MergeSource::Read(args.files[1], grid.Encoding().encoding);

  MergeOptions options;
  options.items.resize(static_cast<std::size_t>(grid.ColCount()));
  // As clicks in the dialog: a column named again takes its latest role.
  PairArgument(grid, other, args, "--key", MergeRole::Key, options);
  PairArgument(grid, other, args, "--replace", MergeRole::Replace, options);
  PairArgument(grid, other, args, "--append", MergeRole::Append, options);
  if (!MergeAllowed(options)) throw UsageError(std::string(MessageText(MessageId::CliMergeNeedsColumns)));
  options.ignoreKana = args.Yes("--ignore-kana");
  options.ignoreWidth = args.Yes("--ignore-width");
  options.ignoreCase = args.Yes("--ignore-case");

  const int count = MergeRows(grid, other, options, nullptr);
  if (count == 0) {
    err << MessageText(MessageId::MergeNoMatch) << '\n';
    return 1;
  }
  err << FormatMessage(MessageId::MergeRowsChanged, {std::to_string(count)}) << '\n';
  SaveOutput(document, args, out);
  return 0;
}

}  // namespace tabulo::cli
