#pragma once

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// The tags of the trimming commands. Blanks are the bytes up to and
// including the space (control characters and the space); the full-width
// space is no blank.
enum class TrimKind {
  Both = 0,         // leading and trailing blanks removed
  Left = 1,         // leading blanks removed
  Right = 2,        // trailing blanks removed
  PlainNumber = 3,  // trimmed, read as a number and written plainly
};

// Trims every cell of `range` (clamped to the data cells), column by column,
// each column top to bottom; each changed row is rewritten once. PlainNumber
// reads the trimmed text as a real with "." as the decimal point (no
// thousands separators, no currency string) and writes it in the general
// format (FormatGeneral: at most 15 significant digits, no trailing zeros or
// needless point, an exponent for very large and very small values), so
// " 007.50 " becomes "7.5". A cell that does not read as a number, the empty
// cell included, stays as it is and is counted. Returns that count (always 0
// for the other kinds). The caller makes it one step of the history.
int TrimRange(TableDocument& grid, const TGridRect& range, TrimKind kind, ProgressSink* progress);

}  // namespace tabulo
