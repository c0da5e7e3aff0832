#include <string>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/Verbs.h"
#include "core/base/Errors.h"
#include "core/document/EncodingConversion.h"

namespace tabulo::cli {
namespace {

// Puts the document into the encoding "--encoding-out" names, if any; a
// text the encoding cannot hold stops the verb before anything is written.
void ConvertToOutputEncoding(Document& document, const ParsedArgs& args) {
  const std::string& name = args.Value("--encoding-out");
  if (name.empty()) return;
  const FileEncoding target = name == "sjis" ? FileEncoding{}
                              : name == "utf8" ? FileEncoding{TextEncoding::Utf8, false}
                                               : FileEncoding{TextEncoding::Utf8, true};
  const UnconvertibleCells lost = FindUnconvertibleCells(document.grid, target.encoding);
  if (lost.count > 0) {
    throw TabuloError(FormatMessage(MessageId::CliEncodingLoss,
                                    {std::to_string(lost.count),
                                     target.encoding == TextEncoding::ShiftJis ? "Shift-JIS" : "UTF-8",
                                     PositionsText(lost)}));
  }
  ConvertDocumentEncoding(document.grid, target);
}

}  // namespace

std::vector<CliOption> ConvertOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  options.push_back({"--encoding-out", "", {"sjis", "utf8", "utf8-bom"}, ""});
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  return options;
}

int RunConvert(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  Document document;
  OpenInput(document, args.files[0], args, err);
  ConvertToOutputEncoding(document, args);
  SaveOutput(document, args, out);
  return 0;
}

}  // namespace tabulo::cli
