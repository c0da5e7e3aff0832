#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

namespace tabulo::platform {
namespace {

// The program's own format: the cells' code page 932 bytes, tab-separated
// with CR LF after each row, exactly as they are stored.
constexpr const char* kCp932CellsFormat = "application/x-tabulo-cp932-cells";
constexpr const char* kUtf8CellsFormat = "application/x-tabulo-utf8-cells";

const char* CellsFormat(TextEncoding encoding) {
  return encoding == TextEncoding::Utf8 ? kUtf8CellsFormat : kCp932CellsFormat;
}

}  // namespace

std::optional<std::u16string> QtClipboard::Text() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return data->text().toStdU16String();
}

void QtClipboard::SetText(const std::u16string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
}

void QtClipboard::SetCells(const std::u16string& text, const std::string& bytes, TextEncoding encoding) {
  auto data = std::make_unique<QMimeData>();
  data->setText(QString::fromStdU16String(text));
  data->setData(CellsFormat(encoding), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it from here
}

std::optional<std::string> QtClipboard::Cells(TextEncoding encoding) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(CellsFormat(encoding))) return std::nullopt;
  const QByteArray bytes = data->data(CellsFormat(encoding));
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tabulo::platform
