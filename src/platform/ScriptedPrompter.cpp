#include "platform/ScriptedPrompter.h"

namespace tabulo::platform {

Answer ScriptedPrompter::Show(const Prompt& prompt) {
  m_asked.push_back(prompt);
  if (m_answers.empty()) throw UnexpectedPrompt("unexpected prompt: " + prompt.text);
  const Answer answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

}  // namespace tabulo::platform
