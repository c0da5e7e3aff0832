#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "core/document/CsvOpen.h"
#include "core/document/Document.h"

namespace tabulo::cli {

// The options of every verb that opens a delimited file: the answers to the
// blank question (default yes) and the title question (default no), and the
// file's encoding (default: as its bytes show).
std::vector<CliOption> OpenOptions();

// The encoding "--encoding" names.
EncodingChoice EncodingArgument(const ParsedArgs& args);

// Opens `path` as the window's open command does, with the side file and
// the questions answered from the options.
OpenResult OpenInput(Document& document, const std::string& path, const ParsedArgs& args, std::ostream& err);

}  // namespace tabulo::cli
