#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

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

}  // namespace tabulo::cli::test
