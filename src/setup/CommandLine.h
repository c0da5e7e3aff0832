#pragma once

#include <string>
#include <vector>

namespace plinth {

// What Plinth was asked to do.
struct SetupRequest {
  bool uninstall = false;  // the first argument is exactly "R"
  bool answerYes = false;  // "--yes": answer every question Yes, print instead of showing boxes
};

// Reads the arguments after the program's name. "--yes" may stand anywhere;
// of the others only the first counts, and only "R" (case-sensitive) selects
// uninstall: anything else installs.
SetupRequest ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace plinth
