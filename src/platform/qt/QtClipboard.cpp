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

}  // namespace

std::optional<std::u16string> QtClipboard::Text() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return data->text().toStdU16String();
}

void QtClipboard::SetText(const std::u16string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
}

void QtClipboard::SetCells(const std::u16string& text, const std::string& cp932) {
  auto data = std::make_unique<QMimeData>();
  data->setText(QString::fromStdU16String(text));
  data->setData(kCp932CellsFormat, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
  QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it from here
}

std::optional<std::string> QtClipboard::Cp932Cells() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(kCp932CellsFormat)) return std::nullopt;
  const QByteArray bytes = data->data(kCp932CellsFormat);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tabulo::platform
