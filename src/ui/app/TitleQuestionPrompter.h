#pragma once

#include <functional>

#include "core/base/Prompter.h"

namespace tabulo::ui {

// Passes every question on to the window's prompter. Before the question
// whether the first line holds the titles it first lets the window show the
// rows just read, so that the user sees the line being asked about rather
// than the document that was open before.
class TitleQuestionPrompter final : public Prompter {
 public:
  TitleQuestionPrompter(Prompter& prompter, std::function<void()> showRows)
      : m_prompter(prompter), m_showRows(std::move(showRows)) {}

  void Beep(Sound sound) override { m_prompter.Beep(sound); }

 private:
  Answer Show(const Prompt& prompt) override {
    if (prompt.id == MessageId::UseFirstLineAsTitlesQuestion && m_showRows) m_showRows();
    return m_prompter.Ask(prompt);
  }

  Prompter& m_prompter;
  std::function<void()> m_showRows;
};

}  // namespace tabulo::ui
