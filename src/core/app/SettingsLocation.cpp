#include "core/app/SettingsLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

#include "core/base/Errors.h"
#include "core/base/Messages.h"

namespace tabulo {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// The home folder recorded for the user, for sessions started without $HOME.
std::string PasswordDatabaseHome() {
  const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr) {
    return {};
  }
  return found->pw_dir;
}

}  // namespace

SettingsEnvironment SettingsEnvironment::FromProcess() {
  SettingsEnvironment environment;
  environment.TabuloConfigDir = Variable("TABULO_CONFIG_DIR");
  environment.XdgConfigHome = Variable("XDG_CONFIG_HOME");
  environment.Home = Variable("HOME");
  if (environment.Home.empty()) environment.Home = PasswordDatabaseHome();
  return environment;
}

std::filesystem::path SettingsFolder(const SettingsEnvironment& environment) {
  if (!environment.TabuloConfigDir.empty()) return environment.TabuloConfigDir;
  const std::filesystem::path xdg(environment.XdgConfigHome);
  if (xdg.is_absolute()) return xdg / "tabulo";
  if (!environment.Home.empty()) return std::filesystem::path(environment.Home) / ".config" / "tabulo";
  throw FileError(std::string(MessageText(MessageId::SettingsFolderUnknown)), {});
}

std::filesystem::path SettingsFolder() { return SettingsFolder(SettingsEnvironment::FromProcess()); }

std::filesystem::path SettingsFilePath() { return SettingsFolder() / kSettingsFileName; }
std::filesystem::path CsvHistoryPath() { return SettingsFolder() / kCsvHistoryFileName; }
std::filesystem::path FixedHistoryPath() { return SettingsFolder() / kFixedHistoryFileName; }
std::filesystem::path PrintFormatFolder() { return SettingsFolder() / "GPC"; }

void CreateFolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  if (folder.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    throw FileError(FormatMessage(MessageId::FileCreateFailed, {folder.string(), ec.message()}), folder);
  }
}

}  // namespace tabulo
