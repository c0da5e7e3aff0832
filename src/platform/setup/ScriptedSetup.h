#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/setup/SetupShell.h"

namespace plinth {

// One box as it was shown.
struct ShownBox {
  std::string caption;
  std::string text;
  BoxIcon icon;
};

// Answers questions from a queue and records every box. A question that
// finds the queue empty throws, so a test never waits.
class ScriptedBoxes final : public SetupBoxes {
 public:
  class UnexpectedQuestion : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };

  explicit ScriptedBoxes(std::deque<bool> answers = {}) : m_answers(std::move(answers)) {}
  bool Ask(const std::string& caption, const std::string& text) override;
  void Tell(const std::string& caption, const std::string& text, BoxIcon icon) override;

  const std::vector<ShownBox>& Shown() const noexcept { return m_shown; }
  bool AllAnswered() const noexcept { return m_answers.empty(); }

 private:
  std::deque<bool> m_answers;
  std::vector<ShownBox> m_shown;
};

// A desktop whose folders are given and whose tools are only recorded (or,
// when `runTools` is set, really run).
class ScriptedShell final : public SetupShell {
 public:
  explicit ScriptedShell(std::map<SpecialFolder, std::filesystem::path> folders) : m_folders(std::move(folders)) {}
  std::filesystem::path GetSpecialFolder(SpecialFolder folder) override;
  bool RunTool(const std::vector<std::string>& arguments) override;

  void RunToolsForReal(bool run) { m_runTools = run; }
  const std::vector<std::vector<std::string>>& ToolRuns() const noexcept { return m_toolRuns; }

 private:
  std::map<SpecialFolder, std::filesystem::path> m_folders;
  std::vector<std::vector<std::string>> m_toolRuns;
  bool m_runTools = false;
};

}  // namespace plinth
