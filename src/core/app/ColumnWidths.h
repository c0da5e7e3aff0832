#pragma once

#include <string_view>

#include "core/document/TableDocument.h"

namespace tabulo {

class ProgressSink;

// Measures a document's text in pixels with the grid's font. Width may be
// called from several threads at once.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int Width(std::string_view text) const = 0;
  // The row-number column's texts, the program's own code page 932 whatever
  // the document's encoding.
  virtual int LabelWidth(std::string_view cp932) const { return Width(cp932); }
  // No text is wider than its byte count times this (lets fitting skip
  // texts too short to be the widest).
  virtual int MaxWidthPerByte() const = 0;
};

struct FitLayout {
  int margin = 2;         // the cell text margin on each side
  int clientWidth = 600;  // the grid's visible width
  int gridLineWidth = 1;  // drawn inside each column, right of its cells
  int headerPadding = 4;  // what a header section (title, row number) takes around its text
};

// Fits the widths of columns [first, last] so that every text shows whole:
// the title with the header's padding, and every data cell (as
// GetDisplayText shows it when `formatted`) with the margin on both sides and
// the grid line; the row numbers of column 0 are header texts too. A column
// wider than the visible area gets the area right of the fixed column
// instead. A large table is measured on two threads.
void FitColumnWidths(TableDocument& grid, int first, int last, bool formatted, const TextMeasure& measure,
                     const FitLayout& layout, ProgressSink* progress);

}  // namespace tabulo
