#include "cli/BatchPrompter.h"

#include <ostream>

namespace tabulo::cli {

Answer BatchPrompter::Show(const Prompt& prompt) {
  if (const auto found = m_answers.find(prompt.id); found != m_answers.end()) return found->second;
  switch (prompt.buttons) {
    case Buttons::Ok:
      m_err << prompt.text << '\n';
      return Answer::Ok;
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: break;
    case Buttons::YesNoDefaultNo: return Answer::No;
  }
  return Answer::Yes;
}

}  // namespace tabulo::cli
