#pragma once

#include <filesystem>
#include <vector>

#include "setup/InstallFolder.h"
#include "setup/MakeSC.h"

namespace plinth {

// The menu folder of Tabulo's entries inside the menu's folder `programs`.
std::filesystem::path StartMenuFolder(const std::filesystem::path& programs);

// The four menu entries in folder `menuFolder`, in the order they are made:
// Tabulo, its help, its read-me and the uninstaller.
std::vector<Shortcut> StartMenuShortcuts(const InstallFolder& installed, const std::filesystem::path& menuFolder);

// The entry that starts Tabulo, as the menu has it, at `linkFile`.
Shortcut ProgramShortcut(const InstallFolder& installed, const std::filesystem::path& linkFile);

// The desktop's shortcut file in `desktop`.
std::filesystem::path DesktopShortcutFile(const std::filesystem::path& desktop);

}  // namespace plinth
