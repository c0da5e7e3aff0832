#pragma once

#include <cstddef>
#include <string_view>

#include "core/document/Delimiter.h"
#include "core/document/FieldList.h"

namespace tabulo {

// The one field splitter, used by the file reader, clipboard paste and merge.
// Clears `fields`, adds `leading` empty fields (the row-number column), then
// the fields of `line`:
// - unless the delimiter is tab, a field that starts with a double quote runs
//   to the next double quote not followed by another one, each doubled quote
//   standing for one; text after the closing quote up to the next delimiter
//   is a field of its own; without a closing quote the field takes the rest
//   of the line;
// - any other field is taken literally up to the next delimiter;
// - a trailing delimiter gives a trailing empty field; consecutive delimiters
//   give empty fields; an empty line gives no fields;
// - with Delimiter::None the whole line is one field (none when empty).
// Scanning steps over double-byte characters as units. Splitting stops once
// `fields` holds `maxFields` entries; the result is false when text was left
// over then.
bool SplitLine(std::string_view line, Delimiter delimiter, FieldList& fields, int leading,
               std::size_t maxFields = static_cast<std::size_t>(-1));

}  // namespace tabulo
