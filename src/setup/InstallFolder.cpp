#include "setup/InstallFolder.h"

namespace plinth {

std::filesystem::path RunningProgramFolder() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : program.parent_path();
}

}  // namespace plinth
