#include "cli/BatchOpen.h"

#include "cli/BatchPrompter.h"

namespace tabulo::cli {

std::vector<CliOption> OpenOptions() {
  return {{"--split-blanks", "", YesNo(), "yes"}, {"--first-line-titles", "", YesNo(), "no"}};
}

OpenResult OpenInput(Document& document, const std::string& path, const ParsedArgs& args, std::ostream& err) {
  BatchPrompter prompter(err);
  prompter.Answer(MessageId::SplitAtBlanksQuestion, args.Yes("--split-blanks"));
  prompter.Answer(MessageId::UseFirstLineAsTitlesQuestion, args.Yes("--first-line-titles"));
  return LoadCsvDocument(document, path, true, prompter, nullptr);
}

}  // namespace tabulo::cli
