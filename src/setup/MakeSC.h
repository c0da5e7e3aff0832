#pragma once

#include <filesystem>
#include <string>

namespace plinth {

// How a shortcut starts its target.
enum class Launch {
  Program,   // the target is a program, started with the arguments
  Document,  // the target is a document, opened by the desktop (xdg-open)
};

// One shortcut: a desktop entry that starts or opens `target`. Its name is
// the link file's name without ".desktop", as a shortcut's is.
struct Shortcut {
  std::filesystem::path linkFile;
  std::filesystem::path target;
  Launch launch = Launch::Program;
  std::string description;               // the entry's Comment
  std::string icon;                      // an icon file or theme icon name; empty for none
  std::string arguments;                 // unquoted, e.g. "R"; empty for none
  std::string fieldCode;                 // what the desktop adds, e.g. "%f"; empty for none
  std::filesystem::path workingDirectory;  // empty for none
  std::string mimeTypes;                 // "text/csv;…" for "Open with"; empty for none
  std::string categories;                // menu categories; empty for none
};

// The desktop entry text of `shortcut`, or "" when it cannot be written as
// one (a path that is not UTF-8).
std::string DesktopEntryOf(const Shortcut& shortcut);

// Writes the shortcut's desktop entry over any earlier one, executable so
// that desktops start it. False when it cannot be made.
bool MakeShortcut(const Shortcut& shortcut);

}  // namespace plinth
