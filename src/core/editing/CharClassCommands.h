#pragma once

#include "core/document/TableDocument.h"
#include "core/locale/CharClass.h"

namespace tabulo {

class ProgressSink;

// Maps every cell of `range` (clamped to the data cells) by `mapping`, column
// by column, each column top to bottom; each changed row is rewritten once
// and unchanged cells are not written. Progress is the share of columns
// done. The caller makes it one step of the history.
void ConvertCharClass(TableDocument& grid, const TGridRect& range, CharMapping mapping, ProgressSink* progress);

}  // namespace tabulo
