#include "platform/setup/ScriptedSetup.h"

#include "platform/setup/PosixCommand.h"

namespace plinth {

bool ScriptedBoxes::Ask(const std::string& caption, const std::string& text) {
  m_shown.push_back({caption, text, BoxIcon::Question});
  if (m_answers.empty()) throw UnexpectedQuestion("unexpected question: " + text);
  const bool answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

void ScriptedBoxes::Tell(const std::string& caption, const std::string& text, BoxIcon icon) {
  m_shown.push_back({caption, text, icon});
}

std::filesystem::path ScriptedShell::GetSpecialFolder(SpecialFolder folder) {
  const auto found = m_folders.find(folder);
  return found == m_folders.end() ? std::filesystem::path() : found->second;
}

bool ScriptedShell::RunTool(const std::vector<std::string>& arguments) {
  m_toolRuns.push_back(arguments);
  return m_runTools && RunCommand(arguments).has_value();
}

}  // namespace plinth
