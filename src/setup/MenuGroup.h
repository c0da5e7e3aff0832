#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "setup/MakeSC.h"

namespace plinth {

// Menus show the entries of Tabulo's menu folder as one group "Tabulo"
// through a directory entry (its name and icon) and a menu file merged into
// the applications menu that lists the entries by their desktop file IDs.
struct MenuGroupFiles {
  std::filesystem::path directoryEntry;  // DataHome/desktop-directories/Tabulo.directory
  std::filesystem::path mergedMenu;      // ConfigHome/menus/applications-merged/Tabulo.menu
};

MenuGroupFiles MenuGroupFilesOf(const std::filesystem::path& dataHome, const std::filesystem::path& configHome);

// The menu file's text for `shortcuts`, which lie in one folder inside the
// applications folder.
std::string MergedMenuOf(const std::vector<Shortcut>& shortcuts);

// Writes both files (and their folders). False when one cannot be written.
bool MakeMenuGroup(const MenuGroupFiles& files, const std::string& icon, const std::vector<Shortcut>& shortcuts);

// Deletes both files; missing ones are no error.
void RemoveMenuGroup(const MenuGroupFiles& files);

}  // namespace plinth
