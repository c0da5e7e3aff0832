#include "setup/CommandLine.h"

namespace plinth {

SetupRequest ParseCommandLine(const std::vector<std::string>& arguments) {
  SetupRequest request;
  bool first = true;
  for (const auto& argument : arguments) {
    if (argument == "--yes") {
      request.answerYes = true;
    } else if (first) {
      request.uninstall = argument == "R";
      first = false;
    }
  }
  return request;
}

}  // namespace plinth
