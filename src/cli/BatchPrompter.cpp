#include "cli/BatchPrompter.h"

#include <ostream>

namespace tabulo::cli {

platform::Answer BatchPrompter::Ask(const platform::Prompt& prompt) {
  if (const auto found = m_answers.find(prompt.id); found != m_answers.end()) return found->second;
  switch (prompt.buttons) {
    case platform::Buttons::Ok:
      m_err << prompt.text << '\n';
      return platform::Answer::Ok;
    case platform::Buttons::OkCancel: return platform::Answer::Ok;
    case platform::Buttons::YesNo:
    case platform::Buttons::YesNoCancel: break;
  }
  return platform::Answer::Yes;
}

}  // namespace tabulo::cli
