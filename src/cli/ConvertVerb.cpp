#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/Verbs.h"

namespace tabulo::cli {

std::vector<CliOption> ConvertOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  return options;
}

int RunConvert(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  Document document;
  OpenInput(document, args.files[0], args, err);
  SaveOutput(document, args, out);
  return 0;
}

}  // namespace tabulo::cli
