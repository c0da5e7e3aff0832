#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Prompter.h"
#include "core/locale/Cp932.h"

namespace tabulo::platform {

// A list of choices a file dialog shows below the file type ("エンコード"),
// starting on entry `chosen`; the user's pick is written back to `chosen`
// when a file is chosen.
struct FileDialogChoice {
  std::string label;
  std::vector<std::string> entries;
  int chosen = 0;
};

// What a file dialog is opened with. Texts are UTF-8; `filter` uses the
// "description|patterns|description|patterns" form ("CSV形式ファイル(*.csv)|*.csv;*.txt|…").
struct FileDialogOptions {
  std::string title;
  std::string filter;
  std::string defaultExtension;  // without the dot, added when the name has none
  std::filesystem::path initialFolder;
  std::filesystem::path fileName;
  bool mustExist = false;
  bool multiple = false;
  bool confirmOverwrite = false;
  FileDialogChoice* choice = nullptr;  // the caller's, when the dialog offers one
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen files in the dialog's order; empty when cancelled.
  virtual std::vector<std::filesystem::path> Open(const FileDialogOptions& options) = 0;
  // The chosen file, or nullopt when cancelled.
  virtual std::optional<std::filesystem::path> Save(const FileDialogOptions& options) = 0;
};

// A one-line input box. UTF-8 texts; nullopt when cancelled.
class InputBox {
 public:
  virtual ~InputBox() = default;
  virtual std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                         const std::string& preset) = 0;
};

// A font as the settings file keeps it (name in code page 932 bytes).
struct FontChoice {
  std::string name;
  int charset = 0;
  int size = 9;       // points
  int style = 0;      // bit 0 bold, 1 italic, 2 underline, 3 strike-out
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// What a font is chosen for: the screen, or paper (where a stored Japanese
// system font stands for a face whose printed text can be searched).
enum class FontUse { Screen, Print };

class FontDialog {
 public:
  virtual ~FontDialog() = default;
  // The dialog opens on `current` as it is shown for `use`.
  virtual std::optional<FontChoice> Choose(const FontChoice& current, FontUse use) = 0;
};

// The help pages, one per help context number.
class Help {
 public:
  virtual ~Help() = default;
  virtual void ShowContext(int context) = 0;
  virtual void ShowContents() = 0;
  virtual void ShowSearch() = 0;
  virtual void ShowHowToUse() = 0;
};

// Starting another process of the program's own executable, with a file
// (or nothing) as its one argument; no waiting, nothing kept.
class Processes {
 public:
  virtual ~Processes() = default;
  virtual void StartNewInstance(const std::filesystem::path& file) = 0;
};

// The system clipboard: plain text for every program, and beside it the
// cells' own bytes, with their encoding, for a paste within Tabulo. Going
// through Unicode is not lossless for code page 932 (its duplicate NEC and
// IBM characters come back as other codes, stray bytes do not convert at
// all), so cells copied and pasted within the program travel as bytes.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // nullopt when the clipboard holds no text.
  virtual std::optional<std::u16string> Text() = 0;
  virtual void SetText(const std::u16string& text) = 0;
  // Puts copied cells on the clipboard: `text` for other programs, `bytes`
  // (the same cells as stored, in `encoding`) for Tabulo.
  virtual void SetCells(const std::u16string& text, const std::string& bytes, TextEncoding encoding) = 0;
  // The bytes of SetCells while the clipboard still holds what it put there
  // (in this or another Tabulo process) and they are in `encoding`; nullopt
  // once anything else replaced them, or for cells of the other encoding.
  virtual std::optional<std::string> Cells(TextEncoding encoding) = 0;
};

// Everything the windows ask of the desktop, in one place, so that a test can
// answer all of it by script.
struct Services {
  Prompter& prompter;
  FileDialogs& fileDialogs;
  InputBox& inputBox;
  FontDialog& fontDialog;
  Help& help;
  Processes& processes;
  Clipboard& clipboard;
};

}  // namespace tabulo::platform
