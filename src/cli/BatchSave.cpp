#include "cli/BatchSave.h"

#include <algorithm>
#include <ostream>

#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "core/document/CsvWriter.h"
#include "core/document/DocumentWriter.h"

namespace tabulo::cli {
namespace {

const std::vector<std::string>& FormatNames() {
  static const std::vector<std::string> names{"comma", "tab", "k3", "quoted", "plain"};
  return names;
}

}  // namespace

std::vector<CliOption> SaveOptionsSpec() {
  return {{"--output", "-o", {}, ""},
          {"--format", "", FormatNames(), "comma"},
          {"--attributes", "", YesNo(), "yes"},
          {"--title", "", YesNo(), "no"},
          {"--row-numbers", "", YesNo(), "no"}};
}

void RequireOutput(const ParsedArgs& args) {
  if (args.Value("--output").empty()) throw UsageError(std::string(MessageText(MessageId::CliMissingOutput)));
}

void StreamSink::Write(std::string_view bytes) { m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); }

SaveOptions SaveOptionsArgument(const ParsedArgs& args) {
  const auto& names = FormatNames();
  SaveOptions options;
  options.SaveType = static_cast<std::int32_t>(
      std::find(names.begin(), names.end(), args.Value("--format")) - names.begin());
  options.SaveAttributes = args.Yes("--attributes");
  options.WithTitle = args.Yes("--title");
  options.WithRowNumbers = args.Yes("--row-numbers");
  return options;
}

void SaveOutput(Document& document, const ParsedArgs& args, std::ostream& out) {
  const SaveOptions options = SaveOptionsArgument(args);
  const std::string& output = args.Value("--output");
  if (output == "-") {
    StreamSink sink(out);
    WriteDelimitedText(document.grid, options.Format(), options.WithTitle, options.WithRowNumbers, sink, nullptr);
    out.flush();
  } else {
    // Every verb that saves reads its document from its one input file.
    const std::filesystem::path documentFile = args.files.empty() ? std::filesystem::path() : std::filesystem::path(args.files.front());
    WriteDocument(document, output, options, nullptr, documentFile);
  }
}

}  // namespace tabulo::cli
