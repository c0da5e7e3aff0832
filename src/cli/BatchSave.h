#pragma once

#include <iosfwd>
#include <vector>

#include "cli/ArgParser.h"
#include "core/document/Document.h"

namespace tabulo::cli {

// The options of every verb that saves a document: -o OUT, the format, the
// attributes, the title row and the row numbers (defaults of the save
// options).
std::vector<CliOption> SaveOptionsSpec();

// Checks that -o was given; throws UsageError.
void RequireOutput(const ParsedArgs& args);

// Saves as save-as does; "-o -" writes the text to `out` without a side file.
void SaveOutput(Document& document, const ParsedArgs& args, std::ostream& out);

}  // namespace tabulo::cli
