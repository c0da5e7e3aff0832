#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tabulo::platform {

std::optional<std::u16string> QtClipboard::Text() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return data->text().toStdU16String();
}

void QtClipboard::SetText(const std::u16string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
}

}  // namespace tabulo::platform
