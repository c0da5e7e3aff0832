#include "cli/Cli.h"

#include <ostream>

namespace tabulo::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  (void)args;
  (void)out;
  err << "usage: tabulo-cli VERB [options] FILE...\n";
  return 2;
}

}  // namespace tabulo::cli
