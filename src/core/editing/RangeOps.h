#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// What a paste does to a cell: put the field in, after, or before its text.
enum class PasteMode { Replace = 0, Behind = 1, InFront = 2 };

// The text of a rectangle for the clipboard: one line per row, each ended by
// CR LF; a row's cells each followed by a TAB, then every CR LF pair inside
// deleted and the trailing blanks, TABs and control characters removed (so
// trailing empty cells vanish).
std::string CopyRangeText(const TableDocument& grid, const TGridRect& range, ProgressSink* progress);

// Empties every cell of a rectangle.
void ClearRange(TableDocument& grid, const TGridRect& range, ProgressSink* progress);

// The lines of clipboard text, cut at CR LF, CR or LF; a final break adds no
// empty line.
std::vector<std::string_view> ClipboardLines(std::string_view text);

// Pastes TAB-separated lines from the selection's top-left cell: into the
// selection when it is a range, to the grid's last column and row when it is
// a single cell; lines and fields beyond are dropped.
void PasteRange(TableDocument& grid, std::string_view text, const TGridRect& selection, PasteMode mode,
                ProgressSink* progress);

// How a paste onto a single selected cell proceeds.
struct PastePlan {
  enum class Kind {
    IntoCell,  // one line with one field: straight into the current cell
    Grow,      // the data reaches beyond the grid: ask whether to grow it
    Confirm,   // the data fits: ask before overwriting the rectangle it covers
  };
  Kind kind = Kind::IntoCell;
  bool rowsShort = false;
  bool columnsShort = false;
  int rowCount = 0;     // the grid's row count once grown
  int colCount = 0;     // the grid's column count once grown
  TGridRect covered;    // the cells the data will cover
};

// Plans a paste of `text` onto the single cell at `at`. In an extraction
// window (`narrowed`) columns are never short: they cannot be added there.
PastePlan PlanSingleCellPaste(const TableDocument& grid, std::string_view text, int col, int row, bool narrowed);

// Grows the grid for a planned paste: rows, renumbered, and columns with
// fresh records titled "列" and their number.
void GrowForPaste(TableDocument& grid, const PastePlan& plan);

}  // namespace tabulo
