#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

namespace tabulo::platform {

// Raised when a test's script has no answer for a dialog that was opened.
class UnexpectedDialog : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// File dialogs answered from a queue; every opening is recorded.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  // The next dialog returns these files (none: cancelled), with entry
  // `choice` picked in its list of choices when it has one and `choice` is set.
  void Then(std::vector<std::filesystem::path> files, std::optional<int> choice = std::nullopt) {
    m_answers.push_back({std::move(files), choice});
  }
  std::vector<std::filesystem::path> Open(const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> Save(const FileDialogOptions& options) override;
  const std::vector<FileDialogOptions>& Opened() const noexcept { return m_opened; }

 private:
  std::vector<std::filesystem::path> Next(const FileDialogOptions& options);
  struct Answer {
    std::vector<std::filesystem::path> files;
    std::optional<int> choice;
  };
  std::deque<Answer> m_answers;
  std::vector<FileDialogOptions> m_opened;
};

class ScriptedInputBox final : public InputBox {
 public:
  void Then(std::optional<std::string> answer) { m_answers.push_back(std::move(answer)); }
  std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                 const std::string& preset) override;
  struct Asked {
    std::string title, prompt, preset;
  };
  const std::vector<Asked>& AskedBoxes() const noexcept { return m_asked; }

 private:
  std::deque<std::optional<std::string>> m_answers;
  std::vector<Asked> m_asked;
};

class ScriptedFontDialog final : public FontDialog {
 public:
  void Then(std::optional<FontChoice> answer) { m_answers.push_back(std::move(answer)); }
  std::optional<FontChoice> Choose(const FontChoice& current, FontUse use) override;

 private:
  std::deque<std::optional<FontChoice>> m_answers;
};

// Records the help pages asked for.
class RecordingHelp final : public Help {
 public:
  void ShowContext(int context) override { shown.push_back(context); }
  void ShowContents() override { shown.push_back(kContents); }
  void ShowSearch() override { shown.push_back(kSearch); }
  void ShowHowToUse() override { shown.push_back(kHowToUse); }
  static constexpr int kContents = -1, kSearch = -2, kHowToUse = -3;
  std::vector<int> shown;
};

class RecordingProcesses final : public Processes {
 public:
  void StartNewInstance(const std::filesystem::path& file) override { started.push_back(file); }
  std::vector<std::filesystem::path> started;
};

// A clipboard in memory. Assigning `text` directly stands for another
// program's copy: the cells' bytes count only while `text` is what SetCells
// put beside them.
class MemoryClipboard final : public Clipboard {
 public:
  std::optional<std::u16string> Text() override { return text; }
  void SetText(const std::u16string& value) override { text = value; }
  void SetCells(const std::u16string& value, const std::string& bytes, TextEncoding encoding) override {
    text = value;
    m_cellsText = value;
    m_cells = bytes;
    m_encoding = encoding;
  }
  std::optional<std::string> Cells(TextEncoding encoding) override {
    if (!m_cells || text != m_cellsText || encoding != m_encoding) return std::nullopt;
    return m_cells;
  }
  std::optional<std::u16string> text;

 private:
  std::optional<std::u16string> m_cellsText;
  std::optional<std::string> m_cells;
  TextEncoding m_encoding = TextEncoding::ShiftJis;
};

// All scripted services together, for a window under test.
struct ScriptedPlatform {
  ScriptedPrompter prompter;
  ScriptedFileDialogs fileDialogs;
  ScriptedInputBox inputBox;
  ScriptedFontDialog fontDialog;
  RecordingHelp help;
  RecordingProcesses processes;
  MemoryClipboard clipboard;

  Services AsServices() { return Services{prompter, fileDialogs, inputBox, fontDialog, help, processes, clipboard}; }
};

}  // namespace tabulo::platform
