#pragma once

#include "platform/Services.h"

class QWidget;

namespace tabulo::platform {

// The font dialog on QFontDialog. The stored name of a Japanese system font
// survives a visit to the dialog (see FontMapping.h).
class QtFontDialog final : public FontDialog {
 public:
  explicit QtFontDialog(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }

  std::optional<FontChoice> Choose(const FontChoice& current, FontUse use) override;

 private:
  QWidget* m_parent;
};

}  // namespace tabulo::platform
