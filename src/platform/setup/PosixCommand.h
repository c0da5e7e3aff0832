#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plinth {

// Runs `arguments[0]` (looked up on the PATH) with the rest as its arguments,
// without a shell, and waits for it. Returns what it wrote on standard output
// when it exits with status 0, nullopt when it cannot be started or fails.
// Standard error is discarded; standard input is empty.
std::optional<std::string> RunCommand(const std::vector<std::string>& arguments);

}  // namespace plinth
