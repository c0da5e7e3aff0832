#pragma once

#include <string>

#include "platform/setup/SetupShell.h"

namespace plinth {

// The boxes on the desktop: Qt message boxes without a parent window, each
// after the system's beep.
class QtSetupBoxes final : public SetupBoxes {
 public:
  bool Ask(const std::string& caption, const std::string& text) override;
  void Tell(const std::string& caption, const std::string& text, BoxIcon icon) override;
};

}  // namespace plinth
