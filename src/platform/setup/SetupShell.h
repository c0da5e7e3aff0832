#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plinth {

// What a box shows beside its text.
enum class BoxIcon { Question, Information, Error };

// The message boxes Plinth speaks through: it has no window of its own, so
// every step is a question or a message. Texts are UTF-8; a line break is
// CR LF, a blank line two of them.
class SetupBoxes {
 public:
  virtual ~SetupBoxes() = default;
  // Asks a Yes/No question (question icon); true when the answer is Yes.
  virtual bool Ask(const std::string& caption, const std::string& text) = 0;
  // Shows a message with an OK button.
  virtual void Tell(const std::string& caption, const std::string& text, BoxIcon icon) = 0;
};

// The desktop's folders that setup writes into.
enum class SpecialFolder {
  DataHome,          // $XDG_DATA_HOME, else ~/.local/share
  ConfigHome,        // $XDG_CONFIG_HOME, else ~/.config
  Programs,          // the menu's entries: DataHome/applications
  DesktopDirectory,  // the user's desktop (xdg-user-dir DESKTOP, else ~/Desktop)
};

// The desktop Plinth registers with: its folders and the tools that refresh
// its caches. Tests put every folder in a temporary tree.
class SetupShell {
 public:
  virtual ~SetupShell() = default;
  // The folder's path; empty when the desktop has none.
  virtual std::filesystem::path GetSpecialFolder(SpecialFolder folder) = 0;
  // Runs a desktop tool (`arguments[0]` looked up on the PATH) and waits for
  // it; false when it is missing or fails. Its output is discarded.
  virtual bool RunTool(const std::vector<std::string>& arguments) = 0;
};

}  // namespace plinth
