#pragma once

#include <iosfwd>
#include <map>

#include "core/base/Prompter.h"

namespace tabulo::cli {

// Answers the questions the window would ask from the command line's
// options; a question without an option gets the window's default button.
// Plain messages (an OK button only) go to standard error, so nothing waits.
class BatchPrompter final : public Prompter {
 public:
  explicit BatchPrompter(std::ostream& err) : m_err(err) {}

  void Answer(MessageId question, bool yes) { m_answers[question] = yes ? tabulo::Answer::Yes : tabulo::Answer::No; }

 private:
  tabulo::Answer Show(const Prompt& prompt) override;

  std::ostream& m_err;
  std::map<MessageId, tabulo::Answer> m_answers;
};

}  // namespace tabulo::cli
