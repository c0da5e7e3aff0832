#pragma once

#include <iosfwd>
#include <map>

#include "platform/Prompter.h"

namespace tabulo::cli {

// Answers the questions the window would ask from the command line's
// options; a question without an option gets the window's default button.
// Plain messages (an OK button only) go to standard error, so nothing waits.
class BatchPrompter final : public platform::Prompter {
 public:
  explicit BatchPrompter(std::ostream& err) : m_err(err) {}

  void Answer(MessageId question, bool yes) {
    m_answers[question] = yes ? platform::Answer::Yes : platform::Answer::No;
  }
  platform::Answer Ask(const platform::Prompt& prompt) override;

 private:
  std::ostream& m_err;
  std::map<MessageId, platform::Answer> m_answers;
};

}  // namespace tabulo::cli
