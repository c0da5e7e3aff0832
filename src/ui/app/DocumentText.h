#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "core/document/TableDocument.h"

namespace tabulo::ui {

// Texts between a document and the window. Titles and cells are bytes of
// the document's encoding; the row-number column holds the program's own
// texts ("行番", "集計"), which are code page 932 whatever the encoding.

// A title or data cell's bytes as the window shows them.
QString ShownText(const TableDocument& grid, std::string_view bytes);
// The cell (col, row) of any column, the row-number column included.
QString ShownCell(const TableDocument& grid, int col, int row);
// Column `col`'s title in the document's bytes, the row-number column's
// ("行番") put into the document's encoding.
std::string TitleText(const TableDocument& grid, int col);
// One of the program's own code page 932 texts.
QString ShownProgramText(std::string_view cp932);

// A typed text as the document stores it. Throws ConvertError for a
// character the document's encoding cannot hold.
std::string StoredText(const TableDocument& grid, const QString& text);
std::string StoredText(TextEncoding encoding, const QString& text);

// A typed text as the program keeps its own texts (code page 932: the
// histories of the settings file); nullopt when code page 932 cannot hold it.
std::optional<std::string> StoredProgramText(const QString& text);

}  // namespace tabulo::ui
