#pragma once

#include <ostream>
#include <string>

#include "platform/setup/SetupShell.h"

namespace plinth {

// The boxes of a scripted run (`--yes`): every question is answered Yes and
// every question and message is printed, one paragraph each, instead of
// being shown.
class ConsoleBoxes final : public SetupBoxes {
 public:
  explicit ConsoleBoxes(std::ostream& out) : m_out(out) {}
  bool Ask(const std::string& caption, const std::string& text) override;
  void Tell(const std::string& caption, const std::string& text, BoxIcon icon) override;

 private:
  std::ostream& m_out;
};

// A box's text for a terminal: CR LF becomes a plain line break.
std::string TerminalText(const std::string& text);

}  // namespace plinth
