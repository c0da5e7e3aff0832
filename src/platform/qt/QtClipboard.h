#pragma once

#include "platform/Services.h"

namespace tabulo::platform {

// The desktop's clipboard through Qt.
class QtClipboard final : public Clipboard {
 public:
  std::optional<std::u16string> Text() override;
  void SetText(const std::u16string& text) override;
  void SetCells(const std::u16string& text, const std::string& bytes, TextEncoding encoding) override;
  std::optional<std::string> Cells(TextEncoding encoding) override;
};

}  // namespace tabulo::platform
