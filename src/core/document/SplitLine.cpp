#include "core/document/SplitLine.h"

#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

// Reads a quoted field whose opening quote stands just before `pos`; returns
// the position after the closing quote (or the end of the line).
std::size_t ExtractQuoted(std::string_view line, std::size_t pos, FieldList& fields) {
  for (;;) {
    const std::size_t quote = FindChar(line, '"', pos);
    if (quote == std::string_view::npos) {
      // No closing quote: the field keeps the rest of the line, last byte included.
      fields.Append(line.substr(pos));
      fields.EndField();
      return line.size();
    }
    fields.Append(line.substr(pos, quote - pos));
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      fields.Append('"');
      pos = quote + 2;
      continue;
    }
    fields.EndField();
    return quote + 1;
  }
}

}  // namespace

bool SplitLine(std::string_view line, Delimiter delimiter, FieldList& fields, int leading,
               std::size_t maxFields) {
  fields.Clear();
  for (int i = 0; i < leading; ++i) fields.AddEmpty();
  if (delimiter == Delimiter::None) {
    if (line.empty()) return true;
    if (fields.size() >= maxFields) return false;
    fields.Add(line);
    return true;
  }
  const char separator = DelimiterByte(delimiter);
  const bool quotesAreSpecial = delimiter != Delimiter::Tab;
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (fields.size() >= maxFields) return false;
    if (quotesAreSpecial && line[pos] == '"') {
      pos = ExtractQuoted(line, pos + 1, fields);
    } else {
      std::size_t end = FindChar(line, separator, pos);
      if (end == std::string_view::npos) end = line.size();
      fields.Add(line.substr(pos, end - pos));
      pos = end;
    }
    if (pos < line.size() && line[pos] == separator) {
      ++pos;
      if (pos == line.size()) {
        if (fields.size() >= maxFields) return false;
        fields.AddEmpty();
      }
    }
  }
  return true;
}

}  // namespace tabulo
