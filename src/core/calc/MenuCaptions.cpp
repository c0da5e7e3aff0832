#include "core/calc/MenuCaptions.h"

#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

}  // namespace

std::string FormatField(std::string_view text, std::size_t width, std::size_t precision, TextEncoding encoding) {
  std::size_t end = 0;
  std::size_t columns = 0;
  while (end < text.size() && columns + CharColumns(text, end, encoding) <= precision) {
    columns += CharColumns(text, end, encoding);
    end += CharLength(text, end, encoding);
  }
  std::string field(text.substr(0, end));
  if (columns < width) field.append(width - columns, ' ');
  return field;
}

std::string ColumnMenuCaption(std::string_view title, std::string_view firstRow, bool compact, TextEncoding encoding) {
  return FormatField(title, 16, 16, encoding) + (compact ? ":" : "\t:") +
         FormatField(firstRow, 0, compact ? 20 : 40, encoding);
}

std::string FunctionMenuCaption(std::string_view name, std::string_view description, bool compact,
                                FormulaMenuOwner owner) {
  if (compact) return FormatField(name, 20, 20) + ":" + FormatField(description, 0, 40);
  return FormatField(name, 20, 20) + (owner == FormulaMenuOwner::MainWindow ? "\t: " : "\t:") +
         FormatField(description, 0, kNoLimit);
}

}  // namespace tabulo
