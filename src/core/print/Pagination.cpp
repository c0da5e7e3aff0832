#include "core/print/Pagination.h"

#include <cmath>
#include <limits>

namespace tabulo {

Pagination Paginate(const TGridPrintInfo& info, double pageHeight, int dataRows) {
  Pagination pages;
  if (info.RowHeight > 0) {
    const double lines =
        std::trunc((pageHeight - static_cast<double>(info.BottomMargin) - info.TopMargin) / info.RowHeight);
    // Margins from a damaged file may be anything; a page holds no more lines
    // than an int counts.
    pages.linesPerPage = lines < 0 ? 0 : lines > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                                                : static_cast<int>(lines);
  }
  pages.rowsPerPage = pages.linesPerPage - (HasHeaderBand(info) ? 1 : 0) - (info.ShowTitle ? 1 : 0) -
                      (info.ShowPage ? 1 : 0);
  if (pages.rowsPerPage > 0 && dataRows > 0) {
    pages.pageCount = static_cast<int>((static_cast<long long>(dataRows) + pages.rowsPerPage - 1) / pages.rowsPerPage);
  }
  return pages;
}

std::vector<int> PrintSequence(int first, int last, int copies, bool collate) {
  std::vector<int> sequence;
  if (first > last || copies < 1) return sequence;
  if (collate) {
    for (int copy = 0; copy < copies; ++copy) {
      for (int page = first; page <= last; ++page) sequence.push_back(page);
    }
  } else {
    for (int page = first; page <= last; ++page) {
      for (int copy = 0; copy < copies; ++copy) sequence.push_back(page);
    }
  }
  return sequence;
}

}  // namespace tabulo
