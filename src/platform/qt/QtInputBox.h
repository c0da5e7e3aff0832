#pragma once

#include "platform/Services.h"

class QWidget;

namespace tabulo::platform {

// The one-line input box on QInputDialog, with Japanese buttons.
class QtInputBox final : public InputBox {
 public:
  explicit QtInputBox(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }

  std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                 const std::string& preset) override;

 private:
  QWidget* m_parent;
};

}  // namespace tabulo::platform
