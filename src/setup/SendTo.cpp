#include "setup/SendTo.h"

#include "setup/DesktopEntryText.h"
#include "setup/SetupFiles.h"

namespace plinth {

SendToFiles SendToFilesOf(const std::filesystem::path& dataHome) {
  return {dataHome / "nautilus" / "scripts" / "Tabulo", dataHome / "kio" / "servicemenus" / "tabulo.desktop"};
}

std::string NautilusScriptOf(const InstallFolder& installed) {
  // Nautilus passes the selected local files as the script's arguments.
  return "#!/bin/sh\n"
         "# Opens each selected file in its own Tabulo window.\n"
         "for file in \"$@\"; do\n"
         "  " + QuoteArgument(installed.Program().string()) + " \"$file\" &\n"
         "done\n";
}

std::string DolphinMenuOf(const InstallFolder& installed) {
  return "[Desktop Entry]\n"
         "Type=Service\n"
         "Name=Tabulo\n"
         "MimeType=all/allfiles;\n"
         "Actions=openInTabulo;\n"
         "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
         "\n"
         "[Desktop Action openInTabulo]\n"
         "Name=Tabulo\n"
         "Icon=" + EscapeValue(installed.ProgramIcon().string()) + "\n"
         "Exec=" + EscapeValue(ExecValue({installed.Program().string()}, "%f")) + "\n";
}

bool MakeSendTo(const SendToFiles& files, const InstallFolder& installed) {
  if (!IsValidUtf8(installed.folder.string())) return false;
  std::error_code error;
  std::filesystem::create_directories(files.nautilusScript.parent_path(), error);
  std::filesystem::create_directories(files.dolphinMenu.parent_path(), error);
  const bool script = WriteTextFile(files.nautilusScript, NautilusScriptOf(installed), true);
  const bool menu = WriteTextFile(files.dolphinMenu, DolphinMenuOf(installed), true);
  return script && menu;
}

void RemoveSendTo(const SendToFiles& files) {
  RemoveFile(files.nautilusScript);
  RemoveFile(files.dolphinMenu);
}

}  // namespace plinth
