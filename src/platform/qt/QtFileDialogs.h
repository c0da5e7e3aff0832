#pragma once

#include <string_view>

#include <QStringList>

#include "platform/Services.h"

class QWidget;

namespace tabulo::platform {

// The program's "description|patterns|description|patterns" filter as Qt's
// name filters "description (patterns)", patterns separated by blanks instead
// of ";". "*.*" becomes "*", since here it would miss every file without a
// dot in its name. A description without patterns is dropped; no filter at
// all gives no name filters (every file is shown).
QStringList QtNameFilters(std::string_view filter);

// Open and save dialogs on QFileDialog (Qt's own dialog, not the desktop's,
// so that every option behaves the same everywhere).
class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }

  std::vector<std::filesystem::path> Open(const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> Save(const FileDialogOptions& options) override;

 private:
  QWidget* m_parent;
};

}  // namespace tabulo::platform
