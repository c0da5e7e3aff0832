#include "setup/UnitMain.h"

#include "setup/DesktopEntryText.h"
#include "setup/MenuGroup.h"
#include "setup/SendTo.h"
#include "setup/SetupFiles.h"
#include "setup/SetupMessages.h"
#include "setup/ShortcutTable.h"
#include "setup/UninstallKey.h"

namespace plinth {
namespace {

using namespace messages;

constexpr const char* kDisplayNameValue = "DisplayName";
constexpr const char* kUninstallStringValue = "UninstallString";

// The desktop's folders of one run; a member is empty when the desktop has none.
struct Places {
  std::filesystem::path programs;
  std::filesystem::path desktop;
  std::filesystem::path dataHome;
  std::filesystem::path configHome;
};

Places PlacesOf(SetupShell& shell) {
  return {shell.GetSpecialFolder(SpecialFolder::Programs), shell.GetSpecialFolder(SpecialFolder::DesktopDirectory),
          shell.GetSpecialFolder(SpecialFolder::DataHome), shell.GetSpecialFolder(SpecialFolder::ConfigHome)};
}

void RefreshMenus(SetupShell& shell, const std::filesystem::path& programs) {
  // Rebuilds the "Open with" cache of the menu's folder; a desktop without
  // the tool reads the entries themselves.
  std::error_code error;
  if (!std::filesystem::is_directory(programs, error)) return;
  shell.RunTool({"update-desktop-database", "-q", programs.string()});
}

void CreateFolder(const std::filesystem::path& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
}

// Every shortcut is tried even when one fails, so that as much as possible
// is registered; any failure is the step's error.
bool MakeStartMenu(const SetupContext& context, const Places& places) {
  if (places.programs.empty() || places.dataHome.empty() || places.configHome.empty()) return false;
  const auto menuFolder = StartMenuFolder(places.programs);
  CreateFolder(menuFolder);
  const auto shortcuts = StartMenuShortcuts(context.installed, menuFolder);
  bool made = true;
  for (const auto& shortcut : shortcuts) made = MakeShortcut(shortcut) && made;
  made = MakeMenuGroup(MenuGroupFilesOf(places.dataHome, places.configHome),
                       context.installed.ProgramIcon().string(), shortcuts) &&
         made;
  RefreshMenus(context.shell, places.programs);
  return made;
}

bool MakeDesktopShortcut(const SetupContext& context, const Places& places) {
  if (places.desktop.empty()) return false;
  CreateFolder(places.desktop);
  const auto linkFile = DesktopShortcutFile(places.desktop);
  if (!MakeShortcut(ProgramShortcut(context.installed, linkFile))) return false;
  // GNOME's desktop starts a launcher only once it is marked trusted; other
  // desktops have no such mark and the tool may be missing.
  context.shell.RunTool({"gio", "set", "-t", "string", linkFile.string(), "metadata::trusted", "true"});
  return true;
}

bool MakeSendToMenus(const SetupContext& context, const Places& places) {
  return !places.dataHome.empty() && MakeSendTo(SendToFilesOf(places.dataHome), context.installed);
}

// Asks one optional step and reports its failure; the run goes on either way.
void OptionalStep(const SetupContext& context, SetupOutcome& outcome, const char* question, const char* failure,
                  bool (*step)(const SetupContext&, const Places&), const Places& places) {
  if (!context.boxes.Ask(kInstallCaption, question)) return;
  if (step(context, places)) return;
  outcome.succeeded = false;
  context.boxes.Tell(kInstallCaption, failure, BoxIcon::Error);
}

std::string UninstallStringOf(const InstallFolder& installed) {
  // Quoted, so that a folder with blanks still names the program.
  return QuoteArgument(installed.Setup().string()) + " R";
}

}  // namespace

SetupOutcome Install(const SetupContext& context) {
  SetupOutcome outcome;
  const auto places = PlacesOf(context.shell);
  OptionalStep(context, outcome, kAskStartMenu, kStartMenuFailed, MakeStartMenu, places);
  OptionalStep(context, outcome, kAskDesktop, kDesktopFailed, MakeDesktopShortcut, places);
  OptionalStep(context, outcome, kAskSendTo, kSendToFailed, MakeSendToMenus, places);

  // The uninstall entry is not optional, and like the registry calls it
  // stands for, its failure shows no message.
  const auto keys = places.dataHome.empty() ? std::filesystem::path() : UninstallFolder(places.dataHome);
  const bool entryWritten =
      !keys.empty() && WriteKeyValues(keys, kUninstallKey,
                                      {{kDisplayNameValue, kDisplayName},
                                       {kUninstallStringValue, UninstallStringOf(context.installed)}});
  if (!entryWritten) outcome.succeeded = false;
  if (!keys.empty()) {
    for (const char* earlier : kEarlierUninstallKeys) DeleteKey(keys, earlier);
  }

  context.boxes.Tell(kInstallCaption, kInstallDone, BoxIcon::Information);
  return outcome;
}

SetupOutcome Uninstall(const SetupContext& context) {
  SetupOutcome outcome;
  if (!context.boxes.Ask(kUninstallCaption, kAskUninstall)) return outcome;
  const auto places = PlacesOf(context.shell);
  const auto removed = [&outcome](const std::filesystem::path& file) {
    if (!RemoveFile(file)) outcome.succeeded = false;
  };

  if (!places.programs.empty()) {
    const auto menuFolder = StartMenuFolder(places.programs);
    for (const auto& shortcut : StartMenuShortcuts(context.installed, menuFolder)) removed(shortcut.linkFile);
    RemoveFolderIfEmpty(menuFolder);
  }
  if (!places.dataHome.empty() && !places.configHome.empty()) {
    RemoveMenuGroup(MenuGroupFilesOf(places.dataHome, places.configHome));
  }
  if (!places.desktop.empty()) removed(DesktopShortcutFile(places.desktop));
  if (!places.dataHome.empty()) {
    const auto sendTo = SendToFilesOf(places.dataHome);
    removed(sendTo.nautilusScript);
    removed(sendTo.dolphinMenu);
  }
  if (!places.programs.empty()) RefreshMenus(context.shell, places.programs);

  if (!places.dataHome.empty() &&
      !DeleteKeyValues(UninstallFolder(places.dataHome), kUninstallKey, {kDisplayNameValue, kUninstallStringValue})) {
    outcome.succeeded = false;
  }

  context.boxes.Tell(kUninstallCaption, kUninstallDone, BoxIcon::Information);
  return outcome;
}

}  // namespace plinth
