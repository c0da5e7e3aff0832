#include "cli/BatchOpen.h"

#include "cli/BatchPrompter.h"

namespace tabulo::cli {

std::vector<CliOption> OpenOptions() {
  return {{"--split-blanks", "", YesNo(), "yes"},
          {"--first-line-titles", "", YesNo(), "no"},
          {"--encoding", "", {"auto", "sjis", "utf8"}, "auto"}};
}

EncodingChoice EncodingArgument(const ParsedArgs& args) {
  const std::string& value = args.Value("--encoding");
  if (value == "sjis") return EncodingChoice::ShiftJis;
  if (value == "utf8") return EncodingChoice::Utf8;
  return EncodingChoice::Auto;
}

OpenResult OpenInput(Document& document, const std::string& path, const ParsedArgs& args, std::ostream& err) {
  BatchPrompter prompter(err);
  prompter.Answer(MessageId::SplitAtBlanksQuestion, args.Yes("--split-blanks"));
  prompter.Answer(MessageId::UseFirstLineAsTitlesQuestion, args.Yes("--first-line-titles"));
  return LoadCsvDocument(document, path, true, prompter, nullptr, EncodingArgument(args));
}

}  // namespace tabulo::cli
