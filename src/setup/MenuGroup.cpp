#include "setup/MenuGroup.h"

#include "setup/DesktopEntryText.h"
#include "setup/SetupFiles.h"

namespace plinth {
namespace {

constexpr const char* kGroupName = "Tabulo";

std::string XmlText(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

MenuGroupFiles MenuGroupFilesOf(const std::filesystem::path& dataHome, const std::filesystem::path& configHome) {
  return {dataHome / "desktop-directories" / "Tabulo.directory",
          configHome / "menus" / "applications-merged" / "Tabulo.menu"};
}

std::string MergedMenuOf(const std::vector<Shortcut>& shortcuts) {
  std::string menu =
      "<Menu>\n"
      "  <Name>Applications</Name>\n"
      "  <Menu>\n"
      "    <Name>" + std::string(kGroupName) + "</Name>\n"
      "    <Directory>Tabulo.directory</Directory>\n"
      "    <Include>\n";
  // An entry in a subfolder of the applications folder has the subfolder's
  // name and a dash before its file name as its desktop file ID.
  for (const auto& shortcut : shortcuts) {
    const auto folderName = shortcut.linkFile.parent_path().filename().string();
    menu += "      <Filename>" + XmlText(folderName + "-" + shortcut.linkFile.filename().string()) + "</Filename>\n";
  }
  menu +=
      "    </Include>\n"
      "  </Menu>\n"
      "</Menu>\n";
  return menu;
}

bool MakeMenuGroup(const MenuGroupFiles& files, const std::string& icon, const std::vector<Shortcut>& shortcuts) {
  std::error_code error;
  std::filesystem::create_directories(files.directoryEntry.parent_path(), error);
  std::filesystem::create_directories(files.mergedMenu.parent_path(), error);
  if (!IsValidUtf8(icon)) return false;
  const std::string directory = "[Desktop Entry]\nType=Directory\nName=" + std::string(kGroupName) +
                                "\nIcon=" + EscapeValue(icon) + "\n";
  const bool directoryWritten = WriteTextFile(files.directoryEntry, directory, false);
  const bool menuWritten = WriteTextFile(files.mergedMenu, MergedMenuOf(shortcuts), false);
  return directoryWritten && menuWritten;
}

void RemoveMenuGroup(const MenuGroupFiles& files) {
  RemoveFile(files.directoryEntry);
  RemoveFile(files.mergedMenu);
}

}  // namespace plinth
