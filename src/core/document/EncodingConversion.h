#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/document/TableDocument.h"
#include "core/locale/EncodingDetection.h"

namespace tabulo {

// The cells whose text another encoding cannot hold: characters code page
// 932 lacks, and bytes that form no character of the document's encoding
// (they would become U+FFFD and be lost).
struct UnconvertibleCells {
  struct Position {
    int col = 0;
    int row = 0;
    friend bool operator==(const Position&, const Position&) = default;
  };
  std::size_t count = 0;
  std::vector<Position> first;  // the first few, row by row (titles in row 0)
};

// Looks through the titles and data cells of `grid` for text that `target`
// cannot hold, listing at most `listed` positions. Row labels are the
// program's own and are not looked at.
UnconvertibleCells FindUnconvertibleCells(const TableDocument& grid, TextEncoding target, std::size_t listed = 5);

// Puts the titles and data cells of `grid` into `target`'s encoding and
// makes it the grid's (with or without a byte-order mark); within an edit
// step, undoing the step puts back the cells and the encoding. Nothing
// changes in the cells when the encoding stays. Throws ConvertError, before
// changing anything, when a cell cannot be converted (see
// FindUnconvertibleCells), unless `replaceLost`: then each character the
// target lacks, and each byte that formed no character, becomes "?".
void ConvertDocumentEncoding(TableDocument& grid, const FileEncoding& target, bool replaceLost = false);

// The listed positions as messages show them: "列 2 行 3, 列 1 行 0, …",
// row 0 being the title row; "…" when more cells were found.
std::string PositionsText(const UnconvertibleCells& cells);

}  // namespace tabulo
