#pragma once

#include "core/base/Prompter.h"

class QWidget;

namespace tabulo::platform {

// Message boxes on Qt, each preceded by its beep, with Japanese buttons.
class QtPrompter final : public Prompter {
 public:
  // Boxes are centred over `parent` (which may change; see SetParent).
  explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }

  void Beep(Sound sound) override;

 private:
  Answer Show(const Prompt& prompt) override;

  QWidget* m_parent;
};

}  // namespace tabulo::platform
