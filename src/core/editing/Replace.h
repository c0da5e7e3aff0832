#pragma once

#include <string>
#include <string_view>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// The six ways "置換" rewrites the selection, in the order of the dialog's
// radio group.
enum class ReplaceMethod {
  Fixed = 0,      // 置換: the cell becomes the lower value
  Search = 1,     // 検索置換: every occurrence of the upper value becomes the lower value
  Concat = 2,     // データ連結: upper value, the cell's text, lower value
  Number = 3,     // 連番(1～): 1, 2, 3 … down each column, restarting per group
  RowNumber = 4,  // 行番号: the row's number
  Rank = 5,       // 順位: the rank by the comparison column within each group
};

// One of the dialog's two combo boxes: the text it shows and the entry of its
// list that is chosen. The list holds every column's title, column 0 first,
// so `listIndex` is a column. Choosing an entry of column 1 or beyond makes
// the value a reference to that column (for each row, that column's text in
// the row); anything else, column 0's entry included, is the literal `text`.
// Numbering and ranking still use any chosen entry, column 0's too, as the
// group or comparison column.
struct ReplaceValue {
  std::string text;
  int listIndex = -1;  // -1: typed, no entry chosen

  // A typed text.
  static ReplaceValue Typed(std::string_view text) { return {std::string(text), -1}; }
  // The list entry of column `col` as the combo box shows it: its title.
  static ReplaceValue Entry(const TableDocument& grid, int col) { return {std::string(grid.Cell(col, 0)), col}; }

  bool IsChosen() const noexcept { return listIndex >= 0; }
  bool IsReference() const noexcept { return listIndex >= 1; }
};

struct ReplaceRequest {
  ReplaceMethod method = ReplaceMethod::Fixed;
  ReplaceValue upper;  // CBPreData: search text, front part, group column
  ReplaceValue lower;  // CBNextData: replacement, back part, comparison column
};

// Whether "置換(&R)" may run the request: always for 置換, 連番 and 行番号;
// 検索置換 needs upper text, データ連結 upper or lower text, 順位 a chosen
// entry of the lower list. The dialog and the batch tool share this rule.
bool ReplaceAllowed(const ReplaceRequest& request);

// Rewrites every cell of `range` (clamped to the data cells) by the request,
// column by column from left to right, each column from top to bottom, with a
// counter that starts at 0 for each column. A reference reads its column as
// the walk has left it: a column of the selection already walked gives its
// new texts. The comparisons of numbering and ranking with the row above use
// the value that row was compared by, so a column can be numbered or ranked
// by its own values. Each changed row is rewritten once; progress is the share
// of columns done.
// Throws std::invalid_argument when the request is not allowed or a chosen
// entry is not a column of `grid`.
void ReplaceRange(TableDocument& grid, const TGridRect& range, const ReplaceRequest& request, ProgressSink* progress);

// Puts `replacement` in place of every occurrence of `search` in `text`, found
// from the left without overlap; inserted text is not searched again. Only
// whole characters match: an occurrence starts and ends on a character
// boundary, and case counts. When something was replaced, puts the result in
// `out` and returns true; otherwise leaves `out` alone and returns false. An
// empty `search` replaces nothing. Characters are those of `encoding`.
bool ReplaceOccurrences(std::string_view text, std::string_view search, std::string_view replacement,
                        std::string& out, TextEncoding encoding = TextEncoding::ShiftJis);

}  // namespace tabulo
