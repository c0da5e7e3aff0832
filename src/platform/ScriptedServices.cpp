#include "platform/ScriptedServices.h"

namespace tabulo::platform {

std::vector<std::filesystem::path> ScriptedFileDialogs::Next(const FileDialogOptions& options) {
  m_opened.push_back(options);
  if (m_answers.empty()) throw UnexpectedDialog("unexpected file dialog: " + options.title);
  Answer answer = std::move(m_answers.front());
  m_answers.pop_front();
  if (answer.choice && options.choice != nullptr && !answer.files.empty()) options.choice->chosen = *answer.choice;
  return std::move(answer.files);
}

std::vector<std::filesystem::path> ScriptedFileDialogs::Open(const FileDialogOptions& options) {
  return Next(options);
}

std::optional<std::filesystem::path> ScriptedFileDialogs::Save(const FileDialogOptions& options) {
  auto files = Next(options);
  if (files.empty()) return std::nullopt;
  return files.front();
}

std::optional<std::string> ScriptedInputBox::Ask(const std::string& title, const std::string& prompt,
                                                 const std::string& preset) {
  m_asked.push_back({title, prompt, preset});
  if (m_answers.empty()) throw UnexpectedDialog("unexpected input box: " + title);
  auto answer = std::move(m_answers.front());
  m_answers.pop_front();
  return answer;
}

std::optional<FontChoice> ScriptedFontDialog::Choose(const FontChoice&, FontUse) {
  if (m_answers.empty()) throw UnexpectedDialog("unexpected font dialog");
  auto answer = std::move(m_answers.front());
  m_answers.pop_front();
  return answer;
}

}  // namespace tabulo::platform
