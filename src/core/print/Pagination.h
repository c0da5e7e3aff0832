#pragma once

#include <vector>

#include "core/document/GridPrintInfo.h"

namespace tabulo {

// How the data rows fall on pages.
struct Pagination {
  int linesPerPage = 0;  // L: printed lines between the top and bottom margins
  int rowsPerPage = 0;   // R: L less the header, title and page-number lines
  int pageCount = 1;     // at least 1, also for an empty table

  // False when not even one data row fits on a page (a line height too large
  // for the paper): nothing can be printed then.
  bool RowsFit() const noexcept { return rowsPerPage > 0; }
  // The first data row (1-based) on page `pageIndex` (0-based).
  int FirstRow(int pageIndex) const noexcept { return pageIndex * rowsPerPage + 1; }
};

// Lines per page L = trunc((H - bottom margin - top margin) / line height);
// the header band ("ファイル名" or "日付"), the title row and the page number
// take a line each when they are printed; the rest are data rows. The page
// count is `dataRows` / R rounded up, at least 1; when no row fits it is 1
// (the page shows its bands, nothing more is printed).
Pagination Paginate(const TGridPrintInfo& info, double pageHeight, int dataRows);

// Whether the header band is printed.
inline bool HasHeaderBand(const TGridPrintInfo& info) { return info.ShowFileName || info.ShowDate; }

// The pages to print, 0-based, in the order the jobs go out: pages `first`
// to `last` (0-based, inclusive), each `copies` times in a row, or with
// `collate` the whole range once per copy.
std::vector<int> PrintSequence(int first, int last, int copies, bool collate);

}  // namespace tabulo
