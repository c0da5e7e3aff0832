#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabulo {

// File names of the settings and the two recent-file lists, all kept in the
// settings folder.
inline constexpr std::string_view kSettingsFileName = "Tabulo.Ctl";
inline constexpr std::string_view kCsvHistoryFileName = "Csv.his";
inline constexpr std::string_view kFixedHistoryFileName = "Fixed.his";

// The environment values that decide the settings folder. An unset variable
// and an empty one are alike.
struct SettingsEnvironment {
  std::string TabuloConfigDir;  // $TABULO_CONFIG_DIR
  std::string XdgConfigHome;    // $XDG_CONFIG_HOME
  std::string Home;             // $HOME, else the user's home in the password database

  // The values of this process, read afresh on every call.
  static SettingsEnvironment FromProcess();
};

// The program folder is not writable on Linux, so the settings live in the
// user's configuration folder: $TABULO_CONFIG_DIR when set, else
// $XDG_CONFIG_HOME/tabulo (an absolute path only, as relative ones are to be
// ignored), else $HOME/.config/tabulo. Throws FileError when none is known.
std::filesystem::path SettingsFolder(const SettingsEnvironment& environment);
std::filesystem::path SettingsFolder();

// The three files in SettingsFolder(); throw like it.
std::filesystem::path SettingsFilePath();
std::filesystem::path CsvHistoryPath();
std::filesystem::path FixedHistoryPath();

// The folder of the print-format files ("GPC" in the settings folder, since
// the program's own folder is not writable); throws like SettingsFolder.
std::filesystem::path PrintFormatFolder();

// Creates the folder that is to hold `file`, and its parents, when missing.
// Throws FileError when it cannot.
void CreateFolderOf(const std::filesystem::path& file);

}  // namespace tabulo
