#pragma once

#include <filesystem>
#include <string>

#include "setup/InstallFolder.h"

namespace plinth {

// The file managers' counterpart of a "Send To" shortcut: a Nautilus script
// and a Dolphin service menu, both opening the selected files in Tabulo.
struct SendToFiles {
  std::filesystem::path nautilusScript;  // DataHome/nautilus/scripts/Tabulo
  std::filesystem::path dolphinMenu;     // DataHome/kio/servicemenus/tabulo.desktop
};

SendToFiles SendToFilesOf(const std::filesystem::path& dataHome);

// The script's text: one Tabulo per selected file, since Tabulo opens one.
std::string NautilusScriptOf(const InstallFolder& installed);

// The service menu's text, in the form Dolphin reads from its service-menu
// folder (a KDE "Service" entry, not an application entry).
std::string DolphinMenuOf(const InstallFolder& installed);

// Writes both (and their folders), executable as the file managers require.
// False when one cannot be written.
bool MakeSendTo(const SendToFiles& files, const InstallFolder& installed);

// Deletes both; missing ones are no error.
void RemoveSendTo(const SendToFiles& files);

}  // namespace plinth
