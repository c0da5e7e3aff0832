#pragma once

#include <iosfwd>
#include <vector>

#include "cli/ArgParser.h"
#include "core/base/FileIo.h"
#include "core/document/Document.h"
#include "core/document/SaveOptions.h"

namespace tabulo::cli {

// The options of every verb that saves a document: -o OUT, the format, the
// attributes, the title row and the row numbers (defaults of the save
// options).
std::vector<CliOption> SaveOptionsSpec();

// Checks that -o was given; throws UsageError.
void RequireOutput(const ParsedArgs& args);

// The save options those options give.
SaveOptions SaveOptionsArgument(const ParsedArgs& args);

// Saves as save-as does; "-o -" writes the text to `out` without a side file.
void SaveOutput(Document& document, const ParsedArgs& args, std::ostream& out);

// Standard output as a sink for the text's bytes ("-o -").
class StreamSink final : public ByteSink {
 public:
  explicit StreamSink(std::ostream& out) : m_out(out) {}
  void Write(std::string_view bytes) override;

 private:
  std::ostream& m_out;
};

}  // namespace tabulo::cli
