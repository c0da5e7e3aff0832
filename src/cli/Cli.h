#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabulo::cli {

// Runs one invocation of the batch tool: `args` without the program name.
// Returns the exit status (0 success, 1 the operation failed, 2 usage error).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabulo::cli
