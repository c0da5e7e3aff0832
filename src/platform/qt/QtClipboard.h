#pragma once

#include "platform/Services.h"

namespace tabulo::platform {

// The desktop's clipboard through Qt.
class QtClipboard final : public Clipboard {
 public:
  std::optional<std::u16string> Text() override;
  void SetText(const std::u16string& text) override;
};

}  // namespace tabulo::platform
