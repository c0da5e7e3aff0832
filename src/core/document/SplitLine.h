#pragma once

#include <cstddef>
#include <string_view>

#include "core/document/Delimiter.h"
#include "core/document/FieldList.h"

namespace tabulo {

enum class SplitOutcome {
  Complete,
  TooManyFields,  // splitting stopped at the field limit with text left over
  OpenQuote,      // the last field's quote did not close: it holds the rest of the text
};

// The one field splitter, used by the file reader, clipboard paste and merge.
// Clears `fields`, adds `leading` empty fields (the row-number column), then
// the fields of `line`:
// - unless the delimiter is tab, a field that starts with a double quote runs
//   to the next double quote not followed by another one, each doubled quote
//   standing for one; text after the closing quote up to the next delimiter
//   is a field of its own; without a closing quote the field takes the rest
//   of the line;
// - a quoted field may hold line breaks when the reader has joined the lines
//   of one record: once past a break, only a quote before the delimiter, a
//   line break or the end closes it, and other single quotes are data;
// - any other field is taken literally up to the next delimiter;
// - a trailing delimiter gives a trailing empty field; consecutive delimiters
//   give empty fields; an empty line gives no fields;
// - with Delimiter::None the whole line is one field (none when empty).
// Scanning steps over double-byte characters as units. Splitting stops once
// `fields` holds `maxFields` entries (TooManyFields when text was left over).
SplitOutcome SplitLine(std::string_view line, Delimiter delimiter, FieldList& fields, int leading,
                       std::size_t maxFields = static_cast<std::size_t>(-1));

// Whether the last field of `line` is a quoted field that does not close on
// the line (SplitLine would say OpenQuote).
bool EndsInsideQuotes(std::string_view line, Delimiter delimiter);

// For a quoted field that has run over a line break into `line`: the position
// just after its closing quote in `line` (a quote not doubled, before the
// delimiter or the line's end), or npos when it does not close on this line.
std::size_t FindContinuedFieldEnd(std::string_view line, Delimiter delimiter);

// Whether `byte` occurs in `line` outside quoted fields, and how splitting the
// line ends. A field whose quote never closes counts as outside, since such
// text may not be quoted at all.
struct UnquotedByteScan {
  SplitOutcome outcome;
  bool found;
};
UnquotedByteScan ScanForUnquotedByte(std::string_view line, Delimiter delimiter, char byte);

}  // namespace tabulo
