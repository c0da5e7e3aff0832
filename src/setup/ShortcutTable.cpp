#include "setup/ShortcutTable.h"

namespace plinth {
namespace {

// What Tabulo offers to open from a file manager's "Open with".
constexpr const char* kTableMimeTypes = "text/csv;text/tab-separated-values;";
constexpr const char* kProgramCategories = "Office;Spreadsheet;";

Shortcut DocumentShortcut(const InstallFolder& installed, std::filesystem::path linkFile,
                          std::filesystem::path document, const char* description, const char* themeIcon) {
  Shortcut shortcut;
  shortcut.linkFile = std::move(linkFile);
  shortcut.target = std::move(document);
  shortcut.launch = Launch::Document;
  shortcut.description = description;
  shortcut.icon = themeIcon;
  shortcut.workingDirectory = installed.folder;
  return shortcut;
}

}  // namespace

std::filesystem::path StartMenuFolder(const std::filesystem::path& programs) { return programs / "Tabulo"; }

Shortcut ProgramShortcut(const InstallFolder& installed, const std::filesystem::path& linkFile) {
  Shortcut shortcut;
  shortcut.linkFile = linkFile;
  shortcut.target = installed.Program();
  shortcut.description = "Tabulo";
  shortcut.icon = installed.ProgramIcon().string();
  // Tabulo opens one file: the desktop starts one window per file.
  shortcut.fieldCode = "%f";
  shortcut.workingDirectory = installed.folder;
  shortcut.mimeTypes = kTableMimeTypes;
  shortcut.categories = kProgramCategories;
  return shortcut;
}

std::vector<Shortcut> StartMenuShortcuts(const InstallFolder& installed, const std::filesystem::path& menuFolder) {
  std::vector<Shortcut> shortcuts;
  shortcuts.push_back(ProgramShortcut(installed, menuFolder / "Tabulo.desktop"));
  // A document's shortcut shows the icon the desktop gives such files.
  shortcuts.push_back(
      DocumentShortcut(installed, menuFolder / "オンラインヘルプ.desktop", installed.Help(), "ヘルプ", "help-browser"));
  shortcuts.push_back(DocumentShortcut(installed, menuFolder / "はじめにお読み下さい。.desktop", installed.ReadMe(),
                                       "ReadMe", "text-x-generic"));

  Shortcut uninstall;
  uninstall.linkFile = menuFolder / "アンインストール.desktop";
  uninstall.target = installed.Setup();
  uninstall.description = "アンインストール";
  uninstall.icon = installed.SetupIcon().string();
  uninstall.arguments = "R";
  uninstall.workingDirectory = installed.folder;
  shortcuts.push_back(uninstall);
  return shortcuts;
}

std::filesystem::path DesktopShortcutFile(const std::filesystem::path& desktop) { return desktop / "Tabulo.desktop"; }

}  // namespace plinth
