#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/setup/SetupShell.h"

namespace plinth {

// Where the freedesktop.org conventions put the user's folders, from the
// environment (`variable` returns nullopt for an unset variable) and, for
// the desktop, from what `xdg-user-dir DESKTOP` printed (nullopt when the
// tool is missing). A relative XDG variable is ignored, as the convention
// says. Every member is empty when there is no home folder.
struct XdgFolders {
  std::filesystem::path dataHome;
  std::filesystem::path configHome;
  std::filesystem::path desktop;
};

XdgFolders ResolveXdgFolders(const std::function<std::optional<std::string>(const char*)>& variable,
                             const std::optional<std::string>& userDirDesktop);

// The real desktop: folders from the process's environment (read once),
// tools started from the PATH.
class XdgShell final : public SetupShell {
 public:
  XdgShell();
  std::filesystem::path GetSpecialFolder(SpecialFolder folder) override;
  bool RunTool(const std::vector<std::string>& arguments) override;

 private:
  XdgFolders m_folders;
};

}  // namespace plinth
