#pragma once

#include <QString>
#include <QStringList>

#include "core/locale/EncodingDetection.h"
#include "platform/Services.h"

namespace tabulo::ui {

// The encodings a file is saved in, as the save dialog lists them and the
// status bar names a document's: Shift-JIS, UTF-8, UTF-8 with its mark.
QStringList SaveEncodingNames();
int SaveEncodingIndex(const FileEncoding& encoding);
// The encoding of entry `index`; a UTF-8 text keeps `current`'s line ends.
FileEncoding SaveEncodingAt(int index, const FileEncoding& current);
QString EncodingName(const FileEncoding& encoding);

// The open dialogs' choice: detected, or either encoding.
QStringList OpenEncodingNames();
EncodingChoice OpenEncodingAt(int index);
// That choice as a file dialog offers it, "自動判別" chosen.
platform::FileDialogChoice EncodingList();

}  // namespace tabulo::ui
