#pragma once

namespace tabulo {

// The field delimiter of a delimited text file.
enum class Delimiter { Tab, Comma, Blank, None };

constexpr char DelimiterByte(Delimiter delimiter) noexcept {
  switch (delimiter) {
    case Delimiter::Tab: return '\t';
    case Delimiter::Comma: return ',';
    case Delimiter::Blank: return ' ';
    case Delimiter::None: break;
  }
  return '\0';
}

}  // namespace tabulo
