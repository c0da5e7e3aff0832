#include "platform/setup/ConsoleBoxes.h"

namespace plinth {

std::string TerminalText(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  return lines;
}

bool ConsoleBoxes::Ask(const std::string& caption, const std::string& text) {
  m_out << caption << ": " << TerminalText(text) << " はい\n" << std::flush;
  return true;
}

void ConsoleBoxes::Tell(const std::string& caption, const std::string& text, BoxIcon icon) {
  m_out << caption << (icon == BoxIcon::Error ? " (エラー)" : "") << ": " << TerminalText(text) << '\n' << std::flush;
}

}  // namespace plinth
