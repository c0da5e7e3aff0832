#include "platform/qt/QtInputBox.h"

#include <QInputDialog>

namespace tabulo::platform {

std::optional<std::string> QtInputBox::Ask(const std::string& title, const std::string& prompt,
                                           const std::string& preset) {
  QInputDialog dialog(m_parent);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(preset));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("キャンセル"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

}  // namespace tabulo::platform
