#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "support/TestFiles.h"

namespace tabulo::cli::test {

// One run of the batch tool, in process.
struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

inline ToolRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

// `verb` over a file holding `input` (UTF-8 here, Shift-JIS in the file, no
// title line) with `options` added, saved to standard output without titles.
inline ToolRun RunOnText(const std::string& verb, const std::string& input, const std::vector<std::string>& options) {
  tabulo::test::TempDir dir;
  tabulo::test::WriteFile(dir / "in.csv", tabulo::test::Sjis(input));
  std::vector<std::string> args{verb, (dir / "in.csv").string(), "-o", "-", "--attributes", "no"};
  args.insert(args.end(), options.begin(), options.end());
  return RunTool(args);
}

}  // namespace tabulo::cli::test
