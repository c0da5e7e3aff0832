#pragma once

#include <filesystem>

namespace plinth {

// The files Plinth expects beside itself in the installation folder: it
// copies nothing, it only points the desktop at them.
struct InstallFolder {
  std::filesystem::path folder;  // the folder that holds Plinth

  std::filesystem::path Program() const { return folder / "tabulo"; }
  std::filesystem::path Help() const { return folder / "help" / "index.html"; }
  std::filesystem::path ReadMe() const { return folder / "ReadMe.txt"; }
  std::filesystem::path Setup() const { return folder / "plinth"; }
  std::filesystem::path ProgramIcon() const { return folder / "icons" / "tabulo.svg"; }
  std::filesystem::path SetupIcon() const { return folder / "icons" / "plinth.svg"; }
};

// The folder of the running program (symbolic links resolved), or empty when
// the system does not tell.
std::filesystem::path RunningProgramFolder();

}  // namespace plinth
