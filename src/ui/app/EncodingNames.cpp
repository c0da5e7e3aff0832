#include "ui/app/EncodingNames.h"

namespace tabulo::ui {

QStringList SaveEncodingNames() {
  return {QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8"), QStringLiteral("UTF-8 (BOM付き)")};
}

int SaveEncodingIndex(const FileEncoding& encoding) {
  if (encoding.encoding == TextEncoding::ShiftJis) return 0;
  return encoding.byteOrderMark ? 2 : 1;
}

FileEncoding SaveEncodingAt(int index, const FileEncoding& current) {
  if (index <= 0) return {};
  const bool lineFeedOnly = current.encoding == TextEncoding::Utf8 && current.lineFeedOnly;
  return {TextEncoding::Utf8, index >= 2, lineFeedOnly};
}

QString EncodingName(const FileEncoding& encoding) { return SaveEncodingNames()[SaveEncodingIndex(encoding)]; }

QStringList OpenEncodingNames() {
  return {QStringLiteral("自動判別"), QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8")};
}

EncodingChoice OpenEncodingAt(int index) {
  switch (index) {
    case 1: return EncodingChoice::ShiftJis;
    case 2: return EncodingChoice::Utf8;
    default: return EncodingChoice::Auto;
  }
}

platform::FileDialogChoice EncodingList() {
  platform::FileDialogChoice choice;
  choice.label = "エンコード(&E):";
  for (const QString& name : OpenEncodingNames()) choice.entries.push_back(name.toStdString());
  return choice;
}

}  // namespace tabulo::ui
