#pragma once

#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "core/base/Prompter.h"

namespace tabulo::platform {

// Answers prompts from a queue and records every prompt it was shown. A prompt
// that finds the queue empty throws UnexpectedPrompt, so a test never blocks.
class ScriptedPrompter final : public Prompter {
 public:
  class UnexpectedPrompt : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };

  ScriptedPrompter() = default;
  explicit ScriptedPrompter(std::initializer_list<Answer> answers) : m_answers(answers) {}

  void Then(Answer answer) { m_answers.push_back(answer); }
  void Beep(Sound sound) override { m_beeps.push_back(sound); }

  const std::vector<Prompt>& Asked() const noexcept { return m_asked; }
  const std::vector<Sound>& Beeps() const noexcept { return m_beeps; }
  bool AllAnswered() const noexcept { return m_answers.empty(); }

 private:
  Answer Show(const Prompt& prompt) override;

  std::deque<Answer> m_answers;
  std::vector<Prompt> m_asked;
  std::vector<Sound> m_beeps;
};

}  // namespace tabulo::platform
