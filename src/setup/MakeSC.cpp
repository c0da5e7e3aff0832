#include "setup/MakeSC.h"

#include <vector>

#include "setup/DesktopEntryText.h"
#include "setup/SetupFiles.h"

namespace plinth {
namespace {

void AddKey(std::string& entry, std::string_view key, std::string_view value) {
  entry += key;
  entry += '=';
  entry += EscapeValue(value);
  entry += '\n';
}

}  // namespace

std::string DesktopEntryOf(const Shortcut& shortcut) {
  const auto name = shortcut.linkFile.stem().string();
  for (const auto& text : {shortcut.target.string(), shortcut.workingDirectory.string(), shortcut.icon, name,
                           shortcut.description, shortcut.arguments}) {
    if (!IsValidUtf8(text)) return {};
  }

  std::vector<std::string> command;
  if (shortcut.launch == Launch::Document) command.emplace_back("xdg-open");
  command.push_back(shortcut.target.string());
  if (!shortcut.arguments.empty()) command.push_back(shortcut.arguments);

  std::string entry = "[Desktop Entry]\n";
  AddKey(entry, "Type", "Application");
  AddKey(entry, "Name", name);
  if (!shortcut.description.empty()) AddKey(entry, "Comment", shortcut.description);
  if (!shortcut.icon.empty()) AddKey(entry, "Icon", shortcut.icon);
  AddKey(entry, "Exec", ExecValue(command, shortcut.fieldCode));
  if (!shortcut.workingDirectory.empty()) AddKey(entry, "Path", shortcut.workingDirectory.string());
  AddKey(entry, "Terminal", "false");
  if (!shortcut.mimeTypes.empty()) AddKey(entry, "MimeType", shortcut.mimeTypes);
  if (!shortcut.categories.empty()) AddKey(entry, "Categories", shortcut.categories);
  return entry;
}

bool MakeShortcut(const Shortcut& shortcut) {
  const auto entry = DesktopEntryOf(shortcut);
  return !entry.empty() && WriteTextFile(shortcut.linkFile, entry, true);
}

}  // namespace plinth
