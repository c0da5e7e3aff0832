#include "platform/setup/XdgShell.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/setup/PosixCommand.h"

namespace plinth {
namespace {

std::filesystem::path HomeFolder(const std::function<std::optional<std::string>(const char*)>& variable) {
  if (const auto home = variable("HOME"); home && !home->empty()) return *home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) return user->pw_dir;
  return {};
}

std::filesystem::path BaseFolder(const std::optional<std::string>& value, const std::filesystem::path& home,
                                 const char* fallback) {
  if (value && !value->empty() && std::filesystem::path(*value).is_absolute()) return *value;
  return home.empty() ? std::filesystem::path() : home / fallback;
}

std::string WithoutTrailingLineBreaks(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

XdgFolders ResolveXdgFolders(const std::function<std::optional<std::string>(const char*)>& variable,
                             const std::optional<std::string>& userDirDesktop) {
  const auto home = HomeFolder(variable);
  XdgFolders folders;
  if (home.empty()) return folders;
  folders.dataHome = BaseFolder(variable("XDG_DATA_HOME"), home, ".local/share");
  folders.configHome = BaseFolder(variable("XDG_CONFIG_HOME"), home, ".config");
  const auto printed = userDirDesktop ? WithoutTrailingLineBreaks(*userDirDesktop) : std::string();
  folders.desktop = std::filesystem::path(printed).is_absolute() ? std::filesystem::path(printed) : home / "Desktop";
  return folders;
}

XdgShell::XdgShell()
    : m_folders(ResolveXdgFolders(
          [](const char* name) -> std::optional<std::string> {
            const char* value = std::getenv(name);
            if (value == nullptr) return std::nullopt;
            return std::string(value);
          },
          RunCommand({"xdg-user-dir", "DESKTOP"}))) {}

std::filesystem::path XdgShell::GetSpecialFolder(SpecialFolder folder) {
  switch (folder) {
    case SpecialFolder::DataHome: return m_folders.dataHome;
    case SpecialFolder::ConfigHome: return m_folders.configHome;
    case SpecialFolder::Programs:
      return m_folders.dataHome.empty() ? std::filesystem::path() : m_folders.dataHome / "applications";
    case SpecialFolder::DesktopDirectory: return m_folders.desktop;
  }
  return {};
}

bool XdgShell::RunTool(const std::vector<std::string>& arguments) { return RunCommand(arguments).has_value(); }

}  // namespace plinth
