#include "ui/app/DocumentText.h"

#include "core/base/Errors.h"

#include "core/locale/TextConverter.h"

namespace tabulo::ui {

QString ShownText(const TableDocument& grid, std::string_view bytes) {
  return QString::fromStdU16String(TextConverter(grid.Encoding().encoding).ToUtf16(bytes));
}

QString ShownCell(const TableDocument& grid, int col, int row) {
  return col == 0 ? ShownProgramText(grid.Cell(col, row)) : ShownText(grid, grid.Cell(col, row));
}

std::string TitleText(const TableDocument& grid, int col) {
  const std::string_view title = grid.Cell(col, 0);
  return col == 0 ? ProgramText(title, grid.Encoding().encoding) : std::string(title);
}

QString ShownProgramText(std::string_view cp932) {
  return QString::fromStdU16String(TextConverter(TextEncoding::ShiftJis).ToUtf16(cp932));
}

std::string StoredText(const TableDocument& grid, const QString& text) {
  return StoredText(grid.Encoding().encoding, text);
}

std::string StoredText(TextEncoding encoding, const QString& text) {
  return TextConverter(encoding).FromUtf16(text.toStdU16String());
}

std::optional<std::string> StoredProgramText(const QString& text) {
  try {
    return StoredText(TextEncoding::ShiftJis, text);
  } catch (const ConvertError&) {
    return std::nullopt;
  }
}

}  // namespace tabulo::ui
